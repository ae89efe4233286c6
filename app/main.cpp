#include <QApplication>
#include <QCommandLineParser>

#include <algorithm>
#include <cstdio>

#include "app/language.h"
#include "app/logpane.h"
#include "app/sessionlog.h"
#include "app/stopsignals.h"
#include "app/tform1.h"
#include "link/readerlibrary.h"

namespace {
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(rfid::main)
};

// The program's own options, their texts in the language installed now.
void addOptions(QCommandLineParser &parser)
{
    parser.setApplicationDescription(Texts::tr("Operator tool for 13.56 MHz card readers on USB HID."));
    parser.addOptions({
        {QStringLiteral("reader"), Texts::tr("Reader library: virtual, hid (default) or a path to a library."),
         QStringLiteral("virtual|hid|PATH"), QStringLiteral("hid")},
        {QStringLiteral("device"),
         Texts::tr("The reader to use when the library drives several (as the Reader menu lists them; "
                   "for the hid library also VID:PID or a hidraw path). RFID_HID_DEVICE wins when set."),
         QStringLiteral("ID")},
        {QStringLiteral("log-lines"),
         Texts::tr("Lines the log pane keeps (default %1); every line is also in the session log in %2.")
             .arg(rfid::LogPane::kDefaultMaxLines)
             .arg(rfid::SessionLog::defaultDir()),
         QStringLiteral("N")},
        {QStringLiteral("lang"),
         Texts::tr("Interface language for this run: zh or en (the Language menu's choice is kept for later runs)."),
         QStringLiteral("zh|en")},
        {QStringLiteral("all-pages"), Texts::tr("Show every page and group, the hidden ones included.")},
        {QStringLiteral("field"),
         Texts::tr("Virtual reader: put the cards of the dump files that FILE names (one a line) into its field."),
         QStringLiteral("FILE")},
        {QStringLiteral("save-field"),
         Texts::tr("Virtual reader: save its cards as Flipper NFC files into DIR when the window closes."),
         QStringLiteral("DIR")},
    });
}

// This run's language: --lang's when it names one, else the Language menu's.
rfid::UiLanguage runLanguage(const QStringList &arguments)
{
    return rfid::languageOption(arguments).value_or(rfid::rememberedLanguage());
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("RFID"));
    QCoreApplication::setApplicationVersion(QStringLiteral(RFID_VERSION));

    QCommandLineParser parser;
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();

    // --help and --version answer without a display (a terminal over SSH, a
    // packaging script): they are handled before the window system starts.
    // Other errors wait for the full parse below, which also knows the
    // window system's own options (-platform, -style ...). The translator
    // goes with this block: the window records its captions untranslated.
    const bool helpAll = std::any_of(argv + 1, argv + argc, [](const char *a) { return qstrcmp(a, "--help-all") == 0; });
    if (helpAll) {
        // It lists the window system's options too, which takes a QApplication:
        // one on no screen serves, so that it also answers without a display.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QApplication helpApp(argc, argv);
        rfid::LanguageSwitch texts;
        texts.apply(runLanguage(QCoreApplication::arguments()));
        addOptions(parser);
        parser.process(helpApp);   // shows the help and exits
    }
    {
        QCoreApplication early(argc, argv);
        rfid::LanguageSwitch texts;
        texts.apply(runLanguage(QCoreApplication::arguments()));
        addOptions(parser);
        parser.parse(QCoreApplication::arguments());
        if (parser.isSet(version))
            parser.showVersion();
        if (parser.isSet(help))
            parser.showHelp();
    }

    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("RFID"));
    parser.process(app);
    rfid::UiLanguage language = rfid::UiLanguage::Chinese;
    int lines = 0;
    {
        rfid::LanguageSwitch texts;
        texts.apply(runLanguage(QCoreApplication::arguments()));
        if (parser.isSet(QStringLiteral("log-lines"))) {
            bool ok = false;
            lines = parser.value(QStringLiteral("log-lines")).toInt(&ok);
            if (!ok || lines < 1) {
                std::fprintf(stderr, "%s\n",
                             qPrintable(Texts::tr("--log-lines takes a whole number of 1 or more, not \"%1\"")
                                            .arg(parser.value(QStringLiteral("log-lines")))));
                return 1;
            }
        }
        language = rfid::rememberedLanguage();
        if (parser.isSet(QStringLiteral("lang"))) {
            const auto chosen = rfid::languageFromCode(parser.value(QStringLiteral("lang")));
            if (!chosen) {
                std::fprintf(stderr, "%s: %s\n", qPrintable(QCoreApplication::applicationName()),
                             qPrintable(Texts::tr("--lang takes zh or en, not \"%1\"").arg(parser.value(QStringLiteral("lang")))));
                return 1;
            }
            language = *chosen;
        }
    }

    rfid::WindowOptions options;
    options.language = language;
    options.readerPath = rfid::readerLibraryPath(parser.value(QStringLiteral("reader")), QCoreApplication::applicationDirPath());
    options.allPages = parser.isSet(QStringLiteral("all-pages"));
    options.fieldFile = parser.value(QStringLiteral("field"));
    options.saveFieldDir = parser.value(QStringLiteral("save-field"));
    options.logLines = lines;
    options.device = parser.value(QStringLiteral("device"));

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
