#include "window/packed_image.h"

#include <QResource>
#include <QtEndian>

#include <array>
#include <cstring>

namespace orbisco::ui {

namespace {

constexpr std::array<char, 4> kMagic = {'O', 'P', 'X', '1'};
constexpr qsizetype kHeaderSize = 16;
constexpr qsizetype kPixelSize = 4;

bool isPackedFormat(quint32 format)
{
    return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32_Premultiplied;
}

} // namespace

QByteArray packImage(const QImage &image)
{
    const QImage pixels = image.convertToFormat(
        image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    const qsizetype rowBytes = qsizetype(pixels.width()) * kPixelSize;
    QByteArray pack(kHeaderSize + rowBytes * pixels.height(), Qt::Uninitialized);
    char *out = pack.data();
    std::memcpy(out, kMagic.data(), kMagic.size());
    qToLittleEndian<quint32>(quint32(pixels.width()), out + 4);
    qToLittleEndian<quint32>(quint32(pixels.height()), out + 8);
    qToLittleEndian<quint32>(quint32(pixels.format()), out + 12);
    out += kHeaderSize;
    for (int y = 0; y < pixels.height(); ++y, out += rowBytes)
        qToLittleEndian<quint32>(pixels.constScanLine(y), pixels.width(), out);
    return pack;
}

QImage unpackImage(QByteArrayView pack)
{
    if (pack.size() < kHeaderSize || std::memcmp(pack.data(), kMagic.data(), kMagic.size()) != 0)
        return {};
    const auto width = qFromLittleEndian<quint32>(pack.data() + 4);
    const auto height = qFromLittleEndian<quint32>(pack.data() + 8);
    const auto format = qFromLittleEndian<quint32>(pack.data() + 12);
    // 16 bits a side: a size no picture of a window needs, and no overflow in what follows.
    if (width == 0 || height == 0 || width > 0xffff || height > 0xffff || !isPackedFormat(format))
        return {};
    const qsizetype rowBytes = qsizetype(width) * kPixelSize;
    if (pack.size() != kHeaderSize + rowBytes * qsizetype(height))
        return {};
    QImage image{int(width), int(height), QImage::Format(format)};
    if (image.isNull())
        return {};
    const char *in = pack.data() + kHeaderSize;
    for (int y = 0; y < image.height(); ++y, in += rowBytes)
        qFromLittleEndian<quint32>(in, image.width(), image.scanLine(y));
    return image;
}

QImage packedImage(const QString &resourcePath)
{
    const QResource resource(resourcePath);
    return unpackImage(resource.uncompressedData());
}

} // namespace orbisco::ui
