#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>

namespace orbisco::ui {

// The window's pictures as the screen takes them: 32-bit pixels, premultiplied where they are
// transparent, so that showing one costs a copy and no decoder. The build packs the committed
// JPEG, GIF and PNG files (tools/pack_image.cpp) and compiles the packs in uncompressed: a
// JPEG's noise does not compress, and unpacking it would cost more than decoding the JPEG.
//
// A pack is a 16-byte header, "OPX1", then width, height and QImage::Format as little-endian
// 32-bit numbers, then the rows without padding, each pixel a little-endian 32-bit ARGB value.
QByteArray packImage(const QImage &image);
// The picture in bytes, or a null image if they are not a whole pack of one of those formats.
QImage unpackImage(QByteArrayView pack);
// The picture in a resource (":/images/map.argb").
QImage packedImage(const QString &resourcePath);

} // namespace orbisco::ui
