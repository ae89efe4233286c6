#include "readerlibrary.h"

#include <QDir>
#include <QFileInfo>

// Set by the build from the install folders; this is the default layout.
#ifndef RFID_READER_DIR_FROM_BIN
#define RFID_READER_DIR_FROM_BIN "../lib/rfid"
#endif

namespace rfid {

ReaderLibrary::ReaderLibrary(const QString &path)
    : m_path(path)
{
    m_library.setFileName(path);
}

ReaderLibrary::~ReaderLibrary() = default;

bool ReaderLibrary::resolve(QString *error)
{
    if (m_write && m_read)
        return true;
    if (!m_library.isLoaded() && !m_library.load()) {
        *error = QStringLiteral("Reader library %1 cannot be loaded: %2").arg(m_path, m_library.errorString());
        return false;
    }
    m_write = reinterpret_cast<HidWriteDataFn>(m_library.resolve("hidWriteData"));
    m_read = reinterpret_cast<HidReadDataFn>(m_library.resolve("hidReadData"));
    if (!m_write || !m_read) {
        // QLibrary's own text here is only "Unknown error".
        *error = QStringLiteral("Reader library %1 lacks the export %2")
                     .arg(m_path, QLatin1String(!m_write ? "hidWriteData" : "hidReadData"));
        m_write = nullptr;
        m_read = nullptr;
        return false;
    }
    return true;
}

QFunctionPointer ReaderLibrary::optional(const char *name)
{
    QString ignored;
    if (!m_library.isLoaded() && !m_library.load())
        return nullptr;
    return m_library.resolve(name);
}

QString installedReaderDir(const QString &applicationDir)
{
    return QDir::cleanPath(applicationDir + QStringLiteral("/" RFID_READER_DIR_FROM_BIN));
}

QString readerLibraryPath(const QString &choice, const QString &applicationDir)
{
    QString file;
    if (choice == QLatin1String("virtual"))
        file = QStringLiteral("/librfidvirtual.so");
    else if (choice == QLatin1String("hid"))
        file = QStringLiteral("/librfidhid.so");
    else
        return choice;
    if (QFileInfo::exists(applicationDir + file))
        return applicationDir + file;
    // Not found anywhere: the installed place, so that a message names it.
    return installedReaderDir(applicationDir) + file;
}

} // namespace rfid
