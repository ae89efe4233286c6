// Soak: one repeat loop against the virtual reader for a given time, with the
// resident memory and the log's size sampled every 10 s.
// Usage: soak [seconds=600] [check box=CheckBox2] [pause ms=10] [clear]
// With "clear" the log is emptied after each sample, so that what remains of
// the growth is the tool's own.
#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTimer>

#include <cstdio>
#include <fstream>

#include "app/logpane.h"
#include "app/tform1.h"

using namespace rfid;

namespace {
long residentKiB()
{
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * 4;
}
} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int seconds = args.size() > 1 ? args[1].toInt() : 600;
    const QString boxName = args.size() > 2 ? args[2] : QStringLiteral("CheckBox2");
    const QString pause = args.size() > 3 ? args[3] : QStringLiteral("10");
    const bool clearLog = args.size() > 4 && args[4] == QLatin1String("clear");

    WindowOptions options;
    options.readerPath = QCoreApplication::applicationDirPath() + QStringLiteral("/librfidvirtual.so");
    options.allPages = true;
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
    std::printf("seconds,rss_kib,log_lines\n");
    auto sample = [&] {
        window.logPane()->flush();
        std::printf("%lld,%ld,%d\n", clock.elapsed() / 1000, residentKiB(), window.logPane()->blockCount());
        std::fflush(stdout);
        if (clearLog)
            window.logPane()->clearAll();
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
    return QApplication::exec();
}
