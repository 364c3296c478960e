// Ten thousand random actions on the real widgets, from a fixed seed: typing, pasting up to 1 MB,
// deleting, arrow keys and clicks in the list, presses on the map and on the bar, focus changes,
// ticks of the window's minute clock, some of them to years far from today, and countries shown
// with and without outlines, by code or by German name with Enter, with the map's tool tip; the
// shown time moved by key and wheel, and back.
// After each one the window must agree with itself and with the built-in records, and memory must
// not creep.
#include "app/form1.h"
#include "data/builtin_data.h"
#include "window/main_window.h"
#include "window/map_widget.h"

#include <QClipboard>
#include <QHash>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QTest>
#include <QWheelEvent>

#include <malloc.h>
#include <random>
#include <unistd.h>

using namespace orbisco;

namespace {

#ifdef ORBISCO_SANITIZED
// Sanitizers make each action many times slower and keep freed memory in quarantine: fewer
// actions, and no reading of resident memory.
constexpr int kActions = 1'500;
constexpr bool kCheckMemory = false;
#else
constexpr int kActions = 10'000;
constexpr bool kCheckMemory = true;
#endif

// Resident memory once the search box is emptied, as a person empties it, and the allocator has
// handed back the pages it only keeps at hand: what the program itself holds on to.
long residentBytes(QLineEdit *search)
{
    search->selectAll();
    QTest::keyClick(search, Qt::Key_Delete);
    QApplication::processEvents();
    malloc_trim(0);
    long pages = 0, resident = 0;
    if (FILE *statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(statm);
    }
    return resident * sysconf(_SC_PAGESIZE);
}

// The hour a UTC offset text begins with.
const QRegularExpression kHour(QStringLiteral("^([+-]\\d\\d)"));

// The first record of each code, straight from the built-in list.
QHash<QString, QStringList> recordsByCode()
{
    QHash<QString, QStringList> records;
    for (const QStringView record : kCountryRecords) {
        const QStringList fields = record.toString().split(u';');
        if (!records.contains(fields[0]))
            records.insert(fields[0], fields);
    }
    return records;
}

// Types text as keys do; QTest's own key names cover ASCII only.
void typeText(QWidget *widget, const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() < 0x80) {
            QTest::keyClick(widget, char(c.unicode()));
        } else {
            QTest::sendKeyEvent(QTest::Press, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
            QTest::sendKeyEvent(QTest::Release, widget, Qt::Key_unknown, QString(c),
                                Qt::NoModifier);
        }
    }
}

} // namespace

