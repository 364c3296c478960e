#pragma once

#include "controls/time_keys.h"
#include "facts/code_readout.h"
#include "facts/currency_readout.h"
#include "facts/german_search.h"
#include "facts/languages_readout.h"
#include "geo/country_on_map.h"
#include "localtime/local_time_readout.h"
#include "localtime/minute_clock.h"
#include "localtime/offset_readout.h"
#include "map/map_model.h"

#include <QObject>
#include <QString>

#include <vector>

namespace orbisco {
class Form1;
}

namespace orbisco::ui {
class TextBox;
}

namespace orbisco::viewmodel {

// Everything the window shows beyond the form's own controls, and its rules, with no display: the
// window's clock and what follows it and the shown country (the local time, the offset and
// currency checks, the country on the map), the map's model, the suggestions by German name, the
// keys and the wheel that move the shown time, and start-up. The window builds its widgets, binds
// them to this and to the form, and forwards input; it decides nothing of its own.
class WindowModel : public QObject
{
    Q_OBJECT

public:
    // form: the loaded form; clock: the instant now (the system's clock by default); zones: where
    // the countries' zones and their places come from; isoCodes: the folder of iso-codes' files.
    explicit WindowModel(Form1 &form, const localtime::MinuteClock::Clock &clock = {},
                         localtime::ZoneDirectory zones = localtime::ZoneDirectory(),
                         QString isoCodes = facts::IsoCodes::systemFolder(),
                         QObject *parent = nullptr);

    Form1 &form() { return m_form; }
    localtime::MinuteClock &clock() { return m_clock; }
    const localtime::LocalTimeReadout &localTime() const { return m_localTime; }
    const localtime::OffsetReadout &offset() const { return m_offset; }
    const facts::CurrencyReadout &currency() const { return m_currency; }
    const facts::LanguagesReadout &languages() const { return m_languages; }
    const facts::CodeReadout &code() const { return m_code; }
    geo::CountryOnMap &countryOnMap() { return m_countryOnMap; }
    map::MapModel &map() { return m_map; }

    // Start-up: the window has been painted for the first time. Only then does the clock start,
    // and with it every look into the zones, the sun, ICU's data and the outlines; and a query
    // from the command line that lists nothing gets its suggestions. Once; later calls do nothing.
    void start();

    // The boxes the checks stand beside: the record's UTC offset and its currency.
    ui::TextBox &offsetBox();
    ui::TextBox &currencyBox();
    // What the offset box's tool tip and description say: its own tip ("UTC"), then the check's
    // lines where the record's offset is not the database's.
    QString offsetDetails();
    // The languages and the three-letter code, and what their tool tips and descriptions say: the
    // record's whole languages where the box cuts them short, then the CLDR's lines; the ISO
    // line, and for screen readers the flag's name after it ("Flagge: Deutschland").
    ui::TextBox &languagesBox();
    ui::TextBox &codeBox();
    QString languagesDetails(bool cutShort);
    QString codeDescription() const;

    // Index entries found by their German name, while the search lists nothing for a query of
    // three characters or more; none otherwise.
    const std::vector<facts::Suggestion> &suggestions() const { return m_suggestions; }
    // Takes a suggestion, as a click does: its code goes into the search box.
    void takeSuggestion(size_t index);
    // Enter in the search box: takes the first suggestion, if any; true if it took one.
    bool takeFirstSuggestion();

    // A key on the map or on the local time that moves the shown time (Page Up, Page Down, J);
    // true if it was one. A turn of the wheel over the map, in eighths of a degree. A click on
    // the local time: back to now, true if it was shifted.
    bool timeKey(int qtKey, bool shift);
    void wheel(int angleDelta, bool shift);
    bool backToNow();

signals:
    void suggestionsChanged(const std::vector<facts::Suggestion> &suggestions);

private:
    void suggest();
    void showSuggestions(std::vector<facts::Suggestion> suggestions);

    Form1 &m_form;
    localtime::MinuteClock m_clock;
    std::shared_ptr<localtime::ShownClocks> m_clocks;
    localtime::LocalTimeReadout m_localTime;
    localtime::OffsetReadout m_offset;
    facts::CurrencyReadout m_currency;
    facts::LanguagesReadout m_languages;
    facts::CodeReadout m_code;
    geo::CountryOnMap m_countryOnMap;
    map::MapModel m_map;
    facts::GermanSearch m_germanSearch;
    std::vector<facts::Suggestion> m_suggestions;
    ui::WheelSteps m_wheel;
    bool m_started = false;
};

} // namespace orbisco::viewmodel
