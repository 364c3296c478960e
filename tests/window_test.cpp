// The real widgets, driven as a person drives them: keys into the search box, clicks and arrow
// keys in the list, presses on the map and on the bar, Escape from every control.
#include "app/command_line.h"
#include "app/form1.h"
#include "flag_pixels.h"
#include "window/local_time_label.h"
#include "window/main_window.h"
#include "window/result_list_widget.h"
#include "window/text_box_widget.h"
#include "window_fixture.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDateTime>
#include <QFontInfo>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSet>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>

#include <algorithm>
#include <memory>
#include <vector>

using namespace orbisco;
using namespace Qt::StringLiterals;

class WindowTest : public WindowFixture
{
    Q_OBJECT

private:
    QLineEdit *edit(const char *name) { return widget<QLineEdit>(name); }
    QListWidget *list() { return widget<QListWidget>("List1"); }
    QWidget *map() { return widget<QWidget>("Picture1"); }
    QString counter() { return widget<QLabel>("CounterLabel")->text(); }

    QStringList shownEntries()
    {
        QStringList entries;
        for (int i = 0; i < list()->count(); ++i)
            entries << list()->item(i)->text();
        return entries;
    }

    // A press at a pixel of the map's picture, counted from its inner top-left corner.
    void pressMap(int x, int y = 150, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mousePress(map(), button, {}, QPoint(x, y) + QPoint(2, 2));
        QTest::mouseRelease(map(), button, {}, QPoint(x, y) + QPoint(2, 2));
    }

    static QString accessibleName(QWidget *w)
    {
        return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
    }

private slots:
    void cleanup() { close(); }

    void windowStandsAsDesigned()
    {
        open();
        QCOMPARE(m_window->windowTitle(), u"Orbisco 1.0"_s);
        QCOMPARE(m_window->size(), QSize(634, 559));
        QCOMPARE(edit("Text1")->geometry(), QRect(16, 8, 233, 25));
        QCOMPARE(list()->geometry(), QRect(16, 40, 233, 116));
        QCOMPARE(map()->geometry(), QRect(8, 200, 619, 362));
        QCOMPARE(edit("Text6")->geometry(), QRect(328, 136, 297, 25));
        // Arial as designed, asked for as the installed family of the same metrics; each widget's
        // first family is one that is installed, so fontconfig searches no fallbacks.
        QVERIFY(edit("Text1")->font().families().contains(u"Arial"_s));
        for (const QWidget *child : m_window->findChildren<QWidget *>()) {
            QCOMPARE(QFontInfo(child->font()).family(),
                     child->font().families().value(0, child->font().family()));
        }
        QVERIFY(edit("Text1")->font().bold());
        QVERIFY(edit("Text1")->hasFocus());
        QVERIFY(!m_window->windowIcon().isNull());
        QCOMPARE(list()->count(), 243);
        QCOMPARE(list()->currentRow(), 0);
        QCOMPARE(counter(), u"(243)"_s);
        QCOMPARE(edit("Text6")->text(), u"Kabul"_s);
        // The marker stands over +4 and shows; the map picture fills the frame's inside.
        QVERIFY(widget<QWidget>("Picture2")->isVisible());
        QCOMPARE(widget<QWidget>("Picture2")->geometry(), QRect(395, 173, 27, 27));
        QCOMPARE(widget<QWidget>("Line1")->geometry(), QRect(2 + 398, 2 + 14, 2, 329));
        QCOMPARE(widget<QLabel>("Picture1")->pixmap().size(), QSize(615, 358));
    }

    void typingFiltersTheListAndTheCounter()
    {
        open();
        QSignalSpy clicks(&m_form->List1, &ui::ListBox::Click);
        QTest::keyClicks(edit("Text1"), u"ger"_s);
        QCOMPARE(shownEntries(),
                 (QStringList{u"Algeria DZ"_s, u"Germany DE"_s, u"Niger NE"_s, u"Nigeria NG"_s}));
        QCOMPARE(counter(), u"(4)"_s);
        QCOMPARE(list()->currentRow(), 0);
        QCOMPARE(edit("Text6")->text(), u"Algiers"_s);
        // One selection per keystroke, made by the search; redrawing the list adds none.
        QCOMPARE(clicks.count(), 3);

        QTest::keyClick(edit("Text1"), Qt::Key_Backspace);
        QCOMPARE(counter(), u"(1)"_s); // "ge" is a code
        edit("Text1")->selectAll();
        QTest::keyClick(edit("Text1"), Qt::Key_Delete);
        QCOMPARE(counter(), u"(243)"_s);
    }

