// What the person's input costs in the real window, on Qt's offscreen platform: a keystroke that
// changes the shown country (the list, the read-outs, the marker, the local time and the repaint),
// the shown country's area on the map made anew, a pointer move over the map (the hovered column,
// its highlight and the repaint) and its tool tip, and the window's minute tick (the local time,
// the map's shading and its repaint).
#include "app/form1.h"
#include "window/main_window.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

using namespace orbisco;

namespace {

struct OpenWindow
{
    Form1 form;
    ui::MainWindow window{(form.raiseLoad(), form)};

    OpenWindow()
    {
        window.show();
        while (!window.localTime().isStarted())
            QApplication::processEvents();
    }
};

void sendKey(QWidget *target, int key, const QString &text)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &release);
}

void keystrokeChangingTheCountry(benchmark::State &state)
{
    OpenWindow open;
    auto *search = open.window.findChild<QLineEdit *>(QStringLiteral("Text1"));
    // "d" shows Algeria, "f" Afghanistan: every key replaces the whole text and the country.
    const std::pair<int, QString> keys[]
        = {{Qt::Key_D, QStringLiteral("d")}, {Qt::Key_F, QStringLiteral("f")}};
    int i = 0;
    for (auto _ : state) {
        search->selectAll();
        const auto &[key, text] = keys[i++ & 1];
        sendKey(search, key, text);
        QApplication::processEvents(); // layout and paint
    }
    state.counters["listed"] = open.form.List1.ListCount();
}

// A keystroke that finds nothing by the English names and suggests by the German ones:
// "deutschlan" and "deutschland" in turn, each a query of its own.
void keystrokeSuggesting(benchmark::State &state)
{
    OpenWindow open;
    auto *search = open.window.findChild<QLineEdit *>(QStringLiteral("Text1"));
    open.form.Text1.setText(QStringLiteral("deutschlan"));
    int i = 0;
    for (auto _ : state) {
        if (i++ & 1)
            sendKey(search, Qt::Key_Backspace, QString());
        else
            sendKey(search, Qt::Key_D, QStringLiteral("d"));
        QApplication::processEvents(); // and the repaint
    }
    state.counters["listed"] = open.form.List1.ListCount();
}

// Pointer moves over the map, each to another pixel: within one column (args 0) or across a column
// boundary every time, so that the highlight and its repaint move too (args 1).
void pointerMoveOverTheMap(benchmark::State &state)
{
    OpenWindow open;
    auto *map = open.window.findChild<QWidget *>(QStringLiteral("Picture1"));
    const int step = state.range(0) ? 26 : 1;
    int i = 0;
    for (auto _ : state) {
        const QPointF at(300 + step * (i++ & 1), 150);
        QMouseEvent move(QEvent::MouseMove, at, map->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(map, &move);
        QApplication::processEvents(); // and the repaint
    }
}

// The shown time moved by an hour, later and earlier in turn, with the United States shown: the
// read-outs, the shade, the dots and the repaint follow (QT_SCALE_FACTOR=2 for a dense screen).
void hourStep(benchmark::State &state)
{
    OpenWindow open;
    open.form.Text1.setText(QStringLiteral("united states"));
    int i = 0;
    for (auto _ : state) {
        open.window.minuteClock().shiftBy((i++ & 1) ? -1 : 1);
        QApplication::processEvents(); // and the repaint
    }
    state.counters["ratio"] = open.window.devicePixelRatioF();
}

// A tick of the minute clock with the United States shown (29 zones, their sun and their dots),
// at the screen's device pixel ratio (QT_SCALE_FACTOR=2 for a dense screen).
void minuteTick(benchmark::State &state)
{
    OpenWindow open;
    open.form.Text1.setText(QStringLiteral("united states"));
    for (auto _ : state) {
        open.window.minuteClock().tick();
        QApplication::processEvents(); // and the repaint
    }
    state.counters["ratio"] = open.window.devicePixelRatioF();
}

// The shown country changes: its area, outline and ring made anew and painted, at the screen's
// device pixel ratio. Alternately Germany and France (args 0), or the two countries of the most
// points, the United States and Russia (args 1).
void countryHighlight(benchmark::State &state)
{
    OpenWindow open;
    const QString codes[]
        = {QStringLiteral("DE"), QStringLiteral("FR"), QStringLiteral("US"), QStringLiteral("RU")};
    const ShownCountry countries[] = {{codes[state.range(0) * 2], {}, {}, {}, {}},
                                      {codes[state.range(0) * 2 + 1], {}, {}, {}, {}}};
    int i = 0;
    for (auto _ : state) {
        open.window.countryOnMap().showCountry(countries[i++ & 1]);
        QApplication::processEvents(); // and the repaint
    }
    state.counters["ratio"] = open.window.devicePixelRatioF();
}

// What the map's tool tip costs where the pointer rests: the column, the dots, and the country
// under the pointer found among all the outlines; over land (Siberia) and over the sea.
void toolTipOverTheMap(benchmark::State &state)
{
    OpenWindow open;
    auto *map = open.window.findChild<QWidget *>(QStringLiteral("Picture1"));
    const QPoint places[] = {{500, 60}, {150, 250}};
    int i = 0;
    for (auto _ : state) {
        const QPoint at = places[i++ & 1];
        QHelpEvent help(QEvent::ToolTip, at, map->mapToGlobal(at));
        QApplication::sendEvent(map, &help);
    }
}

} // namespace

BENCHMARK(countryHighlight)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(toolTipOverTheMap)->Unit(benchmark::kMicrosecond);
BENCHMARK(minuteTick)->Unit(benchmark::kMicrosecond);
BENCHMARK(hourStep)->Unit(benchmark::kMicrosecond);
BENCHMARK(keystrokeChangingTheCountry)->Unit(benchmark::kMicrosecond);
BENCHMARK(keystrokeSuggesting)->Unit(benchmark::kMicrosecond);
BENCHMARK(pointerMoveOverTheMap)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
