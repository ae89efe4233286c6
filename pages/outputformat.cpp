#include "outputformat.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "link/hextext.h"
#include "link/timestamp.h"
#include "pages/controls.h"
#include "pages/exchangeflow.h"
#include "protocol/outputformat.h"

namespace rfid {

namespace {
// Each format's radio button; the codes are the protocol's.
struct FormatRadio {
    quint8 code;
    const char *radio;     // object name
    const char *caption;
};
const FormatRadio kRadios[] = {
    {0x00, "RadioButton17", QT_TRANSLATE_NOOP("rfid::OutputFormatPage", "2H4D + 2H4D ")},
    {0x01, "RadioButton21", QT_TRANSLATE_NOOP("rfid::OutputFormatPage", "14 no. in HEX (7 byte)     ")},
    {0x02, "RadioButton22", QT_TRANSLATE_NOOP("rfid::OutputFormatPage", "14 no. in HEX reverse (7 byte)   ")},
    {0x03, "RadioButton8", QT_TRANSLATE_NOOP("rfid::OutputFormatPage", "8 no. in HEX reverse    ")},
    {0x05, "RadioButton15", QT_TRANSLATE_NOOP("rfid::OutputFormatPage", "13 no. in D")},
    {0x06, "RadioButton10", QT_TRANSLATE_NOOP("rfid::OutputFormatPage", "18 no. in D")},
    {0x07, "RadioButton5", QT_TRANSLATE_NOOP("rfid::OutputFormatPage", "10 no. in HEX")},
    {0x08, "RadioButton12", QT_TRANSLATE_NOOP("rfid::OutputFormatPage", "5 no. in D")},
    {0x09, "RadioButton13", QT_TRANSLATE_NOOP("rfid::OutputFormatPage", "8 no. in D (last 4 bytes)")},
    {0x0A, "RadioButton14", QT_TRANSLATE_NOOP("rfid::OutputFormatPage", "10 no. in D reverse   ")},
    {0x0B, "RadioButton9", QT_TRANSLATE_NOOP("rfid::OutputFormatPage", " 8 no. in D (last 3bytes)")},
    {0x0C, "RadioButton6", QT_TRANSLATE_NOOP("rfid::OutputFormatPage", "8 no. in HEX      ")},
    {0x0D, "RadioButton7", QT_TRANSLATE_NOOP("rfid::OutputFormatPage", " 00+8 no. in D (last 3 bytes) ")},
    {0x0E, "RadioButton11", QT_TRANSLATE_NOOP("rfid::OutputFormatPage", "8 no. in D (last 4 bytes)")},
    {0x0F, "RadioButton16", QT_TRANSLATE_NOOP("rfid::OutputFormatPage", "10 no.in D(four byte) ")},
};

const FormatRadio &radioOf(quint8 code)
{
    for (const FormatRadio &f : kRadios)
        if (f.code == code)
            return f;
    return kRadios[0];
}
} // namespace

OutputFormatPage::OutputFormatPage(ReaderSession &host, QWidget *parent)
    : QWidget(parent)
    , m_host(host)
{
    setObjectName(QStringLiteral("OutputFormatPage"));
    auto *group = new QGroupBox(tr("Output format setting "));
    group->setObjectName(QStringLiteral("GroupBox27"));

    m_formats = new QButtonGroup(this);
    auto radio = [&](quint8 code) {
        const FormatRadio &f = radioOf(code);
        auto *b = new QRadioButton(tr(f.caption));
        b->setObjectName(QString::fromLatin1(f.radio));
        m_formats->addButton(b, f.code);
        return b;
    };
    auto check = [&](const char *name, const QString &caption) { return controls::checkBox(name, caption, {}); };

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
    grid->addWidget(controls::separator("Panel22"), row++, 0, 1, 3);
    m_comma = check("CheckBox18", tr("add , in middle   "));
    grid->addWidget(radio(0x00), row, 0);
    grid->addWidget(radio(0x0E), row, 1);
    grid->addWidget(m_comma, row++, 2);
    grid->addWidget(controls::separator("Panel23"), row++, 0, 1, 3);
    m_semicolon = check("CheckBox16", tr("add ;  "));
    m_question = check("CheckBox17", tr("add ?  "));
    m_enter = check("CheckBox15", tr("add \"Enter\""));
    grid->addWidget(m_semicolon, row, 0);
    grid->addWidget(m_question, row, 1);
    grid->addWidget(m_enter, row++, 2);
    grid->addWidget(controls::separator("Panel24"), row++, 0, 1, 3);

    auto *buzzers = new QButtonGroup(this);
    m_bigBuzzer = new QRadioButton(tr("Big buzzer"));
    m_bigBuzzer->setObjectName(QStringLiteral("RadioButton18"));
    m_bigBuzzer->setChecked(true);
    auto *small = new QRadioButton(tr("Small buzzer"));
    small->setObjectName(QStringLiteral("RadioButton20"));
    buzzers->addButton(m_bigBuzzer);
    buzzers->addButton(small);
    grid->addWidget(m_bigBuzzer, row, 0);
    grid->addWidget(small, row++, 1);

    m_userByte = new QLineEdit(QStringLiteral("2B"));
    m_userByte->setObjectName(QStringLiteral("Edit23"));
    m_userByte->setAccessibleName(tr("User-defined byte"));
    m_userByte->setMaximumWidth(60);
    m_userDefined = check("CheckBox19", tr("Add  user-defined byte"));
    grid->addWidget(m_userByte, row, 0);
    grid->addWidget(m_userDefined, row++, 1, 1, 2);

    auto *read = controls::button("Button25", tr("Read"));
    auto *set = controls::button("Button24", tr("Set"));
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

void OutputFormatPage::Button24Click()
{
    const int code = m_formats->checkedId();
    if (code < 0) {
        // The command has no form without its format byte.
        m_host.log(tr("No output format chosen: choose one of the formats, then Set. Nothing was sent.   ")
                   + timeStamp() + kCrLf);
        return;
    }
    format::Choice c;
    c.code = quint8(code);
    c.semicolon = m_semicolon->isChecked();
    c.questionMark = m_question->isChecked();
    c.comma = m_comma->isChecked();
    c.enter = m_enter->isChecked();
    c.bigBuzzer = m_bigBuzzer->isChecked();
    if (m_userDefined->isChecked()) {
        const QString userByte = m_userByte->text();
        if (!fieldsWhole(m_host, {{tr("User-defined byte (Edit23)"), userByte}}, Language::English))
            return;
        c.userByte = HexPart::typed(userByte);
    }
    run(m_host, format::set(c), 300, judge(format::setOutcomeTexts(), done(format::setDoneText())));
}

void OutputFormatPage::Button25Click()
{
    run(m_host, format::read(), 300, judge(format::readOutcomeTexts(), linesOf<format::Settings>));
}

} // namespace rfid
