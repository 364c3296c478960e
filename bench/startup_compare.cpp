// Starts Orbisco and a bare Qt Widgets window side by side, alternately, many times, and compares
// the median time from exec to the first painted window, the peak resident memory, and the median
// time of a keystroke that lists the whole index; and how long after its first paint Orbisco shows
// the start-up country's local time.
//   startup_compare ORBISCO_PROBE BARE_PROBE [runs]
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

namespace {

struct Run
{
    double firstPaintMs = -1;
    double keystrokeMs = -1;
    double localTimeMs = -1;
    long peakRssKiB = 0;
};

long long nowNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1'000'000'000LL + ts.tv_nsec;
}

Run launch(const char *program, int keys)
{
    int out[2];
    if (pipe(out) != 0)
        std::exit(2);
    const long long t0 = nowNs();
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        setenv("ORBISCO_BENCH_T0", std::to_string(t0).c_str(), 1);
        setenv("ORBISCO_BENCH_KEYS", std::to_string(keys).c_str(), 1);
        execl(program, program, static_cast<char *>(nullptr));
        _exit(127);
    }
    close(out[1]);
    std::string text;
    char buffer[256];
    for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;)
        text.append(buffer, size_t(n));
    close(out[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    Run run;
    run.peakRssKiB = usage.ru_maxrss;
    if (const char *p = std::strstr(text.c_str(), "first_paint_ms "))
        run.firstPaintMs = std::atof(p + 15);
    if (const char *p = std::strstr(text.c_str(), "local_time_ms "))
        run.localTimeMs = std::atof(p + 14);
    if (const char *p = std::strstr(text.c_str(), "keystroke_median_ms "))
        run.keystrokeMs = std::atof(p + 20);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || run.firstPaintMs < 0) {
        std::fprintf(stderr, "%s did not report its first paint\n", program);
        std::exit(1);
    }
    return run;
}

template <typename F>
double median(const std::vector<Run> &runs, F field)
{
    std::vector<double> values;
    for (const Run &run : runs)
        values.push_back(double(field(run)));
    std::ranges::sort(values);
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s ORBISCO_PROBE BARE_PROBE [runs]\n", argv[0]);
        return 2;
    }
    const int runs = argc > 3 ? std::atoi(argv[3]) : 20;
    std::vector<Run> orbisco, bare;
    launch(argv[1], 0); // warm the file cache for both
    launch(argv[2], 0);
    for (int i = 0; i < runs; ++i) {
        orbisco.push_back(launch(argv[1], 0));
        bare.push_back(launch(argv[2], 0));
    }
    const Run keys = launch(argv[1], 200);
    const Run bareKeys = launch(argv[2], 200);

    const double o = median(orbisco, [](const Run &r) { return r.firstPaintMs; });
    const double b = median(bare, [](const Run &r) { return r.firstPaintMs; });
    const double om = median(orbisco, [](const Run &r) { return r.peakRssKiB; });
    const double bm = median(bare, [](const Run &r) { return r.peakRssKiB; });
    std::printf("runs each                     %d\n", runs);
    std::printf("exec to first paint, median   orbisco %.1f ms   bare %.1f ms   ratio %.2f"
                " (target <= 1.30)\n",
                o, b, o / b);
    std::printf("peak resident memory, median  orbisco %.1f MiB  bare %.1f MiB  above %.2f MiB"
                " (target <= 8)\n",
                om / 1024, bm / 1024, (om - bm) / 1024);
    std::printf("first paint to local time shown, median   orbisco %.1f ms (target < 100)\n",
                median(orbisco, [](const Run &r) { return r.localTimeMs; }));
    std::printf("keystroke listing all 243, median of 200   orbisco %.3f ms (target < 2)"
                "   bare %.3f ms\n",
                keys.keystrokeMs, bareKeys.keystrokeMs);
    return 0;
}