    void pastingFilters()
    {
        open();
        edit("Text1")->insert(u"united kingdom"_s); // as a paste does
        QCOMPARE(m_form->Text1.Text(), u"united kingdom"_s);
        QCOMPARE(counter(), u"(2)"_s);
    }

    void longPastesAndDeletesReachTheSearch()
    {
        // Long edits take their own road past Qt's undo history; the search must not notice.
        open();
        QLineEdit *search = edit("Text1");
        QGuiApplication::clipboard()->setText(QString(5000, u'y') + u" de"_s);
        QTest::keyClick(search, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(m_form->Text1.Text().size(), 5003);
        QCOMPARE(search->cursorPosition(), 5003);
        QCOMPARE(counter(), u"(0)"_s);
        QTest::keyClick(search, Qt::Key_Home);
        QTest::keyClick(search, Qt::Key_End, Qt::ShiftModifier);
        QTest::keyClick(search, Qt::Key_G);
        QCOMPARE(m_form->Text1.Text(), u"g"_s);
        QCOMPARE(counter(), u"(30)"_s); // the codes holding a G

        // The context menu's Paste takes the same road.
        QGuiApplication::clipboard()->setText(QString(2000, u'a') + u"ger"_s);
        search->selectAll();
        QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, QPoint(5, 5),
                                    search->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(search, &menuEvent);
        QTRY_VERIFY(QApplication::activePopupWidget());
        auto *paste = QApplication::activePopupWidget()->findChild<QAction *>(u"edit-paste"_s);
        QVERIFY(paste);
        paste->trigger();
        QCOMPARE(m_form->Text1.Text().size(), 2003);
        QApplication::activePopupWidget()->close();
    }

    void clickAndArrowKeysInTheListShowTheCountry()
    {
        open();
        QTest::keyClicks(edit("Text1"), u"ger"_s);
        const QRect germany = list()->visualItemRect(list()->item(1));
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, germany.center());
        QCOMPARE(m_form->List1.ListIndex(), 1);
        QCOMPARE(edit("Text6")->text(), u"Berlin"_s);
        QCOMPARE(edit("Text5")->text(), u"DEU"_s);

        QTest::keyClick(list(), Qt::Key_Down);
        QCOMPARE(edit("Text5")->text(), u"NER"_s);
        QTest::keyClick(list(), Qt::Key_Up);
        QTest::keyClick(list(), Qt::Key_Up);
        QCOMPARE(edit("Text5")->text(), u"DZA"_s);
        QCOMPARE(m_form->List1.ListIndex(), 0);
    }

    void pressOnTheMapListsTheColumn_data()
    {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("zone");
        QTest::addColumn<int>("listed");
        QTest::addColumn<QString>("first");
        QTest::newRow("left edge is -11") << 0 << -11 << 4 << u"American Samoa AS"_s;
        QTest::newRow("+5") << 427 << 5 << 8 << u"Bhutan BT"_s;
        QTest::newRow("Greenwich") << 295 << 0 << 11 << u"Antarctica AQ"_s;
        QTest::newRow("-9 is empty") << 64 << -9 << 0 << QString();
        // Pixel 25 is 375 twips, left of the boundary at 387; pixel 26 is 390, right of it.
        QTest::newRow("1 px left of a boundary") << 25 << -11 << 4 << u"American Samoa AS"_s;
        QTest::newRow("1 px right of a boundary") << 26 << -10 << 3 << u"Cook Islands CK"_s;
        QTest::newRow("right edge is 12") << 614 << 12 << 6 << u"Fiji FJ"_s;
    }

