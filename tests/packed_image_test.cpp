// The window's pictures are packed at build time: what the window shows must be, pixel for pixel,
// what the committed files hold, and a damaged pack must give no picture rather than garbage.
#include "window/packed_image.h"

#include <QTest>
#include <QtEndian>

using namespace orbisco::ui;

class PackedImageTest : public QObject
{
    Q_OBJECT

private slots:
    void packsHoldTheCommittedPictures_data()
    {
        QTest::addColumn<QString>("pack");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QSize>("size");
        QTest::newRow("map, no transparency") << u"map"_qs << u"map.jpg"_qs << QSize(615, 358);
        QTest::newRow("dense map") << u"map@2x"_qs << u"map@2x.jpg"_qs << QSize(1230, 716);
        QTest::newRow("arrow, transparent around")
            << u"arrow"_qs << u"arrow.gif"_qs << QSize(27, 27);
        QTest::newRow("dense arrow") << u"arrow@2x"_qs << u"arrow@2x.gif"_qs << QSize(54, 54);
        QTest::newRow("icon") << u"globe"_qs << u"globe.png"_qs << QSize(32, 32);
        QTest::newRow("large icon") << u"globe-64"_qs << u"globe-64.png"_qs << QSize(64, 64);
    }

    void packsHoldTheCommittedPictures()
    {
        QFETCH(QString, pack);
        QFETCH(QString, picture);
        QFETCH(QSize, size);
        const QImage shown = packedImage(u":/images/%1.argb"_qs.arg(pack));
        const QImage committed(QStringLiteral(ORBISCO_IMAGES "/") + picture);
        QCOMPARE(shown.size(), size);
        QCOMPARE(committed.size(), size);
        // Opaque pictures stay opaque: drawing them needs no blending.
        QCOMPARE(shown.hasAlphaChannel(), committed.hasAlphaChannel());
        // The pixels, without the colour space a PNG names (painting ignores it) or the density
        // that a file name with "@2x" gives.
        const QImage expected = committed.convertToFormat(shown.format());
        QCOMPARE(shown,
                 QImage(expected.constBits(), expected.width(), expected.height(),
                        expected.bytesPerLine(), expected.format()));
    }

    void damagedPacksGiveNoPicture_data()
    {
        QTest::addColumn<QByteArray>("pack");
        QImage image(5, 3, QImage::Format_RGB32);
        image.fill(Qt::red);
        const QByteArray whole = packImage(image);
        QVERIFY(!unpackImage(whole).isNull());
        const auto with = [&](qsizetype at, quint32 value) {
            QByteArray changed = whole;
            qToLittleEndian(value, changed.data() + at);
            return changed;
        };
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("header only") << whole.first(16);
        QTest::newRow("a row short") << whole.chopped(5 * 4);
        QTest::newRow("a byte too many") << whole + '\0';
        QTest::newRow("another file") << QByteArray("\x89PNG\r\n\x1a\n").append(whole.sliced(8));
        QTest::newRow("wider than its pixels") << with(4, 6);
        QTest::newRow("zero wide") << with(4, 0);
        QTest::newRow("sizes that overflow")
            << with(4, 0x40000000).replace(8, 4, QByteArray("\0\0\0\x40", 4));
        QTest::newRow("a format of 24 bits") << with(12, QImage::Format_RGB888);
        QTest::newRow("not premultiplied") << with(12, QImage::Format_ARGB32);
    }

    void damagedPacksGiveNoPicture()
    {
        QFETCH(QByteArray, pack);
        QVERIFY(unpackImage(pack).isNull());
    }
};

QTEST_MAIN(PackedImageTest)
#include "packed_image_test.moc"
