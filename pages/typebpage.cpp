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
        return controls::checkBox(name, QStringLiteral("连续读      "), QStringLiteral("连续读：") + row);
    };
    auto edit = [](const char *name, const QString &text, const QString &hint) {
        QLineEdit *e = controls::edit(name, text);
        e->setToolTip(hint);
        return e;
    };

    auto *commands = new QGroupBox(QStringLiteral("ISO14443 Type-B Commands"));
    commands->setObjectName(QStringLiteral("GroupBox21"));
    auto *rows = new QGridLayout(commands);
    int row = 0;
    rows->addWidget(repeat("CheckBox11", QStringLiteral("卡请求")), row, 0);
    rows->addWidget(button("Button31", QStringLiteral("卡请求"), {}, &TypeBPage::Button31Click), row, 2);
    rows->addWidget(button("Button32", QStringLiteral("防冲突"), {}, nullptr), row++, 3);
    rows->addWidget(separator(), row++, 0, 1, 4);

    m_cardId = edit("Edit76", QStringLiteral("41 30 0A 10"), QStringLiteral("insert card number"));
    auto *cardIdLabel = label("Label86", QStringLiteral("请输入卡ID号码：         "), m_cardId);
    rows->addWidget(cardIdLabel, row, 0);
    rows->addWidget(m_cardId, row, 1);
    rows->addWidget(button("Button33", QStringLiteral("Attrib"), {}, &TypeBPage::Button33Click), row, 2);
    rows->addWidget(button("Button34", QStringLiteral("复位卡"), {}, nullptr), row++, 3);
    rows->addWidget(separator(), row++, 0, 1, 4);

    m_data = edit("Edit77", QStringLiteral("05 00 00"), QStringLiteral("data"));
    auto *dataLabel = label("Label87", QStringLiteral("数据：    "), m_data);
    rows->addWidget(dataLabel, row, 0);
    rows->addWidget(m_data, row, 1);
    rows->addWidget(button("Button36", QStringLiteral("发送数据"), {}, &TypeBPage::Button36Click), row++, 2);
    rows->setColumnStretch(1, 1);

    auto *idCard = new QGroupBox(QStringLiteral("第二代居民身份证"));
    idCard->setObjectName(QStringLiteral("GroupBox22"));
    auto *idRows = new QGridLayout(idCard);
    const QString idRow = QStringLiteral("读身份证ID号");
    const QString fileRow = QStringLiteral("读身份证文件ID号");
    idRows->addWidget(label("Label35", QStringLiteral("读身份证ID号：     ")), 0, 0);
    idRows->addWidget(repeat("CheckBox13", idRow), 0, 1);
    idRows->addWidget(button("Button19", QStringLiteral("读取"), idRow, &TypeBPage::Button19Click), 0, 2);
    idRows->addWidget(label("Label36", QStringLiteral("读身份证文件ID号：   ")), 1, 0);
    idRows->addWidget(repeat("CheckBox14", fileRow), 1, 1);
    idRows->addWidget(button("Button22", QStringLiteral("读取"), fileRow, &TypeBPage::Button22Click), 1, 2);
    idRows->setColumnStretch(3, 1);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(commands);
    layout->addWidget(idCard);
    layout->addStretch();
}

void TypeBPage::Button31Click()
{
    run(m_host, typeb::cardRequest(), 500, judge({typeb::kFailed}, linesOf<typeb::CardAnswer>));
}

void TypeBPage::Button33Click()
{
    const QString cardId = m_cardId->text();
    if (!fieldsWhole(m_host, {{fieldName(QStringLiteral("卡ID号码"), m_cardId->objectName()), cardId}}))
        return;
    run(m_host, typeb::attrib(hexToBytes(cardId)), 500, judge({typeb::kFailed}, done(typeb::kAttribDone)));
}

void TypeBPage::Button36Click()
{
    const QString data = m_data->text();
    const QString name = fieldName(QStringLiteral("数据"), m_data->objectName());
    if (!fieldsWhole(m_host, {{name, data}}))
        return;
    const QByteArray bytes = hexToBytes(data);
    if (bytes.size() > typeb::kMaxExchangeData) {
        // Its length byte would overflow and the frame not fit the write buffer.
        m_host.log(QStringLiteral("%1：%2 个字节，最多 %3 个（帧最长 %4 字节），未发送   %5")
                       .arg(name)
                       .arg(bytes.size())
                       .arg(typeb::kMaxExchangeData)
                       .arg(kMaxFrameBytes)
                       .arg(timeStamp()));
        return;
    }
    // The exchange judges its answer by its own rule, so every outcome is its.
    run(m_host, typeb::dataExchange(bytes), 600,
        [](const Response &r, const QString &time) { return typeb::ExchangeAnswer::from(r).lines(time); });
}

void TypeBPage::Button19Click()
{
    run(m_host, typeb::readIdNumber(), 1000, judge({typeb::kIdFailure}, linesOf<typeb::IdNumber>));
}

void TypeBPage::Button22Click()
{
    run(m_host, typeb::readFileIdNumber(), 1000, judge({typeb::kIdFailure}, linesOf<typeb::IdNumber>));
}

} // namespace rfid