    void pressOnTheMapListsTheColumn()
    {
        QFETCH(int, x);
        QFETCH(int, zone);
        QFETCH(int, listed);
        QFETCH(QString, first);
        open();
        QTest::keyClicks(edit("Text1"), u"swe"_s);
        pressMap(x);
        QCOMPARE(list()->count(), listed);
        QCOMPARE(counter(), u'(' + QString::number(listed) + u')');
        if (listed)
            QCOMPARE(list()->item(0)->text(), first);
        QCOMPARE(edit("Text1")->text(), u"swe"_s);
        // Arrow and bar over the column: 387 twips a column, arrow from the map's left edge,
        // bar from the picture's left edge, half a column in less 2 twips a column.
        const int c = zone + 11;
        QCOMPARE(widget<QWidget>("Picture2")->x(), qRound((120 + 387.0 * c) / 15));
        QCOMPARE(widget<QWidget>("Line1")->x(), 2 + qRound((387.0 * c + 193.5 - 2 * c) / 15));
    }

    void anyButtonPressesTheMap()
    {
        open();
        pressMap(427, 50, Qt::RightButton);
        QCOMPARE(counter(), u"(8)"_s);
        pressMap(300, 300, Qt::MiddleButton);
        QCOMPARE(counter(), u"(11)"_s);
    }

