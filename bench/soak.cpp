// Soak: one repeat loop against the virtual reader for a given time, with the
// resident memory and the log's size sampled every 10 s. At the end the
// session log on disk must hold every line the loop logged, and resident
// memory after the first minute must stay under 150 MiB.
// Usage: soak [seconds=600] [check box=CheckBox2] [pause ms=0] [clear]
// With "clear" the log pane is emptied after each sample.
#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <fstream>

#include "app/logpane.h"
#include "app/tform1.h"

using namespace rfid;

namespace {
constexpr long kResidentLimitKiB = 150 * 1024;
constexpr qint64 kSettleSeconds = 60;

long residentKiB()
{
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * 4;
}

qint64 linesInFile(const QString &path, qint64 *bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    qint64 lines = 0;
    QByteArray chunk;
    while (!(chunk = f.read(1 << 20)).isEmpty())
        lines += chunk.count("\r\n");
    *bytes = f.size();
    return lines;
}
} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int seconds = args.size() > 1 ? args[1].toInt() : 600;
    const QString boxName = args.size() > 2 ? args[2] : QStringLiteral("CheckBox2");
    const QString pause = args.size() > 3 ? args[3] : QStringLiteral("0");
    const bool clearLog = args.size() > 4 && args[4] == QLatin1String("clear");

    // The session log of a fast loop runs to gigabytes: kept out of the home.
    QTemporaryDir logs;
    WindowOptions options;
    options.readerPath = QCoreApplication::applicationDirPath() + QStringLiteral("/librfidvirtual.so");
    options.allPages = true;
    options.logDir = logs.path();
    TForm1 window(options);
    window.show();
    auto *box = window.findChild<QAbstractButton *>(boxName);
    if (!box) {
        std::fprintf(stderr, "no check box %s\n", qPrintable(boxName));
        return 2;
    }
    window.findChild<QLineEdit *>(QStringLiteral("Edit22"))->setText(pause);

    QElapsedTimer clock;
    clock.start();
    long settledMin = 0, settledMax = 0;
    std::printf("seconds,rss_kib,pane_lines,lines_logged\n");
    auto sample = [&] {
        LogPane *pane = window.logPane();
        pane->flush();
        const qint64 s = clock.elapsed() / 1000;
        const long rss = residentKiB();
        if (s >= kSettleSeconds) {
            settledMin = settledMin ? std::min(settledMin, rss) : rss;
            settledMax = std::max(settledMax, rss);
        }
        std::printf("%lld,%ld,%d,%lld\n", s, rss, pane->blockCount(), pane->linesAdded());
        std::fflush(stdout);
        if (clearLog)
            pane->clearAll();
    };
    QTimer sampler;
    QObject::connect(&sampler, &QTimer::timeout, &window, sample);
    sampler.start(10000);
    QTimer::singleShot(seconds * 1000, &window, [&] {
        sample();
        box->setChecked(false);   // the loop ends after its current pause
    });
    QTimer::singleShot(0, &window, [&] {
        sample();
        box->click();   // runs the loop until the box is cleared
        QApplication::quit();
    });
    QApplication::exec();

    const QStringList shown = window.logPane()->lines();
    std::printf("the pane ends in:\n");
    for (const QString &line : shown.mid(shown.size() - 4))
        std::printf("  %s\n", qPrintable(line));
    SessionLog *file = window.logPane()->sessionLog();
    file->flush();
    qint64 bytes = 0;
    const qint64 logged = window.logPane()->linesAdded();
    const qint64 onDisk = linesInFile(file->filePath(), &bytes);
    std::printf("session log: %lld lines (%.1f MiB), the loop logged %lld: %s\n", onDisk, double(bytes) / 1048576.0,
                logged, onDisk == logged ? "all there" : "MISMATCH");
    bool ok = onDisk == logged;
    if (settledMax) {
        std::printf("resident after the first minute: %.1f to %.1f MiB (limit %ld MiB)\n", settledMin / 1024.0,
                    settledMax / 1024.0, kResidentLimitKiB / 1024);
        ok = ok && settledMax < kResidentLimitKiB;
    }
    return ok ? 0 : 1;
}
