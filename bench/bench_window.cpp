// The window on the virtual reader: a whole command from click to its last
// log line, appending to a full log pane, and the cost of waiting.
#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <string>

#include "app/logpane.h"
#include "app/tform1.h"
#include "session/readersession.h"

using namespace rfid;

namespace {
std::unique_ptr<TForm1> g_window;
std::unique_ptr<QTemporaryDir> g_logs;   // the session log, written as in use, kept out of the home

TForm1 &window()
{
    if (!g_window) {
        g_logs = std::make_unique<QTemporaryDir>();
        WindowOptions options;
        options.logDir = g_logs->path();
        options.readerPath = QCoreApplication::applicationDirPath() + QStringLiteral("/librfidvirtual.so");
        options.allPages = true;
        g_window = std::make_unique<TForm1>(options);
        g_window->show();
        QCoreApplication::processEvents();
    }
    return *g_window;
}

double processorSeconds()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) + double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

long residentKiB()
{
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * 4;
}

void click(const char *name)
{
    window().findChild<QAbstractButton *>(QString::fromLatin1(name))->click();
}
} // namespace

// Read on the output format page: Send, the exchange, the wait (which ends at
// once on an answer), judging and five log lines.
static void BM_ReadFormatClick(benchmark::State &state)
{
    TForm1 &w = window();
    for (auto _ : state)
        click("Button25");
    state.counters["log_lines"] = double(w.logPane()->blockCount());
    w.logPane()->clearAll();
}
BENCHMARK(BM_ReadFormatClick)->Unit(benchmark::kMicrosecond);

static void BM_SetFormatClick(benchmark::State &state)
{
    TForm1 &w = window();
    w.findChild<QRadioButton *>(QStringLiteral("RadioButton15"))->setChecked(true);
    for (auto _ : state)
        click("Button24");
    w.logPane()->clearAll();
}
BENCHMARK(BM_SetFormatClick)->Unit(benchmark::kMicrosecond);

// Appending one log entry (to the pane and the session log) to a pane that
// already holds range(0) lines, then scrolling the pane through its whole
// length. The pane keeps its default bound of lines.
static void BM_LogAppend(benchmark::State &state)
{
    LogPane &pane = *window().logPane();
    pane.clearAll();
    const QString line = QStringLiteral("Read data success    03:07:45 PM");
    for (int64_t i = 0; i < state.range(0); ++i)
        pane.addEntry(line);
    pane.flush();
    QCoreApplication::processEvents();
    // Each entry goes into the document at once: the worst case, with no batching.
    for (auto _ : state) {
        pane.addEntry(line);
        pane.flush();
    }
    state.counters["lines"] = double(pane.blockCount());
    state.counters["rss_MiB"] = double(residentKiB()) / 1024.0;
    // Scrolling: 50 jumps across the pane, each painted.
    QScrollBar *bar = pane.verticalScrollBar();
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < 50; ++i) {
        bar->setValue(bar->maximum() / 50 * ((i * 17) % 50));
        pane.viewport()->repaint();
    }
    state.counters["scroll_ms"] = double(t.nsecsElapsed()) / 1e6 / 50;
    pane.clearAll();
}
BENCHMARK(BM_LogAppend)->Arg(1000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMicrosecond)->Iterations(2000);

// Processor time spent in a 1 s wait with no answer, in percent of one core.
static void BM_DelayWithoutAnswer(benchmark::State &state)
{
    TForm1 &w = window();
    double busy = 0, wall = 0;
    for (auto _ : state) {
        const double before = processorSeconds();
        QElapsedTimer t;
        t.start();
        w.session().sleepUnlessAnswered(1000, QString());
        busy += processorSeconds() - before;
        wall += double(t.elapsed()) / 1000.0;
    }
    state.counters["cpu_percent"] = 100.0 * busy / wall;
    state.counters["rss_MiB"] = double(residentKiB()) / 1024.0;
}
BENCHMARK(BM_DelayWithoutAnswer)->Iterations(3)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    g_window.reset();
    g_logs.reset();
    return 0;
}
