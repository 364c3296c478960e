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
#include <QWheelEvent>

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

    // The committed picture, at the density the screen shows it at.
    QImage picture()
    {
        QImage image(map()->devicePixelRatioF() > 1.0 ? QStringLiteral(ORBISCO_IMAGES "/map@2x.jpg")
                                                      : QStringLiteral(ORBISCO_IMAGES "/map.jpg"));
        image.setDevicePixelRatio(image.width() / 615.0);
        return image;
    }

    // The colour of an image at a logical pixel, and a logical rectangle of it, at any density.
    static QRgb pixel(const QImage &image, QPoint logical)
    {
        return image.pixel((QPointF(logical) * image.devicePixelRatio()).toPoint());
    }
    static QImage area(const QImage &image, QRect logical)
    {
        const qreal ratio = image.devicePixelRatio();
        return image.copy(
            QRectF(QPointF(logical.topLeft()) * ratio, QSizeF(logical.size()) * ratio).toRect());
    }

    // The map as the screen shows it now, not a fresh rendering: grab() paints the whole widget
    // anew, and would hide whatever a change left on screen that it should have repainted. (Qt's
    // offscreen platform grabs no more than a window's size in logical pixels: on a denser screen
    // only the fresh rendering is to be had.)
    QImage onScreen()
    {
        QApplication::processEvents();
        if (m_window->devicePixelRatio() != 1.0)
            return map()->grab().toImage();
        return area(m_window->screen()->grabWindow(m_window->winId()).toImage(), map()->geometry());
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
        QCOMPARE(area(focused, far), area(before, far));
        // The focus column and the frame changed.
        const int focusColumn = int((4 + 11 + 0.5) * kColumnTwips / 15);
        QVERIFY(pixel(focused, {focusColumn, 150}) != pixel(before, {focusColumn, 150}));
        QVERIFY(pixel(focused, {3, 150}) != pixel(before, {3, 150}));
    }

    void movingThePointerLeavesNoTrailOnScreen()
    {
        // What the screen shows, not a fresh rendering: grab() would paint the whole widget anew
        // and hide a highlight that was never taken away.
        open();
        const QImage before = onScreen();
        const QRect first(atPicture(100) - QPoint(10, 100), QSize(20, 200));
        QTest::mouseMove(map(), atPicture(100));
        QVERIFY(area(onScreen(), first) != area(before, first)); // highlighted
        QTest::mouseMove(map(), atPicture(200));
        QCOMPARE(area(onScreen(), first), area(before, first));
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
        // Over India: the country, then the column.
        QCOMPARE(toolTipAt(atPicture(427)), u"Indien (IN)\nUTC+5 · 18:32 · 8 Länder"_s);
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
        const QImage picture = this->picture();
        const QImage drawn = onScreen();
        // Picture pixels: the sun's place, the opposite place (180° away, wrapped to the right
        // edge), and both in the number band at the top.
        const QPoint noon = onPicture(0, 1.8);
        const QPoint midnight = onPicture(0, -178.2);
        QCOMPARE(pixel(drawn, noon + kInside), pixel(picture, noon));
        QVERIFY2(luminance(pixel(drawn, midnight + kInside))
                     <= luminance(pixel(picture, midnight)) / 2,
                 qPrintable(u"%1 %2"_s.arg(luminance(pixel(drawn, midnight + kInside)))
                                .arg(luminance(pixel(picture, midnight)))));
        for (const QPoint &band : {QPoint(noon.x(), 5), QPoint(midnight.x(), 5)})
            QCOMPARE(pixel(drawn, band + kInside), pixel(picture, band));

        // Twelve hours on, at the next tick, night and day have changed places.
        m_now = m_now.addSecs(12 * 3600);
        m_window->minuteClock().tick();
        const QImage later = onScreen();
        QCOMPARE(pixel(later, midnight + kInside), pixel(picture, midnight));
        QVERIFY(luminance(pixel(later, noon + kInside)) <= luminance(pixel(picture, noon)) / 2);
    }

    void dotsStandAtTheShownCountrysZones()
    {
        m_now = QDateTime(QDate(2026, 3, 20), QTime(12, 0), Qt::UTC); // Europe in daylight
        open(u"germany"_s);
        const QImage picture = this->picture();
        // Berlin and Büsingen, from zone.tab: on the picture's German land (Europe is green), and
        // drawn white with a dark rim.
        const QPoint berlin = onPicture(52.5, 13.0 + 22 / 60.0);
        const QPoint busingen = onPicture(47.0 + 42 / 60.0, 8.0 + 41 / 60.0);
        for (const QPoint &place : {berlin, busingen}) {
            const QColor land = QColor(pixel(picture, place));
            QVERIFY2(land.green() > 2 * land.red() && land.green() > 2 * land.blue(),
                     qPrintable(land.name()));
            QCOMPARE(QColor(pixel(onScreen(), place + kInside)), QColor(Qt::white));
        }
        // A dot's tool tip: the zone's line from the read-out, then the column's.
        const QString tip = toolTipAt(berlin + kInside + QPoint(3, 1));
        QVERIFY2(tip.startsWith(u"Europe/Berlin: Fr. 13:00, Tag, Sonnenaufgang "_s),
                 qPrintable(tip));
        QVERIFY2(tip.section(u'\n', -1).startsWith(u"UTC+1 · 13:00 · "_s), qPrintable(tip));
        QVERIFY(m_window->localTime().details().contains(tip.section(u'\n', 0, 0)));
        QVERIFY(!toolTipAt(berlin + kInside + QPoint(5, 0)).contains(u"Berlin"_s));

        // Another country's dots take the place of the last one's on screen: Japan has one, and
        // Berlin is the picture again. No dots while the details panel shows "?": Tokyo is as it
        // was before (at night).
        const QPoint tokyo = onPicture(35.0 + 39 / 60.0, 139.0 + 44 / 60.0);
        const QImage beforeJapan = onScreen();
        m_form->Text1.setText(u"japan"_s);
        QCOMPARE(QColor(pixel(onScreen(), tokyo + kInside)), QColor(Qt::white));
        QCOMPARE(pixel(onScreen(), berlin + kInside), pixel(picture, berlin));
        m_form->Text1.setText(u"fx"_s);
        QCOMPARE(widget<QLineEdit>("Text2")->text(), u"?"_s);
        QCOMPARE(pixel(onScreen(), tokyo + kInside), pixel(beforeJapan, tokyo + kInside));

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

    void wheel(int angleDelta, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        const QPointF at = atPicture(300);
        QWheelEvent event(at, map()->mapToGlobal(at), QPoint(), QPoint(0, angleDelta), Qt::NoButton,
                          modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(map(), &event);
    }

    void theShownTimeMovesByKeyAndWheel()
    {
        m_now = QDateTime(QDate(2026, 1, 14), QTime(13, 32), Qt::UTC);
        open(u"germany"_s);
        auto *readout = widget<QLabel>("Ortszeit");
        const QString text = readout->text();
        const QString details = readout->toolTip();
        const QString column = toolTipAt(atPicture(427));
        map()->setFocus();

        // Three hours later, by Page Up: the read-out, its details, a column's time.
        for (int step = 0; step < 3; ++step)
            QTest::keyClick(map(), Qt::Key_PageUp);
        QCOMPARE(readout->text(), u"Ortszeit in 3 Std.: Mi. 17:32"_s);
        const QString later = readout->toolTip();
        QVERIFY2(later.startsWith(u"Angezeigt: Mi. 14.01.2026 16:32 UTC, in 3 Std. (J oder "
                                  "Klick: jetzt)\nUTC+01:00 Europe/Berlin: Mi. 17:32"_s),
                 qPrintable(later));
        QCOMPARE(QAccessible::queryAccessibleInterface(readout)->text(QAccessible::Description),
                 later);
        QCOMPARE(toolTipAt(atPicture(427)).section(u'\n', -1), u"UTC+5 · 21:32 · 8 Länder"_s);
        // The shade is the sun's three hours on: as a window opened then draws it.
        widget<QWidget>("Text1")->setFocus();
        const QImage shifted = onScreen();
        const QRect band(kInside + QPoint(0, 14), QSize(615, 329));

        // J brings back exactly what was shown before.
        map()->setFocus();
        QTest::keyClick(map(), Qt::Key_J);
        QCOMPARE(readout->text(), text);
        QCOMPARE(readout->toolTip(), details);
        QCOMPARE(toolTipAt(atPicture(427)), column);

        // The wheel steps as the keys do, a notch an hour; a touchpad's small steps add up.
        wheel(120);
        wheel(120);
        for (int small = 0; small < 4; ++small)
            wheel(30);
        QCOMPARE(readout->text(), u"Ortszeit in 3 Std.: Mi. 17:32"_s);
        QCOMPARE(readout->toolTip(), later);
        // A click on the read-out comes back to now.
        QTest::mouseClick(readout, Qt::LeftButton);
        QCOMPARE(readout->text(), text);
        // With Shift, a day; with the focus on the read-out too.
        wheel(-120, Qt::ShiftModifier);
        QCOMPARE(readout->text(), u"Ortszeit vor 1 Tag: Di. 14:32"_s);
        readout->setFocus();
        QTest::keyClick(readout, Qt::Key_PageDown, Qt::ShiftModifier);
        QCOMPARE(readout->text(), u"Ortszeit vor 2 Tagen: Mo. 14:32"_s);
        QTest::keyClick(readout, Qt::Key_PageUp);
        QCOMPARE(readout->text(), u"Ortszeit vor 1 Tag 23 Std.: Mo. 15:32"_s);
        QTest::keyClick(readout, Qt::Key_J);
        QCOMPARE(readout->text(), text);
        // A year at most: one step past it does nothing.
        for (int day = 0; day < 370; ++day)
            QTest::keyClick(readout, Qt::Key_PageUp, Qt::ShiftModifier);
        QCOMPARE(m_window->minuteClock().shift(), 366 * 24);
        QTest::keyClick(readout, Qt::Key_PageUp);
        QCOMPARE(m_window->minuteClock().shift(), 366 * 24);
        QTest::keyClick(readout, Qt::Key_J);
        QCOMPARE(readout->text(), text);

        // The same three hours on, opened then.
        m_now = m_now.addSecs(3 * 3600);
        open(u"germany"_s);
        widget<QWidget>("Text1")->setFocus();
        QCOMPARE(area(onScreen(), band), area(shifted, band));
    }

    // A pixel of the picture that one frame shows brighter than another.
    static bool brighter(const QImage &lit, const QImage &unlit, QPoint picturePixel)
    {
        return luminance(pixel(lit, picturePixel + kInside))
            > luminance(pixel(unlit, picturePixel + kInside)) + 20;
    }

    void theShownCountryIsLitWhereItLies()
    {
        m_now = QDateTime(QDate(2026, 3, 20), QTime(12, 0), Qt::UTC); // day in Europe
        open(u"fx"_s);                                                // no record: nothing lit
        auto *mapWidget = static_cast<ui::MapWidget *>(map());
        QVERIFY(mapWidget->countryArea().isEmpty());
        QVERIFY(!mapWidget->countryMarker());
        const QImage unlit = onScreen();
        // The bar moves from Afghanistan's column, which "fx" left it over, to Germany's.
        const auto bar = [this] {
            return widget<QWidget>("Line1")->geometry().translated(-kInside).adjusted(-1, 0, 1, 0);
        };
        const QRect barBefore = bar();

        // Germany: its land lighter, and nothing far from it.
        m_form->Text1.setText(u"germany"_s);
        QTRY_VERIFY(!mapWidget->countryArea().isEmpty());
        const QImage germany = onScreen();
        const QRect barAfter = bar();
        for (const auto &[latitude, longitude] : {std::pair{50.0, 10.0}, {51.5, 9.5}, {49.0, 10.5}})
            QVERIFY2(brighter(germany, unlit, onPicture(latitude, longitude)),
                     qPrintable(u"%1 %2"_s.arg(latitude).arg(longitude)));
        for (const auto &[latitude, longitude] : {std::pair{47.0, 2.5}, {52.0, 19.5}, {43.0, 12.5}})
            QVERIFY(!brighter(germany, unlit, onPicture(latitude, longitude)));
        const QRect nearGermany
            = QRect(onPicture(55.5, 5.0), onPicture(46.8, 15.8)).adjusted(-2, -2, 2, 2);
        int lit = 0;
        for (int y = 14; y < 14 + 329; ++y) {
            for (int x = 0; x < 615; ++x) {
                if (!brighter(germany, unlit, {x, y}) || barBefore.contains(x, y)
                    || barAfter.contains(x, y))
                    continue;
                ++lit;
                QVERIFY2(nearGermany.contains(x, y), qPrintable(u"%1,%2"_s.arg(x).arg(y)));
            }
        }
        QVERIFY(lit > 30);
        QVERIFY(!mapWidget->countryMarker()); // big enough to see without a ring

        // The outline is crisp at any density: drawn without anti-aliasing, so its white is pure
        // white and nothing whitish stands beside it (but in the dots); and one device pixel
        // wide, so that pure white seldom fills a square of 2 x 2 pixels (where it folds).
        const QImage device = germany.convertToFormat(QImage::Format_RGB32);
        const qreal ratio = device.devicePixelRatio();
        const QRect area = QRectF(QPointF(nearGermany.translated(kInside).topLeft()) * ratio,
                                  QSizeF(nearGermany.size()) * ratio)
                               .toRect();
        const auto isWhite
            = [&](int x, int y) { return device.pixel(x, y) == qRgb(255, 255, 255); };
        int white = 0;
        int squares = 0;
        for (int y = area.top(); y < area.bottom(); ++y) {
            for (int x = area.left(); x < area.right(); ++x) {
                const QPointF logical = QPointF(x, y) / ratio;
                const bool inADot = std::ranges::any_of(mapWidget->dots(), [&](const auto &dot) {
                    return dot && QLineF(*dot, logical).length() < 4;
                });
                const QRgb seen = device.pixel(x, y);
                if (inADot)
                    continue;
                QVERIFY2(isWhite(x, y) || std::min({qRed(seen), qGreen(seen), qBlue(seen)}) < 200,
                         qPrintable(u"%1,%2"_s.arg(x).arg(y)));
                if (!isWhite(x, y))
                    continue;
                ++white;
                squares += isWhite(x + 1, y) && isWhite(x, y + 1) && isWhite(x + 1, y + 1);
            }
        }
        QVERIFY(white > 30);
        QVERIFY2(squares * 10 < white, qPrintable(u"%1 of %2"_s.arg(squares).arg(white)));

        // Russia, on both sides of the map's edge, by night too; at the left edge only the tip
        // of Chukotka, a sliver its outline may cover.
        m_form->Text1.setText(u"russia"_s);
        const QImage russia = onScreen();
        for (const auto &[latitude, longitude] : {std::pair{60.0, 60.0}, {64.7, 177.5}})
            QVERIFY2(brighter(russia, unlit, onPicture(latitude, longitude)),
                     qPrintable(u"%1 %2"_s.arg(latitude).arg(longitude)));
        const QPoint chukotka = onPicture(65.9, -171.0) + kInside;
        QVERIFY(chukotka.x() < 6);
        QVERIFY(pixel(russia, chukotka) != pixel(unlit, chukotka));

        // Malta, too small to see, gets a ring around Valletta; "?" takes everything away again.
        m_form->Text1.setText(u"malta"_s);
        QVERIFY(mapWidget->countryMarker());
        const QPointF valletta = QPointF(onPicture(35.9, 14.5) + kInside) + QPointF(0.5, 0.5);
        QVERIFY(QLineF(*mapWidget->countryMarker(), valletta).length() < 1.5);
        const QImage malta = onScreen();
        int onTheRing = 0;
        for (int step = 0; step < 32; ++step) {
            const double angle = step * 2 * M_PI / 32;
            const QPoint at
                = (*mapWidget->countryMarker() + 8 * QPointF(std::cos(angle), std::sin(angle)))
                      .toPoint();
            onTheRing += pixel(malta, at) != pixel(unlit, at);
        }
        QVERIFY2(onTheRing > 24, qPrintable(QString::number(onTheRing)));
        m_form->Text1.setText(u"fx"_s);
        const QImage again = onScreen();
        for (int y = 0; y < 358; ++y) {
            for (int x = 0; x < 615; ++x) {
                QVERIFY2(pixel(again, QPoint(x, y) + kInside)
                                 == pixel(unlit, QPoint(x, y) + kInside)
                             || barBefore.contains(x, y) || bar().contains(x, y),
                         qPrintable(u"%1,%2"_s.arg(x).arg(y)));
            }
        }
    }

    void theLitCountryStaysUnderTheNight()
    {
        // The March equinox at noon UTC: inland Chukotka (67° N, 170° E) near midnight, deep in
        // the night; twelve hours later in the day. Lit or not, the night's
        // shade lies over the land: the lit land by night is no brighter than half of it by day.
        m_now = QDateTime(QDate(2026, 3, 20), QTime(12, 0), Qt::UTC);
        open(u"russia"_s);
        const QPoint chukotka = onPicture(67.0, 170.0) + kInside;
        const double night = luminance(pixel(onScreen(), chukotka));
        m_now = m_now.addSecs(12 * 3600);
        m_window->minuteClock().tick();
        const double day = luminance(pixel(onScreen(), chukotka));
        QVERIFY2(night <= 0.6 * day, qPrintable(u"night %1, day %2"_s.arg(night).arg(day)));
    }

    void theNumberBandsStayThePicture()
    {
        // The bands of column numbers above and below the map are no part of the Earth: no
        // country lights them, whatever reaches to the map's edge (Antarctica at the bottom,
        // Greenland and Russia at the top, Fiji across the side), and no ring lies on them.
        m_now = QDateTime(QDate(2026, 3, 20), QTime(12, 0), Qt::UTC);
        open(u"antarctica"_s);
        const QImage picture = this->picture();
        for (const QString &country :
             {u"antarctica"_s, u"greenland"_s, u"russia"_s, u"fiji"_s, u"malta"_s}) {
            m_form->Text1.setText(country);
            const QImage drawn = onScreen();
            // The window ends a few pixels above the map's bottom edge.
            const int lowest = m_window->height() - map()->y() - kInside.y() - 1;
            for (const QRect &band : {QRect(0, 0, 615, 14), QRect(0, 14 + 329, 615, 15)}) {
                for (int y = band.top(); y <= std::min(band.bottom(), lowest); ++y) {
                    for (int x = band.left(); x <= band.right(); ++x) {
                        QVERIFY2(
                            pixel(drawn, QPoint(x, y) + kInside) == pixel(picture, {x, y}),
                            qPrintable(u"%1 at %2,%3: %4 for %5"_s.arg(country).arg(x).arg(y).arg(
                                QColor(pixel(drawn, QPoint(x, y) + kInside)).name(),
                                QColor(pixel(picture, {x, y})).name())));
                    }
                }
            }
        }
    }

    void everyDotOfTheLastCountryGoesFromTheScreen()
    {
        // Dots far from their country's outline, on islands the outlines leave out or lie far
        // from: Easter Island (Chile), Kiritimati and Kanton (Kiribati), Chatham (New Zealand),
        // Pitcairn. After the next country what the screen shows round each is a fresh painting.
        open(u"japan"_s);
        if (m_window->devicePixelRatio() != 1.0)
            QSKIP("only a screen of one pixel a point can be read back as it stands");
        auto *mapWidget = static_cast<ui::MapWidget *>(map());
        for (const QString &country :
             {u"chile"_s, u"kiribati"_s, u"new zealand"_s, u"pitcairn"_s}) {
            m_form->Text1.setText(country);
            const std::vector<std::optional<QPointF>> dots = mapWidget->dots();
            QVERIFY2(dots.size() > 1 || country == u"pitcairn"_s, qPrintable(country));
            QVERIFY(dots.front());
            QCOMPARE(QColor(pixel(onScreen(), dots.front()->toPoint())), QColor(Qt::white));
            m_form->Text1.setText(u"japan"_s);
            const QImage drawn = onScreen().convertToFormat(QImage::Format_RGB32);
            const QImage fresh = map()->grab().toImage().convertToFormat(QImage::Format_RGB32);
            for (const std::optional<QPointF> &dot : dots) {
                if (!dot)
                    continue;
                const QRect around = QRect(dot->toPoint() - QPoint(4, 4), QSize(9, 9));
                QVERIFY2(area(drawn, around) == area(fresh, around),
                         qPrintable(u"%1 at %2,%3"_s.arg(country).arg(dot->x()).arg(dot->y())));
            }
        }
    }

    void theToolTipNamesTheCountryUnderThePointer()
    {
        m_now = QDateTime(QDate(2026, 3, 20), QTime(12, 0), Qt::UTC);
        open(u"south africa"_s);
        const auto nameAt = [this](double latitude, double longitude) {
            const QString tip = toolTipAt(onPicture(latitude, longitude) + kInside);
            const QStringList lines = tip.split(u'\n');
            return lines.size() > 1 ? lines[lines.size() - 2] : QString();
        };
        QCOMPARE(nameAt(51.0, 10.0), u"Deutschland (DE)"_s);
        QCOMPARE(nameAt(-29.5, 28.2), u"Lesotho (LS)"_s); // a hole of South Africa's
        QCOMPARE(nameAt(-31.0, 23.0), u"Südafrika (ZA)"_s);
        QCOMPARE(nameAt(-2.0, 23.0), u"Kongo-Kinshasa (CD)"_s);
        QCOMPARE(nameAt(30.0, -40.0), QString()); // the Atlantic: the column line only
        QVERIFY(toolTipAt(onPicture(30.0, -40.0) + kInside).startsWith(u"UTC-3 · "_s));
        // Over the bands of numbers, under Antarctica and over Greenland: no country.
        for (const int y : {2, 14 + 329 + 7}) {
            const QString tip = toolTipAt(QPoint(onPicture(0, -62.0).x(), y) + kInside);
            QVERIFY2(tip.startsWith(u"UTC-4 · "_s), qPrintable(tip));
        }
        // Inside the ring around a small shown country, the country itself.
        m_form->Text1.setText(u"malta"_s);
        const QPoint nearMalta = onPicture(35.9, 14.5) + kInside + QPoint(5, 3);
        QVERIFY(toolTipAt(nearMalta).contains(u"Malta (MT)"_s));
    }

    void aDotsToolTipNamesTheNearestZone()
    {
        // The United States: 29 zones, many of them dots within the pointer's reach of each other.
        open(u"united states"_s);
        const auto &dots = static_cast<ui::MapWidget *>(map())->dots();
        const auto &spots = m_window->localTime().spots();
        QCOMPARE(dots.size(), spots.size());
        QVERIFY(dots.size() > 20);
        for (size_t i = 0; i < dots.size(); ++i) {
            if (!dots[i])
                continue;
            const QPoint pointer = dots[i]->toPoint();
            const QString first = toolTipAt(pointer).section(u'\n', 0, 0);
            // Whichever zone it names, none of the other dots is nearer the pointer.
            const auto distance
                = [&](size_t j) { return dots[j] ? QLineF(*dots[j], pointer).length() : qInf(); };
            double nearest = qInf();
            for (size_t j = 0; j < dots.size(); ++j)
                nearest = std::min(nearest, distance(j));
            const auto named = std::ranges::find(spots, first, &localtime::Readout::Spot::line);
            QVERIFY2(named != spots.end(), qPrintable(first));
            QVERIFY2(distance(size_t(named - spots.begin())) == nearest,
                     qPrintable(QString::fromLatin1(spots[i].zoneId) + u" named "_s + first));
        }
    }
};

QTEST_MAIN(MapTest)
#include "window_map_test.moc"
