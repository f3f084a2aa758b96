// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

// `make bench`: what the program demonstrates, measured. For every interval and bound: the
// computed side (the search and the right list filled), the stored side (the left list filled from
// its stored list), the bare search per remainder operation against the machine's limit for that
// instruction, and a whole interval click on the real window. Then start-up and peak memory of the
// program against a minimal Qt window, as whole processes. Prints one table and the targets (the
// search at the speed of bare remainders, an honest demonstration, a window that adds little, a
// quick start in little memory) as ratios within this one run; no absolute time is judged, the
// machines are shared.
#include "form_texts.h"
#include "kernels.h"
#include "main_form.h"
#include "startup_probe.h"
#include "timings_window.h"
#include "trial_division.h"
#include "widgets.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QTest>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

MainForm* shownForm = nullptr; // the real window, shown offscreen

constexpr int intervalCount = static_cast<int>(primes::intervals.size());
constexpr int methodCount = static_cast<int>(primes::methodCount);
constexpr int startupRuns = 9;

std::int16_t intervalOf(const benchmark::State& state)
{
    return static_cast<std::int16_t>(state.range(0));
}

std::int16_t methodOf(const benchmark::State& state)
{
    return static_cast<std::int16_t>(state.range(1));
}

// The bare search, as the window's FindPrimes calls it.
void search(benchmark::State& state)
{
    for (auto _ : state) {
        primes::Search found = primes::findPrimes(intervalOf(state), methodOf(state));
        benchmark::DoNotOptimize(found.primes.data());
    }
}

// As many remainders as the search performs for this interval and bound, and nothing else.
void baseline(benchmark::State& state)
{
    const std::int64_t operations
        = primes::findPrimes(intervalOf(state), methodOf(state)).remainderOperations;
    for (auto _ : state)
        bench::remainderBaseline(operations);
}

// The two sides as the window itself measures them for the times it shows: each iteration is a
// real interval click, and its time is the window's own figure for that side.
void clickAndRead(benchmark::State& state, std::int16_t method, form::Timing form::LastClick::*side)
{
    shownForm->option2().at(static_cast<std::size_t>(method))->click();
    QAbstractButton* option = shownForm->option1().at(static_cast<std::size_t>(intervalOf(state)));
    for (auto _ : state) {
        option->click();
        state.SetIterationTime(
            static_cast<double>((shownForm->lastClick().*side).nanoseconds) * 1e-9);
    }
}

// The stored side: the left list refilled from its stored list. It does not depend on the bound,
// so the quickest one keeps the clicks short.
void storedSide(benchmark::State& state) { clickAndRead(state, 2, &form::LastClick::stored); }

// The computed side: FindPrimes, the search and the right list refilled with its result.
void computedSide(benchmark::State& state)
{
    clickAndRead(state, methodOf(state), &form::LastClick::computed);
}

// A whole interval click on the real window, until it has laid out and painted the result.
void click(benchmark::State& state)
{
    shownForm->option2().at(static_cast<std::size_t>(methodOf(state)))->click();
    QAbstractButton* option = shownForm->option1().at(static_cast<std::size_t>(intervalOf(state)));
    for (auto _ : state) {
        option->click();
        QCoreApplication::processEvents();
    }
}

// The same click with «Измервания» open, which follows it: its table and chart drawn anew too.
void clickWithTimings(benchmark::State& state)
{
    shownForm->showTimings();
    QCoreApplication::processEvents();
    click(state);
    shownForm->timingsWindow()->close();
}

// A click that measures nothing: a bound button, which only records the bound. What a user waits
// for beyond it is what an interval click's work and measurement cost.
void bareClick(benchmark::State& state)
{
    QAbstractButton* option = shownForm->option2().at(2);
    for (auto _ : state) {
        option->click();
        QCoreApplication::processEvents();
    }
}

void everyIntervalAndMethod(benchmark::internal::Benchmark* b)
{
    b->ArgNames({ "interval", "method" });
    for (int i = 0; i < intervalCount; ++i) {
        for (int m = 0; m < methodCount; ++m)
            b->Args({ i, m });
    }
}

// Keeps the median of each benchmark's repetitions, in nanoseconds, and shows progress on stderr;
// the one table is printed from these at the end. (--benchmark_out=FILE keeps every run.)
class MedianCollector : public benchmark::BenchmarkReporter {
public:
    std::map<std::string, double> nanoseconds;

    bool ReportContext(const Context&) override
    {
        std::fprintf(stderr, "Benchmarks (about a minute): ");
        return true;
    }

    void Finalize() override { std::fprintf(stderr, " done.\nStart-up of the programs: "); }

