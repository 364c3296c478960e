// Linked into a copy of a program to time it: once its first window has been painted, prints the
// time since ORBISCO_BENCH_T0 (CLOCK_MONOTONIC nanoseconds, set by the launcher just before exec),
// how long after that its local-time read-out shows a time, and, with ORBISCO_BENCH_KEYS=n, the
// median time of n keystrokes into the window's line edit that empty it, each from the key event to
// the repainted window. Then it quits.
// Under callgrind it dumps the instruction counts at the first paint, so that a run tells apart
// what the first sight of the window costs and what follows it until the window has settled:
//   valgrind --tool=callgrind --callgrind-out-file=cg.out ./orbisco_first_paint
// writes cg.out.1 (exec to the first paint) and cg.out (the rest).
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QWidget>

#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#else
#define CALLGRIND_DUMP_STATS_AT(name)
#endif

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

qint64 nowNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return qint64(ts.tv_sec) * 1'000'000'000 + ts.tv_nsec;
}

void sendKey(QWidget *target, int key, const QString &text)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &release);
}

double medianKeystrokeMs(QWidget *window, int count)
{
    auto *edit = window->findChild<QLineEdit *>();
    if (!edit)
        return -1;
    edit->setFocus();
    std::vector<qint64> times;
    for (int i = 0; i < count; ++i) {
        sendKey(edit, Qt::Key_A, QStringLiteral("a")); // one letter: a short list
        QApplication::processEvents();
        const qint64 start = nowNs();
        sendKey(edit, Qt::Key_Backspace, QString()); // empty again: the whole index
        QApplication::processEvents();               // layout and paint
        times.push_back(nowNs() - start);
    }
    std::ranges::sort(times);
    return times[times.size() / 2] / 1e6;
}

class FirstPaint : public QObject
{
protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!m_seen && event->type() == QEvent::Paint && watched->isWidgetType()
            && static_cast<QWidget *>(watched)->isWindow()) {
            m_seen = true;
            auto *window = static_cast<QWidget *>(watched);
            // Runs once the whole window has been painted and flushed.
            QTimer::singleShot(0, [window] { report(window); });
        }
        return false;
    }

private:
    static void report(QWidget *window)
    {
        CALLGRIND_DUMP_STATS_AT("first paint");
        const qint64 elapsed = nowNs() - qgetenv("ORBISCO_BENCH_T0").toLongLong();
        std::printf("first_paint_ms %.3f\n", elapsed / 1e6);
        // The window's local-time read-out, if it has one, starts from the event loop: wait there.
        const auto *readout = window->findChild<QLabel *>(QStringLiteral("Ortszeit"));
        if (!readout)
            return finish(window);
        auto *poll = new QTimer(window);
        const qint64 painted = nowNs();
        QObject::connect(poll, &QTimer::timeout, window, [=] {
            if (readout->text().isEmpty() && nowNs() - painted < 2'000'000'000)
                return;
            poll->stop();
            std::printf("local_time_ms %.3f\n", (nowNs() - painted) / 1e6);
            finish(window);
        });
        poll->start(0);
    }

    static void finish(QWidget *window)
    {
        const int keys = qEnvironmentVariableIntValue("ORBISCO_BENCH_KEYS");
        if (keys > 0)
            std::printf("keystroke_median_ms %.4f\n", medianKeystrokeMs(window, keys));
        std::fflush(stdout);
        QCoreApplication::exit(0);
    }

    bool m_seen = false;
};

void installProbe()
{
    qApp->installEventFilter(new FirstPaint);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installProbe)
