// The reader library, loaded at run time; both exports looked up by name.
#pragma once

#include <QLibrary>
#include <QString>

#include "readers/reader_api.h"

namespace rfid {

class ReaderLibrary
{
public:
    explicit ReaderLibrary(const QString &path);
    ~ReaderLibrary();   // keeps the module loaded: a library may hold reader state

    QString path() const { return m_path; }

    // Loads the library (once; a failed load is tried again on the next call)
    // and resolves both exports. On failure returns false with a message that
    // names the library and what is missing.
    bool resolve(QString *error);
    HidWriteDataFn write() const { return m_write; }
    HidReadDataFn read() const { return m_read; }

    // An optional export of the library's own ("reader..."), or null.
    QFunctionPointer optional(const char *name);

private:
    QString m_path;
    QLibrary m_library;
    HidWriteDataFn m_write = nullptr;
    HidReadDataFn m_read = nullptr;
};

// The folder of the reader libraries in an installed tree (such as lib/rfid
// beside bin/), found relative to the executable's folder so that a moved
// prefix still works.
QString installedReaderDir(const QString &applicationDir);

// The library path for a --reader choice: "virtual" and "hid" beside the
// executable (the build tree) when they are there, else in the installed
// folder; anything else as given.
QString readerLibraryPath(const QString &choice, const QString &applicationDir);

} // namespace rfid