    void ReportRuns(const std::vector<Run>& runs) override
    {
        std::fprintf(stderr, ".");
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Aggregate || run.aggregate_name != "median")
                continue;
            // Manual time is the window's own measurement; everything else is CPU time.
            const bool manual = run.run_name.time_type == "manual_time";
            nanoseconds[run.run_name.function_name + "/" + run.run_name.args]
                = (manual ? run.GetAdjustedRealTime() : run.GetAdjustedCPUTime())
                * toNanoseconds(run.time_unit);
        }
    }

private:
    static double toNanoseconds(benchmark::TimeUnit unit)
    {
        switch (unit) {
        case benchmark::kNanosecond:
            return 1.0;
        case benchmark::kMicrosecond:
            return 1e3;
        case benchmark::kMillisecond:
            return 1e6;
        case benchmark::kSecond:
            return 1e9;
        }
        return 1.0;
    }
};

std::string key(const char* name, int interval, int method = -1)
{
    std::string k = std::string(name) + "/interval:" + std::to_string(interval);
    if (method >= 0)
        k += "/method:" + std::to_string(method);
    return k;
}

std::string duration(double ns)
{
    char text[32];
    if (ns < 1e3)
        std::snprintf(text, sizeof text, "%.0f ns", ns);
    else if (ns < 1e6)
        std::snprintf(text, sizeof text, "%.1f µs", ns / 1e3);
    else
        std::snprintf(text, sizeof text, "%.2f ms", ns / 1e6);
    return text;
}

