#include "typebpage.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "link/frame.h"
#include "link/hextext.h"
#include "link/timestamp.h"
#include "pages/controls.h"
#include "pages/exchangeflow.h"
#include "protocol/typeb.h"
#include "session/readersession.h"

namespace rfid {

TypeBPage::TypeBPage(ReaderSession &host, QWidget *parent)
    : QWidget(parent)
    , m_host(host)
{
    setObjectName(QStringLiteral("TabSheet5"));

    using controls::label;
    using controls::separator;
    // Captions "读取" and "连续读      " repeat on the page, so a screen
    // reader hears the row with them.
    auto button = [this](const char *name, const QString &caption, const QString &row, void (TypeBPage::*slot)()) {
        QPushButton *b =
            controls::button(name, caption, row);
        if (slot)
            connect(b, &QPushButton::clicked, this, slot);
        else
            b->setEnabled(false);   // no command behind it
        return b;
    };
    // The repeat boxes: their loops find them by name.
    auto repeat = [](const char *name, const QString &row) {
        QCheckBox *box = controls::checkBox(name, tr("连续读      "), {});
        controls::composedName(box, QT_TRANSLATE_NOOP("rfid::controls", "%1：%2"), {tr("连续读"), row});
        return box;
    };
    auto edit = [](const char *name, const QString &text, const QString &hint) {
        QLineEdit *e = controls::edit(name, text);
        e->setToolTip(hint);
        return e;
    };

    auto *commands = new QGroupBox(tr("ISO14443 Type-B Commands"));
    commands->setObjectName(QStringLiteral("GroupBox21"));
    auto *rows = new QGridLayout(commands);
    int row = 0;
    rows->addWidget(repeat("CheckBox11", tr("卡请求")), row, 0);
    rows->addWidget(button("Button31", tr("卡请求"), {}, &TypeBPage::Button31Click), row, 2);
    rows->addWidget(button("Button32", tr("防冲突"), {}, nullptr), row++, 3);
    rows->addWidget(separator(), row++, 0, 1, 4);

    m_cardId = edit("Edit76", QStringLiteral("41 30 0A 10"), tr("insert card number"));
    auto *cardIdLabel = label("Label86", tr("请输入卡ID号码：         "), m_cardId);
    rows->addWidget(cardIdLabel, row, 0);
    rows->addWidget(m_cardId, row, 1);
    rows->addWidget(button("Button33", tr("Attrib"), {}, &TypeBPage::Button33Click), row, 2);
    rows->addWidget(button("Button34", tr("复位卡"), {}, nullptr), row++, 3);
    rows->addWidget(separator(), row++, 0, 1, 4);

    m_data = edit("Edit77", QStringLiteral("05 00 00"), tr("data"));
    auto *dataLabel = label("Label87", tr("数据：    "), m_data);
    rows->addWidget(dataLabel, row, 0);
    rows->addWidget(m_data, row, 1);
    rows->addWidget(button("Button36", tr("发送数据"), {}, &TypeBPage::Button36Click), row++, 2);
    rows->setColumnStretch(1, 1);

    auto *idCard = new QGroupBox(tr("第二代居民身份证"));
    idCard->setObjectName(QStringLiteral("GroupBox22"));
    auto *idRows = new QGridLayout(idCard);
    const QString idRow = tr("读身份证ID号");
    const QString fileRow = tr("读身份证文件ID号");
    idRows->addWidget(label("Label35", tr("读身份证ID号：     ")), 0, 0);
    idRows->addWidget(repeat("CheckBox13", idRow), 0, 1);
    idRows->addWidget(button("Button19", tr("读取"), idRow, &TypeBPage::Button19Click), 0, 2);
    idRows->addWidget(label("Label36", tr("读身份证文件ID号：   ")), 1, 0);
    idRows->addWidget(repeat("CheckBox14", fileRow), 1, 1);
    idRows->addWidget(button("Button22", tr("读取"), fileRow, &TypeBPage::Button22Click), 1, 2);
    idRows->setColumnStretch(3, 1);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(commands);
    layout->addWidget(idCard);
    layout->addStretch();
}

void TypeBPage::Button31Click()
{
    run(m_host, typeb::cardRequest(), 500, judge({typeb::failedText()}, linesOf<typeb::CardAnswer>));
}

void TypeBPage::Button33Click()
{
    const QString cardId = m_cardId->text();
    if (!fieldsWhole(m_host, {{fieldName(tr("卡ID号码"), m_cardId->objectName()), cardId}}))
        return;
    run(m_host, typeb::attrib(HexPart::typed(cardId)), 500, judge({typeb::failedText()}, done(typeb::attribDoneText())));
}

void TypeBPage::Button36Click()
{
    const QString data = m_data->text();
    const QString name = fieldName(tr("数据"), m_data->objectName());
    if (!fieldsWhole(m_host, {{name, data}}))
        return;
    const HexPart bytes = HexPart::typed(data);
    if (bytes.bytes.size() > typeb::kMaxExchangeData) {
        m_host.log(typeb::tooLongLine(name, bytes.bytes.size(), timeStamp()));
        return;
    }
    // The exchange judges its answer by its own rule, so every outcome is its.
    run(m_host, typeb::dataExchange(bytes), 600,
        [](const Response &r, const QString &time) { return typeb::ExchangeAnswer::from(r).lines(time); });
}

void TypeBPage::Button19Click()
{
    run(m_host, typeb::readIdNumber(), 1000, judge({typeb::idFailureText()}, linesOf<typeb::IdNumber>));
}

void TypeBPage::Button22Click()
{
    run(m_host, typeb::readFileIdNumber(), 1000, judge({typeb::idFailureText()}, linesOf<typeb::IdNumber>));
}

} // namespace rfid
