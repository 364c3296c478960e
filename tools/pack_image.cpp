// Packs a picture for the window at build time: pack_image IN OUT reads IN (any format Qt reads)
// and writes the 32-bit pixels that the window shows without decoding (window/packed_image.h).
#include "window/packed_image.h"

#include <QCoreApplication>
#include <QImageReader>
#include <QSaveFile>

#include <cstdio>

int main(int argc, char **argv)
{
    const QCoreApplication app(argc, argv); // where Qt finds its image plugins
    if (argc != 3) {
        std::fprintf(stderr, "usage: pack_image IN OUT\n");
        return 2;
    }
    QImageReader reader(QString::fromLocal8Bit(argv[1]));
    const QImage image = reader.read();
    if (image.isNull()) {
        std::fprintf(stderr, "pack_image: %s: %s\n", argv[1], qPrintable(reader.errorString()));
        return 1;
    }
    QSaveFile out(QString::fromLocal8Bit(argv[2]));
    if (!out.open(QIODevice::WriteOnly) || out.write(orbisco::ui::packImage(image)) < 0
        || !out.commit()) {
        std::fprintf(stderr, "pack_image: %s: %s\n", argv[2], qPrintable(out.errorString()));
        return 1;
    }
    return 0;
}
