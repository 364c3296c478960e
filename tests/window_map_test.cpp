// The map for keyboard, pointer and screen reader, on the real widgets: the keyboard's listing is a
// press in the column's middle, the hovered column is the pressed one, the tool tip's count is the
// press's, and hovering changes nothing.
#include "app/form1.h"
#include "window/main_window.h"
#include "window/map_widget.h"
#include "window_fixture.h"

#include <QAccessible>
#include <QApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QScreen>
#include <QStyleFactory>
#include <QTest>
#include <QToolTip>

#include <algorithm>
#include <cmath>
#include <memory>

using namespace orbisco;
using namespace Qt::StringLiterals;

namespace {

constexpr int kColumnTwips = 387; // the map's width over 24, as the window is designed

// Everything a press can change, as the person sees it.
struct Shown
{
    QStringList entries;
    QString counter;
    QStringList readOuts;
    QRect arrow;
    bool arrowShown;
    QRect bar;
    bool barShown;

    bool operator==(const Shown &) const = default;
};

} // namespace

class MapTest : public WindowFixture
{
    Q_OBJECT

private:
    // Opens the window at m_now, and waits for its clock to start, after the first paint.
    void open(const QString &commandLine = {})
    {
        WindowFixture::open(commandLine, [this] { return m_now; });
        QTRY_VERIFY(m_window->localTime().isStarted());
    }
    QDateTime m_now{QDate(2026, 1, 14), QTime(13, 32), Qt::UTC};
    QWidget *map() { return widget<QWidget>("Picture1"); }

    Shown shown()
    {
        Shown s;
        auto *list = widget<QListWidget>("List1");
        for (int i = 0; i < list->count(); ++i)
            s.entries << list->item(i)->text();
        s.counter = widget<QLabel>("CounterLabel")->text();
        for (const char *box : {"Text2", "Text3", "Text4", "Text5", "Text6"})
            s.readOuts << widget<QLineEdit>(box)->text();
        s.arrow = widget<QWidget>("Picture2")->geometry();
        s.arrowShown = widget<QWidget>("Picture2")->isVisible();
        s.bar = widget<QWidget>("Line1")->geometry();
        s.barShown = widget<QWidget>("Line1")->isVisible();
        return s;
    }

    // A point of the map widget, x counted in pixels of the picture (inside the 2-pixel frame).
    static QPoint atPicture(int x) { return QPoint(2 + x, 2 + 150); }
    static constexpr QPoint kInside{2, 2};

    // The picture pixel of a place, by the way the picture is drawn: a Miller map of 84° N to
    // 66° S on 329 rows below 14 rows of numbers, 360° of longitude from -172.5° on 615 columns.
    static QPoint onPicture(double latitude, double longitude)
    {
        const auto miller = [](double degrees) {
            return 1.25 * std::log(std::tan(M_PI / 4 + 0.4 * degrees * M_PI / 180));
        };
        const double x = std::fmod(longitude + 172.5 + 360, 360) / 360 * 615;
        const double y = 14 + (miller(84) - miller(latitude)) / (miller(84) - miller(-66)) * 329;
        return QPoint(int(x), int(y));
    }

    static double luminance(QRgb colour)
    {
        return 0.2126 * qRed(colour) + 0.7152 * qGreen(colour) + 0.0722 * qBlue(colour);
    }

    QString toolTipAt(QPoint point)
    {
        QHelpEvent help(QEvent::ToolTip, point, map()->mapToGlobal(point));
        QApplication::sendEvent(map(), &help);
        return QToolTip::text();
    }

    QString description()
    {
        return QAccessible::queryAccessibleInterface(map())->text(QAccessible::Description);
    }

    // The zone named at the start of a description or of a tool tip's column line (its last):
    // "UTC+5", "UTC-11", "UTC±0".
    static int zoneNamed(const QString &text)
    {
        const QRegularExpressionMatch m
            = QRegularExpression(u"^UTC(?:±0|([+-]\\d+))"_s).match(text.section(u'\n', -1));
        return m.captured(1).toInt();
    }

