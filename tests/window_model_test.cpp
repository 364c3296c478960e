// The model under the window, with no display: start-up, the suggestions by German name and
// their rules, the checks beside the read-outs, the shown time moved by keys and the wheel.
#include "core_application.h"
#include "form1_probe.h"

#include "viewmodel/window_model.h"

#include <gtest/gtest.h>

#include <QCoreApplication>

using namespace orbisco;
using namespace Qt::StringLiterals;

namespace {

class WindowModelTest : public CoreApplicationTest
{
protected:
    // A window opened at `now` on a form loaded with `commandLine`.
    viewmodel::WindowModel &open(const QString &commandLine = {})
    {
        m_form = loadedForm(commandLine);
        m_model = std::make_unique<viewmodel::WindowModel>(*m_form, [this] { return m_now; });
        return *m_model;
    }

    QDateTime m_now{QDate(2026, 12, 9), QTime(14, 37), Qt::UTC}; // a Wednesday
    std::unique_ptr<Form1> m_form;
    std::unique_ptr<viewmodel::WindowModel> m_model;
};

} // namespace

TEST_F(WindowModelTest, NothingIsLookedUpBeforeTheFirstPaint)
{
    viewmodel::WindowModel &model = open(u"deutschland"_s); // lists nothing
    EXPECT_FALSE(model.clock().isStarted());
    EXPECT_FALSE(model.localTime().isStarted());
    EXPECT_TRUE(model.localTime().text().isEmpty());
    EXPECT_TRUE(model.suggestions().empty());
    int ticks = 0;
    QObject::connect(&model.clock(), &localtime::MinuteClock::ticked, [&ticks] { ++ticks; });
    model.start();
    model.start();
    EXPECT_EQ(ticks, 1);
    EXPECT_TRUE(model.localTime().isStarted());
    // The query from the command line gets its suggestion then.
    ASSERT_EQ(model.suggestions().size(), 1u);
    EXPECT_EQ(model.suggestions().front().entry, u"Germany DE"_s);
}

TEST_F(WindowModelTest, SuggestionsWhereTheSearchFindsNothing)
{
    viewmodel::WindowModel &model = open();
    model.start();
    std::vector<std::vector<facts::Suggestion>> told;
    QObject::connect(
        &model, &viewmodel::WindowModel::suggestionsChanged,
        [&told](const std::vector<facts::Suggestion> &found) { told.push_back(found); });
    m_form->Text1.setText(u"osterreich"_s);
    ASSERT_EQ(model.suggestions().size(), 1u);
    EXPECT_EQ(model.suggestions().front().germanName, u"Österreich"_s);
    // Enter takes the first, through the search box: exactly that entry, and no suggestion.
    EXPECT_TRUE(model.takeFirstSuggestion());
    EXPECT_EQ(m_form->Text1.Text(), u"AT"_s);
    EXPECT_EQ(entries(m_form->List1), QStringList{u"Austria AT"_s});
    EXPECT_TRUE(model.suggestions().empty());
    EXPECT_EQ(told.size(), 2u);
    EXPECT_FALSE(model.takeFirstSuggestion());

    // A click on the second: Zaïre by its successor's name.
    m_form->Text1.setText(u"kongo"_s);
    ASSERT_EQ(model.suggestions().size(), 2u);
    model.takeSuggestion(1);
    EXPECT_EQ(entries(m_form->List1), QStringList{u"Zaire ZR"_s});
    model.takeSuggestion(7); // none there: nothing happens
    EXPECT_EQ(m_form->Text1.Text(), u"ZR"_s);

    // None for two characters, none where the search finds something, none after a press on the
    // map lists a column.
    for (const QString &query : {u"qq"_s, u"ger"_s}) {
        m_form->Text1.setText(query);
        EXPECT_TRUE(model.suggestions().empty()) << query.toStdString();
    }
    m_form->Text1.setText(u"deutschland"_s);
    EXPECT_FALSE(model.suggestions().empty());
    m_form->Picture1.raiseMouseDown(1, 0, 4600, 100); // UTC±0
    EXPECT_TRUE(model.suggestions().empty());
}