double median(std::vector<double> values)
{
    if (values.empty())
        return NAN;
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

std::string cpuModel()
{
    std::ifstream cpuinfo("/proc/cpuinfo");
    for (std::string line; std::getline(cpuinfo, line);) {
        if (line.rfind("model name", 0) == 0)
            return line.substr(line.find(':') + 2);
    }
    return "unknown CPU";
}

const char* verdict(bool met) { return met ? "met" : "NOT MET"; }

// Start-up and peak memory of one program, medians over the runs.
struct Startup {
    double secondsToMap = 0;
    double seconds = 0; // to the window drawn: what the user sees
    double mebibytes = 0;
};

struct Startups {
    Startup program, emptyWindow, textWindow;
    std::string error; // empty when measured
};

// Alternates the three programs so that all see the same machine, after one unmeasured start of
// each to warm the file cache.
Startups measureStartups()
{
    Startups result;
    bench::StartupProbe probe;
    const char* paths[] = { PROGRAM_PATH, MINIMAL_WINDOW_PATH, MINIMAL_TEXT_WINDOW_PATH };
    Startup* results[] = { &result.program, &result.emptyWindow, &result.textWindow };
    std::vector<double> mapSeconds[3], seconds[3], mebibytes[3];
    for (int run = -1; run < startupRuns; ++run) {
        for (std::size_t p = 0; p < 3; ++p) {
            const auto measured = probe.measure(paths[p]);
            if (!measured) {
                result.error = probe.error();
                return result;
            }
            if (run < 0)
                continue;
            mapSeconds[p].push_back(measured->secondsToMap);
            seconds[p].push_back(measured->secondsToDraw);
            mebibytes[p].push_back(measured->peakMebibytes);
        }
    }
    for (std::size_t p = 0; p < 3; ++p)
        *results[p] = { median(mapSeconds[p]), median(seconds[p]), median(mebibytes[p]) };
    return result;
}

void report(
    const std::map<std::string, double>& ns, const Startups& startup, const std::string& chartData)
{
    auto at = [&ns](const std::string& k) {
        const auto found = ns.find(k);
        return found == ns.end() ? NAN : found->second;
    };
    std::printf(
        "\nMachine: %s, %u logical CPUs. Time per call, medians of 5 repetitions: CPU time, "
        "but the two sides as the window's own clock measures them.\n\n",
        cpuModel().c_str(), std::max(1u, std::thread::hardware_concurrency()));
    std::printf("| interval | bound | remainder ops | computed side | stored side | computed / "
                "stored | bare search | ns per op | baseline ns per op | whole click |\n");
    std::printf("|---|---|---:|---:|---:|---:|---:|---:|---:|---:|\n");

    std::vector<double> demonstrated; // ns per op of every row of at least 600 operations
    std::ofstream chart;
    if (!chartData.empty())
        chart.open(chartData);
    chart << "# interval_end stored_ns computed_ns_bound0 computed_ns_bound1 computed_ns_bound2\n";
    for (int i = 0; i < intervalCount; ++i) {
        const double stored = at(key("storedSide", i));
        chart << primes::intervals[static_cast<std::size_t>(i)].last << ' ' << stored;
        for (int m = 0; m < methodCount; ++m) {
            const auto ops
                = primes::findPrimes(static_cast<std::int16_t>(i), static_cast<std::int16_t>(m))
                      .remainderOperations;
            const double computed = at(key("computedSide", i, m));
            const double bare = at(key("search", i, m));
            const double base = at(key("baseline", i, m));
            const double perOp = ops > 0 ? bare / static_cast<double>(ops) : NAN;
            if (ops >= 600)
                demonstrated.push_back(perOp);
            std::printf("| %s | %s | %lld | %s | %s | %.1f | %s | %.2f | %.2f | %s |\n",
                texts::intervalCaptions[i], texts::methodCaptions[m], static_cast<long long>(ops),
                duration(computed).c_str(), duration(stored).c_str(), computed / stored,
                duration(bare).c_str(), perOp, ops > 0 ? base / static_cast<double>(ops) : NAN,
                duration(at(key("click", i, m))).c_str());
            chart << ' ' << computed;
        }
        chart << '\n';
    }

    // The same wait on a browser's clock comes from bench/browser, per engine.
    const double bare = at("bareClick/");
    std::printf("\nThe click's wait beyond a bare click (a bound button), Qt window, bound %s, "
                "CPU time:\n\n| window |",
        texts::methodCaptions[2]);
    for (int i = 0; i < intervalCount; ++i)
        std::printf(" %s |", texts::intervalCaptions[i]);
    std::printf("\n|---|");
    for (int i = 0; i < intervalCount; ++i)
        std::printf("---:|");
    std::printf("\n| Qt |");
    double slowestSmall = 0;
    for (int i = 0; i < intervalCount; ++i) {
        const double beyond = at(key("click", i, 2)) - bare;
        if (i < intervalCount - 1)
            slowestSmall = std::max(slowestSmall, beyond);
        std::printf(" %s |", duration(beyond).c_str());
    }
    std::printf("\n| Qt, with «Измервания» open |");
    double mostForTimings = 0;
    for (int i = 0; i < intervalCount; ++i) {
        const double with = at(key("clickWithTimings", i, 2));
        mostForTimings = std::max(mostForTimings, with - at(key("click", i, 2)));
        std::printf(" %s |", duration(with - bare).c_str());
    }
    std::printf("\n");

    if (startup.error.empty()) {
        std::printf("\nStart-up to the first shown window and peak resident memory, whole "
                    "processes on Xvfb, medians of %d runs:\n\n",
            startupRuns);
        std::printf("| program | window mapped | window drawn (start-up) | peak memory "
                    "|\n|---|---:|---:|---:|\n");
        const std::pair<const char*, Startup> rows[] = { { "prime-intervals", startup.program },
            { "minimal Qt window with a line of text", startup.textWindow },
            { "minimal Qt window, empty", startup.emptyWindow } };
        for (const auto& [name, row] : rows)
            std::printf("| %s | %.1f ms | %.1f ms | %.1f MiB |\n", name, row.secondsToMap * 1e3,
                row.seconds * 1e3, row.mebibytes);
    } else {
        std::printf("\nStart-up not measured: %s.\n", startup.error.c_str());
    }

    std::printf("\nTargets (ratios within this run):\n");
    for (int m = 0; m < methodCount; ++m) {
        const double ratio = at(key("search", 3, m)) / at(key("baseline", 3, m));
        std::printf("- search speed, %s, %s: %.2f x the baseline kernel (target at most 1.10): "
                    "%s\n",
            texts::intervalCaptions[3], texts::methodCaptions[m], ratio, verdict(ratio <= 1.10));
    }
    const double middle = median(demonstrated);
    double spread = 0;
    for (const double perOp : demonstrated)
        spread = std::max(spread, std::abs(perOp / middle - 1));
    std::printf("- honest demonstration: ns per op %.2f to %.2f over the %zu rows of at least 600 "
                "ops, at most %.1f %% from their median %.2f (target within 15 %%): %s\n",
        *std::min_element(demonstrated.begin(), demonstrated.end()),
        *std::max_element(demonstrated.begin(), demonstrated.end()), demonstrated.size(),
        spread * 100, middle, verdict(spread <= 0.15));
    const double clickRatio = at(key("click", 3, 2)) / at(key("search", 3, 2));
    std::printf("- the window adds little: a whole click on %s with %s takes %.2f x its bare "
                "search (target at most 3): %s\n",
        texts::intervalCaptions[3], texts::methodCaptions[2], clickRatio, verdict(clickRatio <= 3));
    std::printf("- a click answers at once: on the three smaller intervals it waits at most %s "
                "beyond a bare click (target at most 50 ms): %s\n",
        duration(slowestSmall).c_str(), verdict(slowestSmall <= 50e6));
    std::printf("- «Измервания» open costs a click at most %s more (target at most 10 ms): %s\n",
        duration(mostForTimings).c_str(), verdict(mostForTimings <= 10e6));
    if (startup.error.empty()) {
        // Judged against the window with a line of text in the same font: finding the font is
        // the price of showing any text.
        const Startup& reference = startup.textWindow;
        const double startRatio = startup.program.seconds / reference.seconds;
        const double extra = startup.program.mebibytes - reference.mebibytes;
        std::printf("- start-up: %.2f x the minimal Qt window with a line of text (target at most "
                    "1.15): %s; mapped %.2f x as late; %.2f x the empty one\n",
            startRatio, verdict(startRatio <= 1.15),
            startup.program.secondsToMap / reference.secondsToMap,
            startup.program.seconds / startup.emptyWindow.seconds);
        std::printf("- peak memory: %+.1f MiB over the minimal Qt window with a line of text "
                    "(target at most 5): %s; %+.1f MiB over the empty one\n",
            extra, verdict(extra <= 5), startup.program.mebibytes - startup.emptyWindow.mebibytes);
    } else {
        std::printf("- start-up and peak memory: not measured\n");
    }
}

// The clicks named in `plan` ("Option2(0) Option1(3)" …), in order, on the window just opened, each
// a mouse click as a user's; after each, a line with the click and the two times as the window
// shows them (bench/class_sequence). False if a name is no button of the window.
bool clickThrough(MainForm& window, const std::string& plan, const std::string& out)
{
    std::ofstream lines(out);
    std::istringstream names(plan);
    for (std::string name; names >> name;) {
        auto* button = window.findChild<QAbstractButton*>(QString::fromStdString(name));
        if (!button) {
            std::fprintf(stderr, "no button %s in the window\n", name.c_str());
            return false;
        }
        QTest::mouseClick(button, Qt::LeftButton);
        QCoreApplication::processEvents();
        lines << "click\t" << name << '\t' << window.label2()[0]->text().toStdString() << '\t'
              << window.label2()[1]->text().toStdString() << '\n';
    }
    return bool(lines);
}

} // namespace

