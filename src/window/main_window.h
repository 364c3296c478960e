// The Qt window of a Form1. It adds to QWidget the form's controls as widgets, placed where the
// window description puts them, and the wiring both ways: what the form writes is drawn, and what
// the person types, selects and presses goes back to the form's controls, the one source of truth
// for all of them. Beside the widgets it owns the window's minute clock and the read-outs that
// follow the shown country and that clock (the local time, the currency check, where the
// country lies on the map), and hands both to them.
#pragma once

#include "facts/currency_readout.h"
#include "facts/german_search.h"
#include "geo/country_on_map.h"
#include "localtime/local_time_readout.h"
#include "localtime/minute_clock.h"

#include <QWidget>

class QLabel;

namespace orbisco {
class Form1;
}

namespace orbisco::ui {

class Control;
class TextBox;
class Label;
class PictureBox;
class MapWidget;
class TextBoxWidget;
class LocalTimeLabel;
class ResultListWidget;

class MainWindow : public QWidget
{
    Q_OBJECT

public:
    explicit MainWindow(Form1 &form, QWidget *parent = nullptr);
    // clock: the instant now, for the local time and the map's column times (the system's clock
    // by default).
    MainWindow(Form1 &form, const localtime::MinuteClock::Clock &clock, QWidget *parent = nullptr);

    const localtime::LocalTimeReadout &localTime() const { return m_localTime; }
    // Where the shown country lies on the map.
    geo::CountryOnMap &countryOnMap() { return m_countryOnMap; }
    // What the local time, the map's shading and its tool tips follow.
    localtime::MinuteClock &minuteClock() { return m_clock; }

    // Puts the window at the centre of the screen it is on.
    void centreOnScreen();

protected:
    void showEvent(QShowEvent *event) override;

private:
    TextBoxWidget *addTextBox(TextBox &box);
    QLabel *addLabel(Label &label);
    void addResultList();
    // Suggestions by German name where the search lists nothing.
    Q_INVOKABLE void suggest();
    void addMap();
    void addLocalTime();
    void addFactChecks(TextBoxWidget *offset, TextBoxWidget *currency);
    void setTabOrder();

    Form1 &m_form;
    ResultListWidget *m_list = nullptr;
    MapWidget *m_map = nullptr;
    localtime::MinuteClock m_clock;
    localtime::LocalTimeReadout m_localTime;
    facts::CurrencyReadout m_currency;
    geo::CountryOnMap m_countryOnMap;
    facts::GermanSearch m_germanSearch;
    QStringList m_index; // the country index, as the search reads it; taken at the first search
    LocalTimeLabel *m_localTimeLabel = nullptr;
    bool m_shown = false;
};

} // namespace orbisco::ui
