#include "protocol/outputformat.h"

#include <QCoreApplication>

#include "link/response.h"

namespace rfid::format {

namespace {
const Format kFormats[] = {
    {0x00, QT_TRANSLATE_NOOP("rfid::format", "2H4D + 2H4D ")},
    {0x01, QT_TRANSLATE_NOOP("rfid::format", "14 no. in HEX (7 byte)")},
    {0x02, QT_TRANSLATE_NOOP("rfid::format", "14 no. in HEX reverse (7 byte)")},
    {0x03, QT_TRANSLATE_NOOP("rfid::format", "8 no. in HEX reverse")},
    {0x05, QT_TRANSLATE_NOOP("rfid::format", "13 no. in D")},
    {0x06, QT_TRANSLATE_NOOP("rfid::format", "18 no. in D")},
    {0x07, QT_TRANSLATE_NOOP("rfid::format", "10 no. in HEX")},
    {0x08, QT_TRANSLATE_NOOP("rfid::format", "5 no. in D")},
    {0x09, QT_TRANSLATE_NOOP("rfid::format", "8 no. in D ")},
    {0x0A, QT_TRANSLATE_NOOP("rfid::format", "10 no. in D reverse")},
    {0x0B, QT_TRANSLATE_NOOP("rfid::format", "8 no. in D (last 3bytes)")},
    {0x0C, QT_TRANSLATE_NOOP("rfid::format", "8 no. in HEX")},
    {0x0D, QT_TRANSLATE_NOOP("rfid::format", "00+8 no. in D (last 3 bytes)")},
    {0x0E, QT_TRANSLATE_NOOP("rfid::format", "8 no. in D (The card last 3bytes)")},
    {0x0F, QT_TRANSLATE_NOOP("rfid::format", "10 no.in D")},
};

QByteArray flag(bool on)
{
    return byte(on ? 0x01 : 0x00);
}
} // namespace

std::span<const Format> formats()
{
    return kFormats;
}

QString readText(quint8 code)
{
    for (const Format &f : kFormats)
        if (f.code == code)
            return QCoreApplication::translate("rfid::format", f.readText);
    return {};
}

Request set(const Choice &c)
{
    return request(Set, {byte(c.code), flag(c.semicolon), flag(c.questionMark), flag(c.comma), flag(c.enter),
                         flag(c.bigBuzzer), byte(0x01), c.userByte.value_or(byte(0x00))});
}

Request read()
{
    return request(Read);
}

Settings Settings::from(const Response &r)
{
    const QByteArray data = r.data();
    Settings s;
    if (data.size() < 6)
        return s;
    s.whole = true;
    s.code = quint8(data[1]);
    s.semicolon = data[2] != 0;
    s.questionMark = data[3] != 0;
    s.comma = data[4] != 0;
    s.enter = data[5] != 0;
    return s;
}

LogLines Settings::lines(const QString &time) const
{
    if (!whole)
        return {readOutcomeTexts().corrupted + time, QString()};
    const QString prefix = QCoreApplication::translate("rfid::format", "The Output format ： ");
    return {
        QCoreApplication::translate("rfid::format", "Read data success    ") + time,
        prefix + readText(code),
        prefix + (semicolon ? QCoreApplication::translate("rfid::format", "add semicolon") : QCoreApplication::translate("rfid::format", "do not add semicolon ")),
        prefix + (comma ? QCoreApplication::translate("rfid::format", "add ,") : QCoreApplication::translate("rfid::format", "do not add , ")),
        prefix + (questionMark ? QCoreApplication::translate("rfid::format", "add ?") : QCoreApplication::translate("rfid::format", "do not add ? ")),
        prefix + (enter ? QCoreApplication::translate("rfid::format", "add enter") : QCoreApplication::translate("rfid::format", "do not add enter ")),
        QString(),
    };
}

namespace {
OutcomeTexts outcomeTexts(const QString &failure)
{
    return {failure, QCoreApplication::translate("rfid::format", "Data error，no data recevice..   "),
            QCoreApplication::translate("rfid::format", "data error,please check data..   ")};
}
} // namespace

OutcomeTexts readOutcomeTexts()
{
    return outcomeTexts(QCoreApplication::translate("rfid::format", "Read format false   "));
}

OutcomeTexts setOutcomeTexts()
{
    return outcomeTexts(QCoreApplication::translate("rfid::format", "Set up format false   "));
}

QString setDoneText()
{
    return QCoreApplication::translate("rfid::format", "Set Up Success   ");
}

} // namespace rfid::format
