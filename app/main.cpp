#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>

#include "app/language.h"
#include "link/readerlibrary.h"
#include "logpane.h"
#include "sessionlog.h"
#include "stopsignals.h"
#include "tform1.h"

int main(int argc, char *argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("RFID"));
    QCoreApplication::setApplicationVersion(QStringLiteral(RFID_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Operator tool for 13.56 MHz card readers on USB HID."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption reader(QStringLiteral("reader"),
                                    QStringLiteral("Reader library: virtual, hid (default) or a path to a library."),
                                    QStringLiteral("virtual|hid|PATH"), QStringLiteral("hid"));
    const QCommandLineOption allPages(QStringLiteral("all-pages"),
                                      QStringLiteral("Show every page and group, the hidden ones included."));
    const QCommandLineOption field(QStringLiteral("field"),
                                   QStringLiteral("Virtual reader: put the cards of the dump files that FILE names "
                                                  "(one a line) into its field."),
                                   QStringLiteral("FILE"));
    const QCommandLineOption saveField(QStringLiteral("save-field"),
                                       QStringLiteral("Virtual reader: save its cards as Flipper NFC files into "
                                                      "DIR when the window closes."),
                                       QStringLiteral("DIR"));
    const QCommandLineOption lang(QStringLiteral("lang"),
                                  QStringLiteral("Interface language for this run: zh or en (the Language menu's "
                                                 "choice is kept for later runs)."),
                                  QStringLiteral("zh|en"));
    const QCommandLineOption logLines(
        QStringLiteral("log-lines"),
        QStringLiteral("Lines the log pane keeps (default %1); every line is also in the session log in %2.")
            .arg(rfid::LogPane::kDefaultMaxLines)
            .arg(rfid::SessionLog::defaultDir()),
        QStringLiteral("N"));
    const QCommandLineOption device(
        QStringLiteral("device"),
        QStringLiteral("The reader to use when the library drives several (as the Reader menu lists them; "
                       "for the hid library also VID:PID or a hidraw path). RFID_HID_DEVICE wins when set."),
        QStringLiteral("ID"));
    parser.addOption(reader);
    parser.addOption(device);
    parser.addOption(logLines);
    parser.addOption(lang);
    parser.addOption(allPages);
    parser.addOption(field);
    parser.addOption(saveField);

    // --help and --version answer without a display (a terminal over SSH, a
    // packaging script): they are handled before the window system starts.
    // Other errors wait for the full parse below, which also knows the
    // window system's own options (-platform, -style ...).
    {
        QCoreApplication early(argc, argv);
        parser.parse(QCoreApplication::arguments());
        if (parser.isSet(version))
            parser.showVersion();
        if (parser.isSet(help))
            parser.showHelp();
    }

    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("RFID"));
    parser.process(app);
    int lines = 0;
    if (parser.isSet(logLines)) {
        bool ok = false;
        lines = parser.value(logLines).toInt(&ok);
        if (!ok || lines < 1) {
            std::fprintf(stderr, "--log-lines takes a whole number of 1 or more, not \"%s\"\n",
                         qPrintable(parser.value(logLines)));
            return 1;
        }
    }

    rfid::UiLanguage language = rfid::rememberedLanguage();
    if (parser.isSet(lang)) {
        const auto chosen = rfid::languageFromCode(parser.value(lang));
        if (!chosen) {
            std::fprintf(stderr, "%s: --lang takes zh or en, not \"%s\"\n", qPrintable(QCoreApplication::applicationName()),
                         qPrintable(parser.value(lang)));
            return 1;
        }
        language = *chosen;
    }

    rfid::WindowOptions options;
    options.language = language;
    options.readerPath = rfid::readerLibraryPath(parser.value(reader), QCoreApplication::applicationDirPath());
    options.allPages = parser.isSet(allPages);
    options.fieldFile = parser.value(field);
    options.saveFieldDir = parser.value(saveField);
    options.logLines = lines;
    options.device = parser.value(device);

    // Before the window: a signal during start-up is served once the loop runs.
    rfid::StopSignals stopSignals;
    rfid::TForm1 window(options);
    // The same end as a window close; quit as well, in case a dialog runs a
    // loop of its own.
    QObject::connect(&stopSignals, &rfid::StopSignals::stopRequested, &window, [&window] {
        window.close();
        QCoreApplication::quit();
    });
    window.show();
    return QApplication::exec();
}
