// What a command page may use of the main window: framing and transport, the
// waits, the shared response text and the log.
#pragma once

#include <QString>

namespace rfid {

class CommandHost
{
public:
    virtual ~CommandHost() = default;

    // Frames a command (command code first) with the reader address and
    // exchanges it. Returns this exchange's own response text, "" for none.
    virtual QString Send(const QString &command) = 0;
    // Exchanges a complete frame given as hex text, exactly as given.
    virtual QString SendHex(const QString &frame) = 0;
    // Waits until own is non-empty or ms have passed, serving events meanwhile.
    virtual void Delay(int ms, const QString &own) = 0;
    // Waits ms, serving events meanwhile.
    virtual void Delayy(int ms) = 0;
    // Adds one entry to the log pane; a CR LF inside or at its end breaks lines.
    virtual void log(const QString &entry) = 0;
    // The shared response text (card reports from the serial port land here too).
    virtual QString recdata() const = 0;
    virtual void clearRecdata() = 0;
    // Selects the reader address item ("00" to "20") that every frame carries.
    virtual void setAddress(const QString &item) = 0;
    // The selected reader address item, as the combo shows it ("0a").
    virtual QString address() const = 0;
};

} // namespace rfid
