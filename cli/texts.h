// The tool's own texts, through Qt's translation system in one context. The
// texts it shares with the window (field names, outcomes) are translated where
// the window translates them.
#pragma once

#include <QCoreApplication>

namespace rfid::cli {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(rfid::cli)
};

} // namespace rfid::cli