BENCHMARK(search)->Apply(everyIntervalAndMethod);
BENCHMARK(baseline)->Apply(everyIntervalAndMethod);
// A fixed number of clicks: each is timed by the window in nanoseconds, but takes it milliseconds
// of repeats, so a minimum of manual time would mean millions of them.
BENCHMARK(storedSide)
    ->ArgName("interval")
    ->DenseRange(0, intervalCount - 1)
    ->UseManualTime()
    ->Iterations(30);
BENCHMARK(computedSide)->Apply(everyIntervalAndMethod)->UseManualTime()->Iterations(30);
BENCHMARK(click)->Apply(everyIntervalAndMethod);
BENCHMARK(clickWithTimings)->Apply([](benchmark::internal::Benchmark* b) {
    b->ArgNames({ "interval", "method" });
    for (int i = 0; i < intervalCount; ++i)
        b->Args({ i, 2 });
});
BENCHMARK(bareClick);

int main(int argc, char* argv[])
{
    // Our options: where to write the chart's data (nowhere without it), and the clicks to make
    // on the window as soon as it opens and where to write what it showed (bench/class_sequence);
    // everything else is Google Benchmark's.
    std::string chartData, clicks, clicksOut;
    std::vector<char*> args;
    for (int i = 0; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.rfind("--chart-data=", 0) == 0)
            chartData = arg.substr(13);
        else if (arg.rfind("--clicks=", 0) == 0)
            clicks = arg.substr(9);
        else if (arg.rfind("--clicks-out=", 0) == 0)
            clicksOut = arg.substr(13);
        else
            args.push_back(argv[i]);
    }
    // Defaults that the command line may override: medians of 5 repetitions, interleaved so that
    // a slow moment of the shared machine does not fall on one benchmark only.
    std::string repetitions = "--benchmark_repetitions=5";
    std::string aggregatesOnly = "--benchmark_report_aggregates_only=true";
    std::string interleave = "--benchmark_enable_random_interleaving=true";
    std::string minTime = "--benchmark_min_time=0.1";
    args.insert(args.begin() + 1,
        { repetitions.data(), aggregatesOnly.data(), interleave.data(), minTime.data() });
    int count = static_cast<int>(args.size());

    // The window in this process is offscreen; the programs whose start-up is measured get the
    // X display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(count, args.data());
    QApplication::setFont(MainForm::designFont());
    MainForm window;
    window.show();
    shownForm = &window;
    // Before anything else has run in this process: the window's first click is a pupil's first.
    QCoreApplication::processEvents();
    if (!clicks.empty() && !clickThrough(window, clicks, clicksOut))
        return 1;

    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data()))
        return 1;
    MedianCollector collector;
    benchmark::RunSpecifiedBenchmarks(&collector);
    benchmark::Shutdown();

    const Startups startup = measureStartups();
    std::fprintf(stderr, "done.\n");
    report(collector.nanoseconds, startup, chartData);
    return 0;
}