TEST_F(WindowModelTest, TheChecksStandBesideTheirBoxes)
{
    viewmodel::WindowModel &model = open(u"croatia"_s);
    EXPECT_EQ(model.offsetBox().Text(), u"+01:00"_s);
    EXPECT_EQ(model.currencyBox().Text(), u"Croatian kuna (HRK, kn)"_s);
    model.start();
    EXPECT_TRUE(model.currency().check().stale);
    EXPECT_FALSE(model.offset().check().stale);
    EXPECT_EQ(model.offsetDetails(), u"UTC"_s);

    // Nepal's built-in +05:30 is no offset Nepal uses; the box's own tip ("UTC") stays first.
    int changes = 0;
    QObject::connect(&model.offset(), &localtime::OffsetReadout::changed,
                     [&changes] { ++changes; });
    m_form->Text1.setText(u"nepal"_s);
    EXPECT_TRUE(model.offset().check().stale);
    EXPECT_EQ(model.offsetDetails(),
              u"UTC\nDie eingebaute Angabe +05:30 weicht von der Zeitzonendatenbank "
              "ab; heute gilt +05:45."_s);
    EXPECT_EQ(changes, 1);
    // The next minute changes nothing of it, and tells of nothing.
    m_now = m_now.addSecs(60);
    model.clock().tick();
    EXPECT_EQ(changes, 1);
}

TEST_F(WindowModelTest, KeysAndTheWheelMoveTheShownTime)
{
    viewmodel::WindowModel &model = open(u"germany"_s);
    model.start();
    EXPECT_EQ(model.localTime().shown().text, u"Ortszeit: Mi. 15:37"_s);
    for (int step = 0; step < 3; ++step)
        EXPECT_TRUE(model.timeKey(Qt::Key_PageUp, false));
    EXPECT_EQ(model.localTime().shown().text, u"Ortszeit in 3 Std.: Mi. 18:37"_s);
    EXPECT_TRUE(model.localTime().shown().details.startsWith(
        u"Angezeigt: Mi. 09.12.2026 17:37 UTC, in 3 Std. (J oder Klick: jetzt)\n"_s));
    EXPECT_EQ(model.localTime().text(), u"Ortszeit: Mi. 18:37"_s); // as if it were now
    EXPECT_TRUE(model.timeKey(Qt::Key_J, false));
    EXPECT_EQ(model.localTime().shown().text, u"Ortszeit: Mi. 15:37"_s);
    EXPECT_FALSE(model.timeKey(Qt::Key_Left, false));

    // A notch an hour, the small steps of a touchpad adding up; with Shift a day.
    model.wheel(-120, false);
    for (int small = 0; small < 3; ++small)
        model.wheel(-40, false);
    EXPECT_EQ(model.clock().shift(), -2);
    model.wheel(120, true);
    EXPECT_EQ(model.clock().shift(), 22);
    EXPECT_TRUE(model.timeKey(Qt::Key_PageDown, true));
    EXPECT_EQ(model.clock().shift(), -2);
    EXPECT_TRUE(model.backToNow());
    EXPECT_FALSE(model.backToNow());
    EXPECT_EQ(model.localTime().shown().text, u"Ortszeit: Mi. 15:37"_s);
}

TEST_F(WindowModelTest, AFollowerTellsOnlyOfAChangedAnswer)
{
    viewmodel::WindowModel &model = open(u"germany"_s);
    model.start();
    int times = 0, places = 0, currencies = 0;
    QObject::connect(&model.localTime(), &localtime::LocalTimeReadout::changed, [&] { ++times; });
    QObject::connect(&model.countryOnMap(), &geo::CountryOnMap::changed, [&] { ++places; });
    QObject::connect(&model.currency(), &facts::CurrencyReadout::changed, [&] { ++currencies; });
    // A minute later: only the time.
    m_now = m_now.addSecs(60);
    model.clock().tick();
    EXPECT_EQ(std::tuple(times, places, currencies), std::tuple(1, 0, 0));
    // The same country again (typed anew): nothing.
    m_form->Text1.setText(u"german"_s);
    EXPECT_EQ(std::tuple(times, places, currencies), std::tuple(1, 0, 0));
    // Another country: each that says something else of it.
    m_form->Text1.setText(u"switzerland"_s);
    EXPECT_EQ(std::tuple(times, places, currencies), std::tuple(2, 1, 1));
    EXPECT_EQ(model.countryOnMap().shape().code, u"CH"_s);
}
