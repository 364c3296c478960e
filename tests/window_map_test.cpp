// The map for keyboard, pointer and screen reader, on the real widgets: the keyboard's listing is a
// press in the column's middle, the hovered column is the pressed one, the tool tip's count is the
// press's, and hovering changes nothing.
#include "app/form1.h"
#include "window/main_window.h"
#include "window_fixture.h"

#include <QAccessible>
#include <QApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QTest>
#include <QToolTip>

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
    void open(const QString &commandLine = {})
    {
        const QDateTime now(QDate(2026, 1, 14), QTime(13, 32), Qt::UTC);
        WindowFixture::open(commandLine, [now] { return now; });
    }
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

    // The zone named at the start of a tool tip or description: "UTC+5", "UTC-11", "UTC±0".
    static int zoneNamed(const QString &text)
    {
        const QRegularExpressionMatch m
            = QRegularExpression(u"^UTC(?:±0|([+-]\\d+))"_s).match(text);
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
            QTest::keyClick(map(), zone % 2 ? Qt::Key_Space : Qt::Key_Return);
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
};

QTEST_MAIN(MapTest)
#include "window_map_test.moc"
