#include "viewmodel/window_model.h"

#include "app/form1.h"
#include "facts/region_names.h"

namespace orbisco::viewmodel {

WindowModel::WindowModel(Form1 &form, const localtime::MinuteClock::Clock &clock,
                         localtime::ZoneDirectory zones, QString isoCodes, QObject *parent)
    : QObject(parent)
    , m_form(form)
    , m_clock(clock)
    , m_clocks(std::make_shared<localtime::ShownClocks>(std::move(zones)))
    , m_localTime(m_clocks)
    , m_offset(m_clocks)
    , m_code(std::move(isoCodes))
    , m_map(form, m_clock, m_localTime, m_countryOnMap,
            [](QStringView code) { return facts::germanName(code); })
{
    // What follows the shown country and the clock: the read-outs beside the built-in values,
    // and where the country lies on the map. Each starts from what the form shows now.
    for (ShownCountryFollower *follower : std::initializer_list<ShownCountryFollower *>{
             &m_localTime, &m_offset, &m_currency, &m_languages, &m_code, &m_countryOnMap}) {
        follower->showCountry(form.shownCountry());
        connect(&form, &Form1::countryShown, follower, &ShownCountryFollower::showCountry);
        connect(&m_clock, &localtime::MinuteClock::ticked, follower,
                &ShownCountryFollower::showTime);
    }
    // Where the search finds nothing, a suggestion may; whatever the list lists takes their
    // place.
    connect(&form, &Form1::searched, this, &WindowModel::suggest);
    connect(&form.List1, &ui::ListBox::itemAdded, this, [this] { showSuggestions({}); });
}

void WindowModel::start()
{
    if (m_started)
        return;
    m_started = true;
    m_clock.start();
    // The form searched for a query from the command line before there was a window.
    suggest();
}

ui::TextBox &WindowModel::offsetBox()
{
    return m_form.detailBox(Form1::kOffsetField);
}

ui::TextBox &WindowModel::currencyBox()
{
    return m_form.detailBox(Form1::kCurrencyField);
}

QString WindowModel::offsetDetails()
{
    const QString own = offsetBox().layout().toolTip.toString();
    const localtime::OffsetCheck &check = m_offset.check();
    return check.details.isEmpty() ? own : own + u'\n' + check.details;
}

ui::TextBox &WindowModel::languagesBox()
{
    return m_form.detailBox(Form1::kLanguagesField);
}

ui::TextBox &WindowModel::codeBox()
{
    return m_form.detailBox(Form1::kAlpha3Field);
}

QString WindowModel::languagesDetails(bool cutShort)
{
    const QString &details = m_languages.check().details;
    if (!cutShort)
        return details;
    const QString &whole = languagesBox().Text();
    return details.isEmpty() ? whole : whole + u'\n' + details;
}

QString WindowModel::codeDescription() const
{
    const facts::CodeCheck &check = m_code.check();
    if (check.flag.isEmpty())
        return check.details;
    const QString name = facts::germanName(check.flag);
    return check.details + QStringLiteral("\nFlagge: ") + (name.isEmpty() ? check.flag : name);
}

void WindowModel::suggest()
{
    std::vector<facts::Suggestion> found;
    if (m_form.List1.ListCount() == 0)
        found = m_germanSearch.suggest(m_form.Text1.Text(), m_form.TMplist.items());
    showSuggestions(std::move(found));
}

void WindowModel::showSuggestions(std::vector<facts::Suggestion> suggestions)
{
    if (suggestions == m_suggestions)
        return;
    m_suggestions = std::move(suggestions);
    emit suggestionsChanged(m_suggestions);
}

void WindowModel::takeSuggestion(size_t index)
{
    if (index < m_suggestions.size())
        m_form.Text1.setText(QString(m_suggestions[index].code));
}

bool WindowModel::takeFirstSuggestion()
{
    if (m_suggestions.empty())
        return false;
    takeSuggestion(0);
    return true;
}

bool WindowModel::timeKey(int qtKey, bool shift)
{
    const std::optional<ui::ClockKey> key = ui::clockKey(qtKey, shift);
    if (!key)
        return false;
    if (key->backToNow)
        m_clock.unshift();
    else
        m_clock.shiftBy(key->hours);
    return true;
}

void WindowModel::wheel(int angleDelta, bool shift)
{
    const int hours = m_wheel.hoursFor(angleDelta, shift);
    if (hours != 0)
        m_clock.shiftBy(hours);
}

bool WindowModel::backToNow()
{
    return m_clock.unshift();
}

} // namespace orbisco::viewmodel
