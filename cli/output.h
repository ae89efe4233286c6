// Where the tool's output goes: the window's log lines on standard output,
// or with --json one JSON object a line per exchange (log lines that belong
// to no exchange then go to standard error).
#pragma once

#include <QJsonObject>
#include <QObject>
#include <QString>

namespace rfid::cli {

class Output : public QObject
{
    Q_OBJECT
public:
    explicit Output(bool json)
        : m_json(json)
    {
    }
    bool json() const { return m_json; }

    // One log entry as the log pane shows it: CR LF breaks lines.
    void entry(const QString &entry);
    // A line of its own (no time stamp added).
    void line(const QString &line);
    // Text as it is (help).
    void text(const QString &text);
    void json(const QJsonObject &object);
    // Hands what was printed to the reader of the output (a pipe, a terminal).
    void flush();

    // A command refused before anything was sent.
    void refusal(const QString &command, const QString &line, int exit);
    // The reader library (or device) could not be used.
    void notOpened(const QString &command, const QString &error);

private:
    bool m_json;
};

} // namespace rfid::cli
