// On a screen of twice the density the map and the arrow come from their 2x images, so they are
// drawn sharp, and everything stands where it stands at 1x.
#include "app/form1.h"
#include "flag_pixels.h"
#include "window/main_window.h"

#include <QLabel>
#include <QTest>

using namespace orbisco;

class HiDpiTest : public QObject
{
    Q_OBJECT

private slots:
    void imagesAreTwiceAsDenseAndStandInPlace()
    {
        Form1 form;
        form.raiseLoad();
        ui::MainWindow window(form);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.devicePixelRatio(), 2.0);

        auto *map = window.findChild<QLabel *>(QStringLiteral("Picture1"));
        QCOMPARE(map->pixmap().devicePixelRatio(), 2.0);
        QCOMPARE(map->pixmap().size(), QSize(1230, 716));
        QCOMPARE(map->geometry(), QRect(8, 200, 619, 362));

        auto *arrow = window.findChild<QLabel *>(QStringLiteral("Picture2"));
        QCOMPARE(arrow->pixmap().devicePixelRatio(), 2.0);
        QCOMPARE(arrow->pixmap().size(), QSize(54, 54));

        // A press at the same logical pixel lists the same column, and the marker follows it.
        const QPoint zoneFive(2 + 427, 2 + 150);
        QTest::mouseClick(map, Qt::LeftButton, {}, zoneFive);
        QCOMPARE(form.CounterLabel.Caption(), QStringLiteral("(8)"));
        QCOMPARE(arrow->geometry(), QRect(421, 173, 27, 27));
        QCOMPARE(window.findChild<QWidget *>(QStringLiteral("Line1"))->x(), 2 + 424);

        // The flag beside the code, from its 2x picture: crisp stripes.
        form.Text1.setText(QStringLiteral("germany"));
        auto *code = window.findChild<ui::TextBoxWidget *>(QStringLiteral("Text5"));
        QTRY_VERIFY(!code->flag().isNull());
        QCOMPARE(code->flag().devicePixelRatio(), 2.0);
        QVERIFY(showsGermanFlag(code));
    }
};

QTEST_MAIN(HiDpiTest)
#include "window_hidpi_test.moc"
