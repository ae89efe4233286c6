#include "outputformat.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "../link/hextext.h"
#include "../link/timestamp.h"
#include "exchangeflow.h"

namespace rfid {

namespace {
const OutputFormat kFormats[] = {
    {0x00, "RadioButton17", "2H4D + 2H4D ", "2H4D + 2H4D "},
    {0x01, "RadioButton21", "14 no. in HEX (7 byte)     ", "14 no. in HEX (7 byte)"},
    {0x02, "RadioButton22", "14 no. in HEX reverse (7 byte)   ", "14 no. in HEX reverse (7 byte)"},
    {0x03, "RadioButton8", "8 no. in HEX reverse    ", "8 no. in HEX reverse"},
    {0x05, "RadioButton15", "13 no. in D", "13 no. in D"},
    {0x06, "RadioButton10", "18 no. in D", "18 no. in D"},
    {0x07, "RadioButton5", "10 no. in HEX", "10 no. in HEX"},
    {0x08, "RadioButton12", "5 no. in D", "5 no. in D"},
    {0x09, "RadioButton13", "8 no. in D (last 4 bytes)", "8 no. in D "},
    {0x0A, "RadioButton14", "10 no. in D reverse   ", "10 no. in D reverse"},
    {0x0B, "RadioButton9", " 8 no. in D (last 3bytes)", "8 no. in D (last 3bytes)"},
    {0x0C, "RadioButton6", "8 no. in HEX      ", "8 no. in HEX"},
    {0x0D, "RadioButton7", " 00+8 no. in D (last 3 bytes) ", "00+8 no. in D (last 3 bytes)"},
    {0x0E, "RadioButton11", "8 no. in D (last 4 bytes)", "8 no. in D (The card last 3bytes)"},
    {0x0F, "RadioButton16", "10 no.in D(four byte) ", "10 no.in D"},
};

const QString kPrefix = QStringLiteral("The Output format ： ");

const OutputFormat &formatByCode(int code)
{
    for (const OutputFormat &f : kFormats)
        if (f.code == code)
            return f;
    return kFormats[0];
}

QString flag(bool on)
{
    return on ? QStringLiteral("01") : QStringLiteral("00");
}

QFrame *separator()
{
    auto *line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}
} // namespace

const OutputFormat *outputFormats(int *count)
{
    *count = int(std::size(kFormats));
    return kFormats;
}

QString readFormatText(int code)
{
    for (const OutputFormat &f : kFormats)
        if (f.code == code)
            return QString::fromUtf8(f.readText);
    return {};
}

QString setFormatCommand(const OutputFormatChoice &c)
{
    return QStringLiteral("82") + byteHex(unsigned(c.code)) + flag(c.semicolon) + flag(c.questionMark)
        + flag(c.comma) + flag(c.enter) + flag(c.bigBuzzer) + QStringLiteral("01")
        + (c.userDefined ? c.userByte : QStringLiteral("00"));
}

QString readFormatEntry(const Response &r, const QString &time)
{
    // Only data bytes are read: byte 4, then the code and the four flags. An
    // answer without all of them is corrupted, so that its check or end byte
    // is never taken for a format or a flag.
    const QByteArray data = r.data();
    if (data.size() < 6)
        return kFormatCorrupted + time + kCrLf;
    const auto added = [&](int k) { return data[k - 4] != 0; };
    const QStringList lines = {
        QStringLiteral("Read data success    ") + time,
        kPrefix + readFormatText(static_cast<unsigned char>(data[1])),
        kPrefix + (added(6) ? QStringLiteral("add semicolon") : QStringLiteral("do not add semicolon ")),
        kPrefix + (added(8) ? QStringLiteral("add ,") : QStringLiteral("do not add , ")),
        kPrefix + (added(7) ? QStringLiteral("add ?") : QStringLiteral("do not add ? ")),
        kPrefix + (added(9) ? QStringLiteral("add enter") : QStringLiteral("do not add enter ")),
    };
    return lines.join(kCrLf) + kCrLf;
}

OutputFormatPage::OutputFormatPage(CommandHost &host, QWidget *parent)
    : QWidget(parent)
    , m_host(host)
{
    setObjectName(QStringLiteral("OutputFormatPage"));
    auto *group = new QGroupBox(QStringLiteral("Output format setting "));
    group->setObjectName(QStringLiteral("GroupBox27"));

    auto *formats = new QButtonGroup(this);
    auto radio = [&](int code) {
        const OutputFormat &f = formatByCode(code);
        auto *b = new QRadioButton(QString::fromUtf8(f.caption));
        b->setObjectName(QString::fromLatin1(f.radio));
        b->setProperty("formatCode", f.code);
        formats->addButton(b);
        m_formats.append(b);
        return b;
    };
    auto check = [&](const char *name, const QString &caption) {
        auto *c = new QCheckBox(caption);
        c->setObjectName(QString::fromLatin1(name));
        return c;
    };

    auto *grid = new QGridLayout(group);
    int row = 0;
    const int pairs[][2] = {{0x0F, 0x0A}, {0x0C, 0x03}, {0x0B, 0x0D}, {0x09, 0x08}, {0x06, 0x05}};
    for (const auto &p : pairs) {
        grid->addWidget(radio(p[0]), row, 0);
        grid->addWidget(radio(p[1]), row, 1, 1, 2);
        ++row;
    }
    grid->addWidget(radio(0x07), row++, 0);
    grid->addWidget(radio(0x01), row, 0);
    grid->addWidget(radio(0x02), row++, 1, 1, 2);
    auto *panel22 = separator();
    panel22->setObjectName(QStringLiteral("Panel22"));
    grid->addWidget(panel22, row++, 0, 1, 3);
    m_comma = check("CheckBox18", QStringLiteral("add , in middle   "));
    grid->addWidget(radio(0x00), row, 0);
    grid->addWidget(radio(0x0E), row, 1);
    grid->addWidget(m_comma, row++, 2);
    auto *panel23 = separator();
    panel23->setObjectName(QStringLiteral("Panel23"));
    grid->addWidget(panel23, row++, 0, 1, 3);
    m_semicolon = check("CheckBox16", QStringLiteral("add ;  "));
    m_question = check("CheckBox17", QStringLiteral("add ?  "));
    m_enter = check("CheckBox15", QStringLiteral("add \"Enter\""));
    grid->addWidget(m_semicolon, row, 0);
    grid->addWidget(m_question, row, 1);
    grid->addWidget(m_enter, row++, 2);
    auto *panel24 = separator();
    panel24->setObjectName(QStringLiteral("Panel24"));
    grid->addWidget(panel24, row++, 0, 1, 3);

    auto *buzzers = new QButtonGroup(this);
    m_bigBuzzer = new QRadioButton(QStringLiteral("Big buzzer"));
    m_bigBuzzer->setObjectName(QStringLiteral("RadioButton18"));
    m_bigBuzzer->setChecked(true);
    auto *small = new QRadioButton(QStringLiteral("Small buzzer"));
    small->setObjectName(QStringLiteral("RadioButton20"));
    buzzers->addButton(m_bigBuzzer);
    buzzers->addButton(small);
    grid->addWidget(m_bigBuzzer, row, 0);
    grid->addWidget(small, row++, 1);

    m_userByte = new QLineEdit(QStringLiteral("2B"));
    m_userByte->setObjectName(QStringLiteral("Edit23"));
    m_userByte->setAccessibleName(QStringLiteral("User-defined byte"));
    m_userByte->setMaximumWidth(60);
    m_userDefined = check("CheckBox19", QStringLiteral("Add  user-defined byte"));
    grid->addWidget(m_userByte, row, 0);
    grid->addWidget(m_userDefined, row++, 1, 1, 2);

    auto *read = new QPushButton(QStringLiteral("Read"));
    read->setObjectName(QStringLiteral("Button25"));
    auto *set = new QPushButton(QStringLiteral("Set"));
    set->setObjectName(QStringLiteral("Button24"));
    connect(read, &QPushButton::clicked, this, &OutputFormatPage::Button25Click);
    connect(set, &QPushButton::clicked, this, &OutputFormatPage::Button24Click);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(read);
    buttons->addWidget(set);
    buttons->addStretch();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(group);
    layout->addLayout(buttons);
}

OutputFormatChoice OutputFormatPage::choice() const
{
    OutputFormatChoice c;
    for (QRadioButton *b : m_formats)
        if (b->isChecked())
            c.code = b->property("formatCode").toInt();
    c.semicolon = m_semicolon->isChecked();
    c.questionMark = m_question->isChecked();
    c.comma = m_comma->isChecked();
    c.enter = m_enter->isChecked();
    c.bigBuzzer = m_bigBuzzer->isChecked();
    c.userDefined = m_userDefined->isChecked();
    c.userByte = m_userByte->text();
    return c;
}

void OutputFormatPage::Button24Click()
{
    const OutputFormatChoice c = choice();
    if (c.code < 0) {
        // The command has no form without its format byte.
        m_host.log(QStringLiteral("No output format chosen: choose one of the formats, then Set. Nothing was sent.   ")
                   + timeStamp() + kCrLf);
        return;
    }
    if (c.userDefined && !fieldsWhole(m_host, {{QStringLiteral("User-defined byte (Edit23)"), c.userByte}}, Language::English))
        return;
    const Response r = sendAndWait(m_host, setFormatCommand(c));
    const OutcomeTexts texts{QStringLiteral("Set up format false   "), kFormatNoData, kFormatCorrupted};
    if (reportOutcome(m_host, r, texts))
        m_host.log(QStringLiteral("Set Up Success   ") + timeStamp() + kCrLf);
}

void OutputFormatPage::Button25Click()
{
    const Response r = sendAndWait(m_host, QStringLiteral("83"));
    const OutcomeTexts texts{QStringLiteral("Read format false   "), kFormatNoData, kFormatCorrupted};
    if (reportOutcome(m_host, r, texts))
        m_host.log(readFormatEntry(r, timeStamp()));
}

} // namespace rfid
