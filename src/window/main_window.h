// The Qt window of a Form1. It adds to QWidget the form's controls as widgets, placed where the
// window description puts them, and the wiring both ways: what the form writes is drawn, and what
// the person types, selects and presses goes back to the form's controls, the one source of truth
// for all of them. What it shows beyond them (the local time, the checks beside the read-outs, the
// map's shade, dots and country, the suggestions) comes from the window's model
// (viewmodel/window_model.h), which it owns and binds its widgets to.
#pragma once

#include "viewmodel/window_model.h"

#include <QWidget>

class QLabel;

namespace orbisco {
class Form1;
}

namespace orbisco::ui {

class Control;
class TextBox;
class Label;
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

    viewmodel::WindowModel &model() { return m_model; }
    const localtime::LocalTimeReadout &localTime() const { return m_model.localTime(); }
    // Where the shown country lies on the map.
    geo::CountryOnMap &countryOnMap() { return m_model.countryOnMap(); }
    // What the local time, the map's shading and its tool tips follow.
    localtime::MinuteClock &minuteClock() { return m_model.clock(); }

    // Puts the window at the centre of the screen it is on.
    void centreOnScreen();

signals:
    // The window has been painted for the first time.
    void firstPainted();

protected:
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    TextBoxWidget *addTextBox(TextBox &box);
    QLabel *addLabel(Label &label);
    void addResultList();
    void addMap();
    void addLocalTime();
    void addFactChecks();
    void setTabOrder();

    Form1 &m_form;
    viewmodel::WindowModel m_model;
    ResultListWidget *m_list = nullptr;
    MapWidget *m_map = nullptr;
    bool m_shown = false;
    bool m_painted = false;
};

} // namespace orbisco::ui
