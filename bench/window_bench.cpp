// What the person's input costs in the real window, on Qt's offscreen platform: a keystroke that
// changes the shown country (the list, the read-outs, the marker, the local time and the repaint),
// a pointer move over the map (the hovered column, its highlight and the repaint), and the
// window's minute tick (the local time, the map's shading and its repaint).
#include "app/form1.h"
#include "window/main_window.h"

#include <benchmark/benchmark.h>

#include <QApplication>
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

} // namespace

BENCHMARK(minuteTick)->Unit(benchmark::kMicrosecond);
BENCHMARK(keystrokeChangingTheCountry)->Unit(benchmark::kMicrosecond);
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