    void pressOnTheBarListsNothing()
    {
        open();
        QTest::keyClicks(edit("Text1"), u"ger"_s);
        QWidget *bar = widget<QWidget>("Line1");
        QVERIFY(bar->isVisible());
        QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(1, 100));
        QCOMPARE(counter(), u"(4)"_s);
        QCOMPARE(list()->item(0)->text(), u"Algeria DZ"_s);
    }

    void escapeEndsFromEveryControl_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("search box") << u"Text1"_s << int(Qt::NoModifier);
        QTest::newRow("list") << u"List1"_s << int(Qt::NoModifier);
        QTest::newRow("map") << u"Picture1"_s << int(Qt::NoModifier);
        QTest::newRow("read-out") << u"Text3"_s << int(Qt::NoModifier);
        QTest::newRow("shift") << u"Text1"_s << int(Qt::ShiftModifier);
        QTest::newRow("ctrl+alt") << u"List1"_s << int(Qt::ControlModifier | Qt::AltModifier);
    }

    void escapeEndsFromEveryControl()
    {
        QFETCH(QString, control);
        QFETCH(int, modifiers);
        open();
        QSignalSpy ended(m_form.get(), &Form1::ended);
        QWidget *target = m_window->findChild<QWidget *>(control);
        QVERIFY(target);
        target->setFocus();
        QTest::keyClick(target, Qt::Key_A);
        QCOMPARE(ended.count(), 0);
        QTest::keyClick(target, Qt::Key_Escape, Qt::KeyboardModifiers(modifiers));
        QCOMPARE(ended.count(), 1);
    }

    void escapeInAContextMenuClosesOnlyTheMenu()
    {
        open();
        QLineEdit *search = edit("Text1");
        QSignalSpy ended(m_form.get(), &Form1::ended);
        QContextMenuEvent menuEvent(QContextMenuEvent::Keyboard, QPoint(5, 5),
                                    search->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(search, &menuEvent);
        QTRY_VERIFY(QApplication::activePopupWidget());
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
        QTRY_VERIFY(!QApplication::activePopupWidget());
        QCOMPARE(ended.count(), 0);
        QTest::keyClick(search, Qt::Key_Escape);
        QCOMPARE(ended.count(), 1);
    }

    void commandLineQueryIsShownWhollySelected()
    {
        open(u"ger"_s);
        QLineEdit *search = edit("Text1");
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        QTRY_VERIFY(search->hasFocus());
        QCOMPARE(search->text(), u"ger"_s);
        QCOMPARE(search->selectedText(), u"ger"_s);
        QCOMPARE(counter(), u"(4)"_s);
        // The first key typed replaces the whole query.
        QTest::keyClicks(search, u"d"_s);
        QCOMPARE(search->text(), u"d"_s);
        QCOMPARE(counter(), u"(13)"_s);
    }

    void extremeCommandLinesAreShownAsSearchText_data()
    {
        QTest::addColumn<QByteArrayList>("arguments");
        QTest::addColumn<QString>("shown");
        // Sixteen arguments of 64 KiB: one argument may not pass 128 KiB on Linux.
        QByteArrayList megabyte(16, QByteArray(64 * 1024 - 1, 'x'));
        QTest::newRow("1 MB") << megabyte
                              << QStringList(16, QString(64 * 1024 - 1, u'x')).join(u' ');
        QTest::newRow("invalid UTF-8")
            << QByteArrayList{"g\xff\xfer", "\xc3"} << u"g\ufffd\ufffdr \ufffd"_s;
        QTest::newRow("control characters")
            << QByteArrayList{"ger\x01\x1b", "\t\n\r"} << u"ger\x01\x1b \t\n\r"_s;
    }

    void extremeCommandLinesAreShownAsSearchText()
    {
        QFETCH(QByteArrayList, arguments);
        QFETCH(QString, shown);
        std::vector<const char *> argv{"orbisco"};
        for (const QByteArray &argument : arguments)
            argv.push_back(argument.constData());
        open(commandLineText(int(argv.size()), argv.data()));
        QCOMPARE(edit("Text1")->text().size(), shown.size());
        QVERIFY(edit("Text1")->text() == shown);
        QCOMPARE(counter(), u"(0)"_s);
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        QTRY_COMPARE(edit("Text1")->selectedText().size(), shown.size());
    }

    void localTimeStandsInTheFreeBandAfterTheFirstPaint()
    {
        m_form = std::make_unique<Form1>(u"nepal"_s);
        m_form->raiseLoad();
        const QDateTime now(QDate(2026, 1, 14), QTime(13, 32), Qt::UTC);
        m_window = std::make_unique<ui::MainWindow>(*m_form, [now] { return now; });
        QVERIFY(!m_window->localTime().isStarted()); // no database lookup before the first paint
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        QLabel *readout = widget<QLabel>("Ortszeit");
        QTRY_COMPARE(readout->text(), u"Ortszeit: Mi. 19:17"_s);
        QCOMPARE(accessibleName(readout), u"Ortszeit"_s);
        const QString details = m_window->localTime().details();
        QVERIFY(details.contains(u"Asia/Kathmandu"_s));
        QCOMPARE(readout->toolTip(), details);
        QCOMPARE(QAccessible::queryAccessibleInterface(readout)->text(QAccessible::Description),
                 details);

        // Right of the counter, inside the list's width, below the list, above the arrow.
        const QRect band = readout->geometry();
        QVERIFY(band.left() > widget<QLabel>("CounterLabel")->geometry().right());
        QVERIFY(band.right() <= list()->geometry().right());
        QVERIFY(band.top() > list()->geometry().bottom());
        QWidget *arrow = widget<QWidget>("Picture2");
        for (qint16 zone = -11; zone <= 12; ++zone) {
            m_form->SetZeitZone(zone);
            QVERIFY2(!arrow->geometry().intersects(band), qPrintable(QString::number(zone)));
        }
        for (QWidget *other : m_window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (other != readout && !other->isHidden()) {
                QVERIFY2(!other->geometry().intersects(band), qPrintable(other->objectName()));
            }
        }

        // A search that empties the list keeps the country, as the details do.
        edit("Text1")->insert(u"xyz"_s); // as a paste does
        QCOMPARE(counter(), u"(0)"_s);
        QCOMPARE(readout->text(), u"Ortszeit: Mi. 19:17"_s);
    }

    void localTimeIsTheLastStopOfTheKeyboard()
    {
        open();
        QLabel *readout = widget<QLabel>("Ortszeit");
        QTRY_VERIFY(readout->text().startsWith(u"Ortszeit: "_s));
        edit("Text6")->setFocus();
        QTest::keyClick(edit("Text6"), Qt::Key_Tab);
        QVERIFY(readout->hasFocus());
        // Its whole answer shows as a tool tip, and stays once the Tab key is let go.
        QApplication::processEvents();
        QVERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), readout->toolTip());
        // The focus frame leaves the text whole: each of its pixels is drawn the same without
        // the focus, its last digit at the right edge too.
        const QImage focused = readout->grab().toImage();
        QTest::keyClick(readout, Qt::Key_Tab);
        QVERIFY(edit("Text1")->hasFocus()); // round to the start again
        const QImage plain = readout->grab().toImage();
        const QRgb background = plain.pixel(0, 0);
        int textPixels = 0;
        for (int y = 0; y < plain.height(); ++y) {
            for (int x = 0; x < plain.width(); ++x) {
                if (plain.pixel(x, y) == background)
                    continue;
                ++textPixels;
                QVERIFY2(focused.pixel(x, y) == plain.pixel(x, y),
                         qPrintable(u"%1,%2 of %3"_s.arg(x).arg(y).arg(plain.width())));
            }
        }
        QVERIFY(textPixels > 50);

        // A text too long for the band is elided; the tool tip keeps the whole answer.
        auto *label = static_cast<ui::LocalTimeLabel *>(readout);
        const QString longText = u"Ortszeit: "_s + QString(60, u'8');
        label->showTime(longText, u"details"_s);
        QVERIFY(readout->text().endsWith(u'…'));
        QVERIFY(readout->fontMetrics().horizontalAdvance(readout->text())
                <= readout->contentsRect().width());
        QCOMPARE(label->fullText(), longText);
        QCOMPARE(readout->toolTip(), u"details"_s);
    }

    void counterAndLocalTimeNeedNoFontButTheirOwn()
    {
        // Their font looks up no fallback fonts: every character they ever show must be in it.
        QDateTime now(QDate(2026, 1, 12), QTime(9, 5), Qt::UTC); // a Monday
        open(u"germany"_s, [&now] { return now; });
        QLabel *readout = widget<QLabel>("Ortszeit");
        QLabel *count = widget<QLabel>("CounterLabel");
        const auto ownFontHas = [](const QLabel *label) {
            const QFontMetrics metrics(label->font());
            const QList<uint> text = label->text().toUcs4();
            return std::ranges::all_of(text, [&](uint ch) { return metrics.inFontUcs4(ch); });
        };
        QTRY_VERIFY(!readout->text().isEmpty());
        QStringList shown;
        for (const QString &country : {u"germany"_s, u"united states"_s, u"bouvet"_s}) {
            m_form->Text1.setText(country);
            for (int day = 0; day < 7; ++day, now = now.addDays(1)) {
                m_window->minuteClock().tick();
                QVERIFY2(ownFontHas(readout), qPrintable(readout->text()));
                shown.append(readout->text());
            }
            QVERIFY2(ownFontHas(count), qPrintable(count->text()));
        }
        // Every day of the week, a range of times, and no time at all.
        QCOMPARE(QSet<QString>(shown.cbegin(), shown.cbegin() + 7).size(), 7);
        QVERIFY(!shown.filter(u"–"_s).isEmpty());
        QVERIFY(shown.contains(u"Ortszeit: ?"_s));
        static_cast<ui::LocalTimeLabel *>(readout)->showTime(QString(80, u'8'), {});
        QVERIFY2(ownFontHas(readout), qPrintable(readout->text())); // elided
    }

    void screenReadersFindEveryControl()
    {
        open();
        QCOMPARE(accessibleName(edit("Text1")), u"Suche"_s);
        QCOMPARE(accessibleName(list()), u"Ergebnisse"_s);
        QCOMPARE(accessibleName(map()), u"Weltkarte"_s);
        const std::pair<const char *, QString> readOuts[] = {{"Text4", u"Sprachen"_s},
                                                             {"Text2", u"Zeitzone"_s},
                                                             {"Text3", u"Währung"_s},
                                                             {"Text5", u"Alpha Code"_s},
                                                             {"Text6", u"Hauptstadt"_s}};
        for (const auto &[name, caption] : readOuts)
            QCOMPARE(accessibleName(edit(name)), caption);
        QLabel *count = widget<QLabel>("CounterLabel");
        QCOMPARE(accessibleName(count), u"(243)"_s);
        QCOMPARE(QAccessible::queryAccessibleInterface(count)->text(QAccessible::Description),
                 u"Anzahl"_s);
        QTest::keyClicks(edit("Text1"), u"ger"_s);
        QCOMPARE(accessibleName(count), u"(4)"_s);
        QCOMPARE(widget<QLabel>("Label3")->buddy(), edit("Text4"));
    }

    void germanNamesAreSuggestedWhereTheSearchFindsNothing()
    {
        open();
        auto *results = widget<ui::ResultListWidget>("List1");
        const auto description = [results] {
            return QAccessible::queryAccessibleInterface(results)->text(QAccessible::Description);
        };
        const QImage empty = results->viewport()->grab().toImage();
        QTest::keyClicks(edit("Text1"), u"deutschland"_s);
        QCOMPARE(counter(), u"(0)"_s);
        QCOMPARE(results->count(), 0);
        QCOMPARE(description(),
                 u"Keine Treffer. Meinten Sie: Germany DE – Deutschland? "
                 "Eingabetaste übernimmt den ersten Vorschlag."_s);
        // Drawn in the list's own area, not as an entry.
        const QRect line = results->suggestionRect(0);
        const QImage shown = results->viewport()->grab().toImage();
        QVERIFY(shown.copy(line) != empty.copy(line));

        // Enter takes the first through the search: exactly that entry, shown.
        QTest::keyClick(edit("Text1"), Qt::Key_Return);
        QCOMPARE(edit("Text1")->text(), u"DE"_s);
        QCOMPARE(shownEntries(), QStringList{u"Germany DE"_s});
        QCOMPARE(counter(), u"(1)"_s);
        QCOMPARE(edit("Text6")->text(), u"Berlin"_s);
        QVERIFY(widget<QWidget>("Picture2")->isVisible());
        QVERIFY(description().isEmpty());

        // A click takes the one clicked; Zaïre by its successor's German name.
        edit("Text1")->selectAll();
        QTest::keyClicks(edit("Text1"), u"kongo"_s);
        QCOMPARE(description(),
                 u"Keine Treffer. Meinten Sie: Congo CG – Kongo-Brazzaville, "
                 "Zaire ZR – Kongo-Kinshasa? Eingabetaste übernimmt den ersten "
                 "Vorschlag."_s);
        QTest::mouseClick(results->viewport(), Qt::LeftButton, {},
                          results->suggestionRect(1).center());
        QCOMPARE(shownEntries(), QStringList{u"Zaire ZR"_s});

        // Nothing is suggested for two characters, or where the search lists something; Enter
        // without a suggestion changes nothing.
        for (const QString &query : {u"qq"_s, u"ger"_s}) {
            edit("Text1")->selectAll();
            QTest::keyClicks(edit("Text1"), query);
            QVERIFY(results->suggestions().empty());
            QVERIFY(description().isEmpty());
        }
        edit("Text1")->selectAll();
        QTest::keyClicks(edit("Text1"), u"xyzzy"_s);
        QTest::keyClick(edit("Text1"), Qt::Key_Return);
        QCOMPARE(edit("Text1")->text(), u"xyzzy"_s);

        // An entry's tool tip is its country's German name.
        edit("Text1")->selectAll();
        QTest::keyClicks(edit("Text1"), u"ger"_s);
        const QPoint germany = results->visualItemRect(results->item(1)).center();
        QHelpEvent help(QEvent::ToolTip, germany, results->viewport()->mapToGlobal(germany));
        QApplication::sendEvent(results->viewport(), &help);
        QCOMPARE(QToolTip::text(), u"Deutschland"_s);
        QToolTip::hideText();
    }

    void staleReadOutsAreMarkedAndExplained()
    {
        const QDateTime today(QDate(2026, 12, 9), QTime(14, 37), Qt::UTC);
        open(u"croatia"_s, [today] { return today; });
        QTRY_VERIFY(m_window->localTime().isStarted());
        auto *offset = widget<ui::TextBoxWidget>("Text2");
        auto *currency = widget<ui::TextBoxWidget>("Text3");
        const auto description = [](QWidget *box) {
            return QAccessible::queryAccessibleInterface(box)->text(QAccessible::Description);
        };
        const auto amber = [](ui::TextBoxWidget *box) {
            const QColor seen = box->grab().toImage().pixelColor(
                box->markRect().center() + QPoint(box->markRect().width() / 4, 0));
            return seen.red() > 200 && seen.green() > 120 && seen.green() < 210 && seen.blue() < 80;
        };

        // Croatia pays in euros now: the kuna is marked, and its details say since when.
        const QString euroSince
            = u"Seit 01.01.2023 gilt Euro (EUR). Die eingebaute Angabe weicht davon ab."_s;
        QCOMPARE(currency->text(), u"Croatian kuna (HRK, kn)"_s);
        QCOMPARE(currency->toolTip(), euroSince);
        QCOMPARE(description(currency), euroSince);
        QVERIFY(amber(currency));
        QVERIFY(!amber(offset));
        QCOMPARE(offset->toolTip(), u"UTC"_s);
        // The text stops short of the mark.
        currency->setText(QString(200, u'W'));
        currency->end(false);
        currency->grab(); // a paint scrolls the caret into view
        const QRect caret = currency->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        QVERIFY2(caret.center().x() < currency->markRect().left(),
                 qPrintable(u"caret at %1, mark from %2"_s.arg(caret.center().x())
                                .arg(currency->markRect().left())));
        m_form->Text3.setText(u"Croatian kuna (HRK, kn)"_s);

        // Germany agrees: no mark. Turkey's and Nepal's offsets are stale.
        m_form->Text1.setText(u"germany"_s);
        QCOMPARE(currency->toolTip(), u"Euro (EUR)"_s);
        QVERIFY(!amber(currency));
        QCOMPARE(offset->toolTip(), u"UTC"_s);
        m_form->Text1.setText(u"turkey"_s);
        const QString turkey = u"UTC\nDie eingebaute Angabe +02:00 weicht von der "
                               "Zeitzonendatenbank ab; heute gilt +03:00."_s;
        QCOMPARE(offset->toolTip(), turkey);
        QCOMPARE(description(offset), turkey);
        QVERIFY(amber(offset));
        QCOMPARE(offset->text(), u"+02:00"_s);
        m_form->Text1.setText(u"nepal"_s);
        QVERIFY(offset->toolTip().endsWith(u"ab; heute gilt +05:45."_s));

        // While the panel shows "?": no details and no mark; the offset's tool tip is its own.
        m_form->Text1.setText(u"fx"_s);
        QCOMPARE(currency->text(), u"?"_s);
        QVERIFY(currency->toolTip().isEmpty());
        QVERIFY(!amber(currency) && !amber(offset));
        QCOMPARE(offset->toolTip(), u"UTC"_s);
    }

    void theFactsOfTodayStandBesideTheRecord()
    {
        open(u"germany"_s);
        QTRY_VERIFY(m_window->localTime().isStarted());
        auto *languages = widget<ui::TextBoxWidget>("Text4");
        auto *code = widget<ui::TextBoxWidget>("Text5");
        const auto description = [](QWidget *box) {
            return QAccessible::queryAccessibleInterface(box)->text(QAccessible::Description);
        };
        QVERIFY(languages->toolTip().startsWith(u"Laut Unicode CLDR (80,2 Mio. Einwohner):\n"_s));
        QCOMPARE(description(languages), languages->toolTip());
        QCOMPARE(code->toolTip(),
                 u"ISO 3166-1: DE, DEU, Nummer 276 (Federal Republic of Germany)"_s);
        QCOMPARE(description(code), code->toolTip() + u"\nFlagge: Deutschland"_s);
        QVERIFY(!code->isStale());
        QVERIFY(showsGermanFlag(code));
        // The text ends left of the flag.
        QVERIFY(code->width() - code->textMargins().right() <= code->flagRect().left());

        // The Netherlands' languages are cut short by the box: the whole text comes first.
        m_form->Text1.setText(u"netherlands nl"_s);
        QVERIFY(languages->cutsShort());
        QVERIFY(languages->toolTip().startsWith(languages->text() + u"\nLaut Unicode CLDR"_s));

        // Zaire: withdrawn, marked, no flag; the United Kingdom: marked, with Great Britain's flag
        // left of the mark; "?": nothing.
        m_form->Text1.setText(u"zaire"_s);
        QVERIFY(code->isStale());
        QVERIFY(code->flag().isNull());
        QVERIFY(code->toolTip().startsWith(u"ZR steht seit 14.07.1997 nicht mehr"_s));
        m_form->Text1.setText(u"united kingdom (great britain) uk"_s);
        QVERIFY(code->isStale());
        QVERIFY(!code->flag().isNull());
        QVERIFY(code->flagRect().right() < code->markRect().left());
        m_form->Text1.setText(u"fx"_s);
        QVERIFY(code->toolTip().isEmpty() && languages->toolTip().isEmpty());
        QVERIFY(code->flag().isNull() && !code->isStale());
    }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
