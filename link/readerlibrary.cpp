#include "readerlibrary.h"

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

QString readerLibraryPath(const QString &choice, const QString &applicationDir)
{
    if (choice == QLatin1String("virtual"))
        return applicationDir + QStringLiteral("/librfidvirtual.so");
    if (choice == QLatin1String("hid"))
        return applicationDir + QStringLiteral("/librfidhid.so");
    return choice;
}

} // namespace rfid