    static int countNamed(const QString &text)
    {
        return QRegularExpression(u"(\\d+) L(?:and|änder)$"_s).match(text).captured(1).toInt();
    }

private slots:
    void cleanup()
    {
        QToolTip::hideText();
        close();
    }

    void keyboardListsWhatAPressInTheMiddleLists()
    {
        open();
        map()->setFocus();
        QVERIFY(map()->hasFocus());
        QTest::keyClick(map(), Qt::Key_Home);
        for (int zone = -11; zone <= 12; ++zone) {
            const QByteArray where = QByteArray::number(zone);
            m_form->Text1.setText(u"swe"_s); // a state that no column leaves behind
            // Space, Return, and Enter on the keypad.
            const Qt::Key key = zone % 3 == 0 ? Qt::Key_Space
                : zone % 3 == 1               ? Qt::Key_Return
                                              : Qt::Key_Enter;
            QTest::keyClick(map(), key, key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
            const Shown byKey = shown();

            m_form->Text1.setText(u"swe"_s);
            const int middle = int(std::floor((zone + 11 + 0.5) * kColumnTwips / 15));
            QTest::mouseClick(map(), Qt::LeftButton, {}, atPicture(middle));
            QVERIFY2(shown() == byKey, where);
            QCOMPARE(m_form->Text1.Text(), u"swe"_s);
            QVERIFY(map()->hasFocus());
            QTest::keyClick(map(), Qt::Key_Right);
        }
    }

    void focusColumnMovesWithTheKeysAndIsDescribed()
    {
        open(); // Afghanistan shown: the arrow marks +4
        QCOMPARE(description().left(7), u"UTC±0, "_s);
        map()->setFocus();
        QCOMPARE(zoneNamed(description()), 4);
        const std::pair<Qt::Key, int> moves[]
            = {{Qt::Key_Left, 3},    {Qt::Key_Right, 4}, {Qt::Key_Home, -11}, {Qt::Key_Left, -11},
               {Qt::Key_Right, -10}, {Qt::Key_End, 12},  {Qt::Key_Right, 12}};
        for (const auto &[key, zone] : moves) {
            QTest::keyClick(map(), key);
            QCOMPARE(zoneNamed(description()), zone);
        }
        QCOMPARE(description(), u"UTC+12, 6 Länder"_s);
        QTest::keyClick(map(), Qt::Key_Tab);
        QVERIFY(!map()->hasFocus()); // Tab leaves the map
        QCOMPARE(QApplication::focusWidget()->objectName(), u"Text4"_s);

        // With the arrow hidden (Bouvet Island has no offset), the focus column starts at UTC 0.
        m_form->Text1.setText(u"bouvet"_s);
        QVERIFY(!widget<QWidget>("Picture2")->isVisible());
        map()->setFocus();
        QCOMPARE(zoneNamed(description()), 0);
        QVERIFY(description().startsWith(u"UTC±0, "_s));
    }

    void focusChangesOnlyTheFocusColumnAndTheFrame()
    {
        open(); // Afghanistan shown: the focus column will be +4
        QStyle *fusion = QStyleFactory::create(u"Fusion"_s); // whose focus frame fills
        fusion->setParent(map());
        map()->setStyle(fusion);
        const QImage before = map()->grab().toImage();
        // By keyboard, as a person gets there: Fusion draws its focus frame only then.
        for (int tab = 0; tab < 4; ++tab)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY(map()->hasFocus());
        const QImage focused = map()->grab().toImage();
        // A column far from the focus column, inside the frame, is as it was.
        const int left = int(std::ceil(3 * kColumnTwips / 15.0)) + 2;
        const QRect far(left + 2, 10, 20, map()->height() - 20);
        QCOMPARE(focused.copy(far), before.copy(far));
        // The focus column and the frame changed.
        const int focusColumn = int((4 + 11 + 0.5) * kColumnTwips / 15);
        QVERIFY(focused.pixel(focusColumn, 150) != before.pixel(focusColumn, 150));
        QVERIFY(focused.pixel(3, 150) != before.pixel(3, 150));
    }

    void movingThePointerLeavesNoTrailOnScreen()
    {
        // What the screen shows, not a fresh rendering: grab() would paint the whole widget anew
        // and hide a highlight that was never taken away.
        open();
        const auto onScreen = [this] {
            QApplication::processEvents();
            const QPoint at = map()->mapTo(m_window.get(), QPoint(0, 0));
            return m_window->screen()
                ->grabWindow(m_window->winId(), at.x(), at.y(), map()->width(), map()->height())
                .toImage();
        };
        const QImage before = onScreen();
        const QRect first(atPicture(100) - QPoint(10, 100), QSize(20, 200));
        QTest::mouseMove(map(), atPicture(100));
        QVERIFY(onScreen().copy(first) != before.copy(first)); // highlighted
        QTest::mouseMove(map(), atPicture(200));
        QCOMPARE(onScreen().copy(first), before.copy(first));
    }

    void hoverNamesThePressedColumnAndChangesNothing()
    {
        open(u"ger"_s);
        for (int boundary = 1; boundary < 24; ++boundary) {
            // The last pixel left of the boundary, and the first right of it; a pixel exactly on
            // it belongs to the left.
            const int left = boundary * kColumnTwips / 15;
            for (const int x : {left - 1, left, left + 1, left + 2}) {
                const QByteArray where = "pixel " + QByteArray::number(x);
                m_form->Text1.setText(u"ger"_s);
                const Shown before = shown();
                QTest::mouseMove(map(), atPicture(x));
                const QString tip = toolTipAt(atPicture(x));
                QVERIFY2(shown() == before, where);
                QVERIFY2(tip.contains(u" · "_s), where);

                QTest::mouseClick(map(), Qt::LeftButton, {}, atPicture(x));
                QVERIFY2(m_form->markedZone() || shown().entries.isEmpty(), where);
                const int pressed = int(std::ceil(x * 15.0 / kColumnTwips)) - 1 - 11;
                QVERIFY2(zoneNamed(tip) == std::max(pressed, -11), where + " " + tip.toUtf8());
                QVERIFY2(countNamed(tip) == shown().entries.size(), where + " " + tip.toUtf8());
            }
        }
    }

    void toolTipTellsEachColumnsTimeAndCount()
    {
        open();
        for (int zone = -11; zone <= 12; ++zone) {
            const int middle = int(std::floor((zone + 11 + 0.5) * kColumnTwips / 15));
            const QString tip = toolTipAt(atPicture(middle));
            // 13:32 UTC on the test's clock, plus the zone's hours.
            const QString time = QTime(13, 32).addSecs(zone * 3600).toString(u"HH:mm"_s);
            QCOMPARE(tip.section(u" · "_s, 1, 1), time);
            QTest::mouseClick(map(), Qt::RightButton, {}, atPicture(middle));
            QCOMPARE(countNamed(tip), widget<QListWidget>("List1")->count());
            QCOMPARE(zoneNamed(tip), zone);
        }
        QCOMPARE(toolTipAt(atPicture(427)), u"UTC+5 · 18:32 · 8 Länder"_s);
    }

    void leavingTheMapTakesTheHighlightAway()
    {
        open();
        const QImage before = map()->grab().toImage();
        QTest::mouseMove(map(), atPicture(300));
        const QImage hovered = map()->grab().toImage();
        QVERIFY(hovered != before); // the column under the pointer is highlighted
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(map(), &leave);
        QCOMPARE(map()->grab().toImage(), before);
    }

    void nightIsDarkAndDayIsThePicture()
    {
        // The March equinox of 2026 at noon UTC: the sun overhead near (0°, 1.8° E); Germany shown,
        // its bar in the column of UTC+1.
        m_now = QDateTime(QDate(2026, 3, 20), QTime(12, 0), Qt::UTC);
        open(u"germany"_s);
        const QImage picture(QStringLiteral(ORBISCO_IMAGES "/map.jpg"));
        const QImage drawn = map()->grab().toImage();
        // Picture pixels: the sun's place, the opposite place (180° away, wrapped to the right
        // edge), and both in the number band at the top.
        const QPoint noon = onPicture(0, 1.8);
        const QPoint midnight = onPicture(0, -178.2);
        QCOMPARE(drawn.pixel(noon + kInside), picture.pixel(noon));
        QVERIFY2(luminance(drawn.pixel(midnight + kInside))
                     <= luminance(picture.pixel(midnight)) / 2,
                 qPrintable(u"%1 %2"_s.arg(luminance(drawn.pixel(midnight + kInside)))
                                .arg(luminance(picture.pixel(midnight)))));
        for (const QPoint &band : {QPoint(noon.x(), 5), QPoint(midnight.x(), 5)})
            QCOMPARE(drawn.pixel(band + kInside), picture.pixel(band));

        // Twelve hours on, at the next tick, night and day have changed places.
        m_now = m_now.addSecs(12 * 3600);
        m_window->minuteClock().tick();
        const QImage later = map()->grab().toImage();
        QCOMPARE(later.pixel(midnight + kInside), picture.pixel(midnight));
        QVERIFY(luminance(later.pixel(noon + kInside)) <= luminance(picture.pixel(noon)) / 2);
    }

    void dotsStandAtTheShownCountrysZones()
    {
        m_now = QDateTime(QDate(2026, 3, 20), QTime(12, 0), Qt::UTC); // Europe in daylight
        open(u"germany"_s);
        const QImage picture(QStringLiteral(ORBISCO_IMAGES "/map.jpg"));
        // Berlin and Büsingen, from zone.tab: on the picture's German land (Europe is green), and
        // drawn white with a dark rim.
        const QPoint berlin = onPicture(52.5, 13.0 + 22 / 60.0);
        const QPoint busingen = onPicture(47.0 + 42 / 60.0, 8.0 + 41 / 60.0);
        for (const QPoint &place : {berlin, busingen}) {
            const QColor land = picture.pixelColor(place);
            QVERIFY2(land.green() > 2 * land.red() && land.green() > 2 * land.blue(),
                     qPrintable(land.name()));
            QCOMPARE(map()->grab().toImage().pixelColor(place + kInside), QColor(Qt::white));
        }
        // A dot's tool tip: the zone's line from the read-out, then the column's.
        const QString tip = toolTipAt(berlin + kInside + QPoint(3, 1));
        QVERIFY2(tip.startsWith(u"Europe/Berlin: Fr. 13:00, Tag, Sonnenaufgang "_s),
                 qPrintable(tip));
        QVERIFY2(tip.section(u'\n', 1).startsWith(u"UTC+1 · 13:00 · "_s), qPrintable(tip));
        QVERIFY(m_window->localTime().details().contains(tip.section(u'\n', 0, 0)));
        QVERIFY(!toolTipAt(berlin + kInside + QPoint(5, 0)).contains(u"Berlin"_s));

        // No dots while the details panel shows "?"; Japan has one.
        m_form->Text1.setText(u"fx"_s);
        QCOMPARE(widget<QLineEdit>("Text2")->text(), u"?"_s);
        QCOMPARE(map()->grab().toImage().pixel(berlin + kInside), picture.pixel(berlin));
        m_form->Text1.setText(u"japan"_s);
        const QPoint tokyo = onPicture(35.0 + 39 / 60.0, 139.0 + 44 / 60.0);
        QCOMPARE(map()->grab().toImage().pixelColor(tokyo + kInside), QColor(Qt::white));

        // Antarctica's stations south of 66° S have no dot; Palmer, at 64.8° S, has one.
        m_form->Text1.setText(u"antarctica"_s);
        const auto &dots = static_cast<ui::MapWidget *>(map())->dots();
        const auto offTheMap
            = std::ranges::count_if(dots, [](const std::optional<QPointF> &dot) { return !dot; });
        QVERIFY(offTheMap > 0);
        QVERIFY(offTheMap < qsizetype(dots.size()));
        const QRect band = static_cast<ui::MapWidget *>(map())->bandRect();
        for (const std::optional<QPointF> &dot : dots)
            QVERIFY(!dot || band.contains(dot->toPoint()));
    }
};

QTEST_MAIN(MapTest)
#include "window_map_test.moc"
