// Run by the install test: the virtual reader as an installed rfid in BINDIR
// finds it (its private library folder, not the build tree), loaded
// and asked for the output format, whose answer must be a success frame.
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cstdio>

#include "../../link/hextext.h"
#include "../../link/readerlibrary.h"
#include "../../link/transport.h"

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: installed_reader BINDIR PREFIX\n");
        return 2;
    }
    const QString prefix = QDir::cleanPath(args[2]);
    const QString path = rfid::readerLibraryPath(QStringLiteral("virtual"), QDir::cleanPath(args[1]));
    std::printf("virtual reader: %s\n", qPrintable(path));
    if (!path.startsWith(prefix + u'/') || !QFileInfo(path).isFile()) {
        std::fprintf(stderr, "not an installed library under %s\n", qPrintable(prefix));
        return 1;
    }
    rfid::ReaderLibrary library(path);
    const rfid::ExchangeResult r = rfid::exchange(library, rfid::hexToBytes(QStringLiteral("AA 00 01 83 82 BB")));
    std::printf("answer: %s\n", qPrintable(r.recdata));
    if (!r.error.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(r.error));
        return 1;
    }
    // Start byte, address 00, then status 00 (success) as the fourth byte.
    return r.recdata.startsWith(QStringLiteral("AA00")) && r.recdata.mid(6, 2) == QStringLiteral("00") ? 0 : 1;
}