class SoakTest : public QObject
{
    Q_OBJECT

private slots:
    void randomActionsKeepTheWindowConsistent()
    {
        Form1 form;
        form.raiseLoad();
        QDateTime now(QDate(2026, 12, 9), QTime(15, 37), Qt::UTC);
        ui::MainWindow window(form, [&now] { return now; });
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        // The local time keeps each country's zones once looked up, and Qt each zone's data:
        // memory bounded by the number of countries. Look every one up before measuring.
        QTRY_VERIFY(window.localTime().isStarted());
        for (qint16 i = 0; i < form.List1.ListCount(); ++i)
            form.List1.setListIndex(i);
        form.List1.setListIndex(0);

        auto *search = window.findChild<QLineEdit *>(QStringLiteral("Text1"));
        auto *list = window.findChild<QListWidget *>(QStringLiteral("List1"));
        auto *map = window.findChild<ui::MapWidget *>(QStringLiteral("Picture1"));
        auto *counter = window.findChild<QLabel *>(QStringLiteral("CounterLabel"));
        auto *arrow = window.findChild<QWidget *>(QStringLiteral("Picture2"));
        auto *bar = window.findChild<QWidget *>(QStringLiteral("Line1"));
        auto *localTime = window.findChild<QLabel *>(QStringLiteral("Ortszeit"));
        const QList<QLineEdit *> readOuts
            = {window.findChild<QLineEdit *>(QStringLiteral("Text2")),
               window.findChild<QLineEdit *>(QStringLiteral("Text3")),
               window.findChild<QLineEdit *>(QStringLiteral("Text4")),
               window.findChild<QLineEdit *>(QStringLiteral("Text5")),
               window.findChild<QLineEdit *>(QStringLiteral("Text6"))};
        const QList<QWidget *> focusable = {search, list, map, readOuts[0], readOuts[3]};
        const QHash<QString, QStringList> records = recordsByCode();

        std::mt19937 random(20261208);
        auto pick
            = [&](int n) { return int(std::uniform_int_distribution<int>(0, n - 1)(random)); };
        const QString letters = QStringLiteral("abcdefghijklmnopqrstuvwxyz ABCDEGINRSTU(-.,'äßı€");
        auto randomText = [&](int length) {
            QString text(length, Qt::Uninitialized);
            for (QChar &c : text)
                c = letters[pick(int(letters.size()))];
            return text;
        };

        bool markerShown = arrow->isVisible();
        long rssAfterFirstThousand = 0;
        for (int action = 1; action <= kActions; ++action) {
            const int kind = pick(100);
            QString did;
            if (kind < 30) {
                did = QStringLiteral("type");
                typeText(search, randomText(1)); // one key an action, so each result is checked
            } else if (kind < 34) {
                // Pastes are mostly short; one in a hundred or so is up to a megabyte.
                const int length = pick(25) == 0 ? 1 + pick(1024 * 1024) : 1 + pick(40);
                did = QStringLiteral("paste %1").arg(length);
                if (pick(2))
                    search->selectAll(); // the paste replaces the whole text
                QGuiApplication::clipboard()->setText(randomText(length));
                QTest::keyClick(search, Qt::Key_V, Qt::ControlModifier);
            } else if (kind < 44) {
                did = QStringLiteral("delete");
                if (pick(3) == 0)
                    search->selectAll();
                QTest::keyClick(search, pick(2) ? Qt::Key_Backspace : Qt::Key_Delete);
            } else if (kind < 60) {
                did = QStringLiteral("arrow key");
                const Qt::Key keys[]
                    = {Qt::Key_Down, Qt::Key_Up, Qt::Key_PageDown, Qt::Key_Home, Qt::Key_End};
                QTest::keyClick(list, keys[pick(5)]);
            } else if (kind < 72) {
                did = QStringLiteral("list click");
                if (list->count() > 0) {
                    QListWidgetItem *item = list->item(pick(list->count()));
                    list->scrollToItem(item);
                    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                                      list->visualItemRect(item).center());
                }
            } else if (kind < 86) {
                did = QStringLiteral("map press");
                const Qt::MouseButton buttons[]
                    = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
                QTest::mouseClick(map, buttons[pick(3)], {},
                                  QPoint(pick(map->width()), pick(map->height())));
            } else if (kind < 89) {
                did = QStringLiteral("bar press");
                if (bar->isVisible())
                    QTest::mouseClick(bar, Qt::LeftButton, {},
                                      QPoint(pick(2), pick(bar->height())));
            } else if (kind < 93) {
                // Mostly the next minutes; now and then a year far from today, and back.
                static const QDateTime far[]
                    = {QDateTime(QDate(1901, 1, 1), QTime(0, 0), Qt::UTC),
                       QDateTime(QDate(2100, 6, 21), QTime(12, 0), Qt::UTC),
                       QDateTime(QDate(9999, 12, 31), QTime(23, 59), Qt::UTC),
                       QDateTime(QDate(2026, 12, 9), QTime(15, 37), Qt::UTC)};
                now = pick(10) ? now.addSecs(60 * (1 + pick(600))) : far[pick(4)];
                did = QStringLiteral("minute tick to %1").arg(now.toString(Qt::ISODate));
                window.minuteClock().tick();
                // And the shown time moved by key or wheel, or brought back to now.
                const int move = pick(6);
                if (move < 4) {
                    const Qt::Key keys[] = {Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_J};
                    QTest::keyClick(map, keys[pick(3)],
                                    pick(2) ? Qt::ShiftModifier : Qt::NoModifier);
                } else if (move < 5) {
                    const QPointF at(pick(map->width()), pick(map->height()));
                    QWheelEvent wheel(at, map->mapToGlobal(at), QPoint(),
                                      QPoint(0, (pick(2) ? 1 : -1) * 40 * (1 + pick(9))),
                                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
                    QApplication::sendEvent(map, &wheel);
                }
                did += QStringLiteral(", shown %1 h").arg(window.minuteClock().shift());
                QTest::mouseMove(map, QPoint(pick(map->width()), pick(map->height())));
                QApplication::processEvents();
            } else if (kind < 96) {
                // A country with an outline or without one, at either edge of the map, too small
                // to see or made of several; then the pointer rests somewhere on the map.
                static const QString codes[]
                    = {QStringLiteral("de"), QStringLiteral("ru"), QStringLiteral("mt"),
                       QStringLiteral("fj"), QStringLiteral("an"), QStringLiteral("zr"),
                       QStringLiteral("fx"), QStringLiteral("nt"), QStringLiteral("aq"),
                       QStringLiteral("bv"), QStringLiteral("hk"), QStringLiteral("us")};
                // Or one by its German name, taken by Enter where only a suggestion finds it.
                static const QString germanNames[]
                    = {QStringLiteral("Deutschland"), QStringLiteral("österreich"),
                       QStringLiteral("Kongo"),       QStringLiteral("Schweiz"),
                       QStringLiteral("Niederlande"), QStringLiteral("Tschechien")};
                const bool german = pick(2);
                const QString code = german ? germanNames[pick(int(std::size(germanNames)))]
                                            : codes[pick(int(std::size(codes)))];
                did = QStringLiteral("country %1 and a tool tip").arg(code);
                search->selectAll();
                QGuiApplication::clipboard()->setText(code); // one edit: pasted
                QTest::keyClick(search, Qt::Key_V, Qt::ControlModifier);
                if (german)
                    QTest::keyClick(search, Qt::Key_Return);
                const QPoint at(pick(map->width()), pick(map->height()));
                QHelpEvent help(QEvent::ToolTip, at, map->mapToGlobal(at));
                QApplication::sendEvent(map, &help);
                // And the tool tip of the languages or of the code, the facts of today.
                QLineEdit *box = readOuts[pick(2) ? 2 : 3];
                QHelpEvent boxHelp(QEvent::ToolTip, box->rect().center(),
                                   box->mapToGlobal(box->rect().center()));
                QApplication::sendEvent(box, &boxHelp);
                QApplication::processEvents();
            } else {
                did = QStringLiteral("focus");
                if (pick(2))
                    focusable[pick(int(focusable.size()))]->setFocus(Qt::OtherFocusReason);
                else
                    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget()
                                                                : search,
                                    Qt::Key_Tab);
            }

            const QString context
                = QStringLiteral("action %1 (%2) query '%3' selected '%4' model %5")
                      .arg(action)
                      .arg(did, form.Text1.Text().left(40),
                           list->currentItem() ? list->currentItem()->text() : QString())
                      .arg(form.Picture2.Visible());
            const QByteArray where = context.toUtf8();
            QCOMPARE(list->count(), int(form.List1.ListCount()));
            QVERIFY2(counter->text() == QStringLiteral("(%1)").arg(list->count()), where);
            QVERIFY2(list->currentRow() == form.List1.ListIndex(), where);
            QVERIFY2(search->text() == form.Text1.Text(), where);

            if (list->currentRow() >= 0) {
                const QString code = list->currentItem()->text().right(2);
                const auto record = records.constFind(code);
                if (record == records.cend()) {
                    for (QLineEdit *box : readOuts)
                        QVERIFY2(box->text() == QStringLiteral("?"), where);
                } else {
                    const QStringList &fields = *record;
                    // Read-outs top to bottom: offset, currency, languages, alpha-3, capital.
                    for (int i = 0; i < 5; ++i)
                        QVERIFY2(readOuts[i]->text() == fields[i + 1], where);
                    // As a person reads the offset: its first signed hour ("+05:30" is 5,
                    // "-11:00 - -05:00" is -11), on the map from -11 to +12 (not Tonga's +13).
                    const QRegularExpressionMatch hour = kHour.match(fields[1]);
                    markerShown = hour.hasMatch() && hour.captured(1).toInt() >= -11
                        && hour.captured(1).toInt() <= 12;
                }
            }
            QVERIFY2(arrow->isVisible() == markerShown, where);
            QVERIFY2(bar->isVisible() == markerShown, where);
            // A dot for each zone with a place, each a number; one line for each in the details.
            QVERIFY2(map->dots().size() == window.localTime().spots().size(), where);
            for (const std::optional<QPointF> &dot : map->dots())
                QVERIFY2(!dot || (map->rect().contains(dot->toPoint())), where);
            for (const auto &spot : window.localTime().spots())
                QVERIFY2(spot.line.contains(QStringLiteral(": ")), where);
            // The local time says whether and by how much its time is shifted; a year at most.
            const int shift = window.minuteClock().shift();
            QVERIFY2(std::abs(shift) <= 366 * 24, where);
            QVERIFY2(localTime->text().isEmpty()
                         || localTime->text().startsWith(QStringLiteral("Ortszeit:"))
                             == (shift == 0),
                     where);
            // Suggestions only while the list is empty.
            QVERIFY2(list->count() == 0 || list->accessibleDescription().isEmpty(), where);
            // Nothing lit and no ring while the details panel shows "?", and nothing of today
            // beside the languages and the code.
            if (readOuts[0]->text() == QStringLiteral("?")) {
                QVERIFY2(map->countryArea().isEmpty() && !map->countryMarker(), where);
                QVERIFY2(readOuts[2]->toolTip().isEmpty() && readOuts[3]->toolTip().isEmpty(),
                         where);
            } else if (window.localTime().isStarted()) {
                // A record's code stands somewhere in ISO 3166, or is none of its codes.
                QVERIFY2(readOuts[3]->toolTip().contains(QStringLiteral("ISO 3166")), where);
            }

            if (action == 1000)
                rssAfterFirstThousand = residentBytes(search);
        }
        if (!kCheckMemory)
            return;
        const long growth = residentBytes(search) - rssAfterFirstThousand;
        qInfo("resident memory after 1000 actions %.2f MiB, after %d %.2f MiB",
              rssAfterFirstThousand / 1048576.0, kActions,
              (rssAfterFirstThousand + growth) / 1048576.0);
        QVERIFY2(growth <= 1024 * 1024, qPrintable(QStringLiteral("grew by %1 bytes").arg(growth)));
    }
};

QTEST_MAIN(SoakTest)
#include "window_soak_test.moc"
