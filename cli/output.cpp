#include "cli/output.h"

#include <QJsonDocument>

#include <cstdio>

#include "link/response.h"

namespace rfid::cli {

namespace {
void write(FILE *to, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), to);
}
} // namespace

void Output::entry(const QString &entry)
{
    QString text = entry;
    text.replace(kCrLf, QStringLiteral("\n"));
    write(m_json ? stderr : stdout, text + u'\n');
}

void Output::line(const QString &line)
{
    write(stdout, line + u'\n');
}

void Output::text(const QString &text)
{
    write(stdout, text);
}

void Output::json(const QJsonObject &object)
{
    write(stdout, QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact)) + u'\n');
}

void Output::flush()
{
    std::fflush(stdout);
    std::fflush(stderr);
}

void Output::refusal(const QString &command, const QString &line, int exit)
{
    if (!m_json) {
        entry(line);
        return;
    }
    QString text = line;
    text.remove(kCrLf);
    json({{"command", command}, {"outcome", QStringLiteral("refused field")}, {"reasonText", text}, {"exit", exit}});
}

void Output::notOpened(const QString &command, const QString &error)
{
    if (!m_json) {
        entry(error);
        return;
    }
    json({{"command", command}, {"outcome", QStringLiteral("not opened")}, {"reasonText", error}, {"exit", 4}});
}

} // namespace rfid::cli
