#include "console.h"

#include <QCheckBox>
#include <QFile>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "filedialogs.h"
#include "link/frame.h"
#include "link/hextext.h"
#include "link/response.h"
#include "link/timestamp.h"
#include "pages/controls.h"
#include "protocol/rawframe.h"
#include "session/readersession.h"

namespace rfid {

namespace {
const QString kDefaultFrame = QStringLiteral("AA 00 03 85 01 78 ff BB");
const QString kTextFilter = QStringLiteral("文本文件(.txt)|*.txt");

QString stamped(const QString &text)
{
    return text + QStringLiteral("   ") + timeStamp() + kCrLf;
}
} // namespace

std::optional<qint64> pauseMs(const QString &text, int offset)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok)
        return std::nullopt;
    return qint64(value) + offset;
}

QString pauseRefusal(const QString &field, const QString &text)
{
    return stamped(QStringLiteral("%1“%2”不是毫秒整数，已停止发送。").arg(field, text));
}

Console::Console(ReaderSession &host, QWidget *parent)
    : QGroupBox(QStringLiteral("发送信息"), parent)
    , m_host(host)
{
    setObjectName(QStringLiteral("GroupBox5"));

    m_memo = new QPlainTextEdit(kDefaultFrame);
    m_memo->setObjectName(QStringLiteral("Memo1"));
    m_memo->setAccessibleName(QStringLiteral("发送信息"));
    m_memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_memo->setTabChangesFocus(true);
    m_memo->setFixedHeight(64);

    auto *periodLabel = new QLabel(QStringLiteral("周期："));
    periodLabel->setObjectName(QStringLiteral("Label18"));
    m_period = new QLineEdit(QStringLiteral("1000"));
    m_period->setObjectName(QStringLiteral("Edit6"));
    m_period->setAccessibleName(QStringLiteral("周期"));
    periodLabel->setBuddy(m_period);
    auto *unit = new QLabel(QStringLiteral("毫秒      "));
    unit->setObjectName(QStringLiteral("Label19"));

    m_auto = new QCheckBox(QStringLiteral("自动发送"));
    m_auto->setObjectName(QStringLiteral("CheckBox3"));

    auto *send = controls::button("Button3", QStringLiteral("发送数据"));
    auto *load = controls::button("Button6", QStringLiteral("载入数据"));
    auto *save = controls::button("Button5", QStringLiteral("另存为"));
    auto *clear = controls::button("Button7", QStringLiteral("清空发送框"));
    connect(send, &QPushButton::clicked, this, &Console::Button3Click);
    connect(load, &QPushButton::clicked, this, &Console::Button6Click);
    connect(save, &QPushButton::clicked, this, &Console::Button5Click);
    connect(clear, &QPushButton::clicked, this, &Console::Button7Click);

    auto *grid = new QGridLayout(this);
    grid->addWidget(m_memo, 0, 0, 1, 6);
    grid->addWidget(periodLabel, 1, 0);
    grid->addWidget(m_period, 1, 1);
    grid->addWidget(unit, 1, 2);
    grid->addWidget(m_auto, 1, 3);
    grid->addWidget(send, 1, 4);
    grid->addWidget(load, 2, 3);
    grid->addWidget(save, 2, 4);
    grid->addWidget(clear, 2, 5);
}

void Console::stopAutoSend()
{
    // Its loop finds the box cleared at its next check and ends.
    m_auto->setChecked(false);
}

void Console::Button3Click()
{
    const QString frame = m_memo->toPlainText();
    const QString refusal = raw::frameRefusal(frame);
    if (!refusal.isEmpty()) {
        m_host.log(stamped(refusal));
        stopAutoSend();
        return;
    }
    // Exactly as typed: nothing is added or corrected, and the answer is not judged.
    m_host.SendHex(frame);
    const QString periodText = m_period->text();
    const std::optional<qint64> period = pauseMs(periodText);
    if (!period) {
        m_host.log(pauseRefusal(QStringLiteral("周期"), periodText));
        stopAutoSend();
        return;
    }
    m_host.Delayy(int(*period));
}

void Console::Button6Click()
{
    const QString name = chooseFile(this, {false, QStringLiteral("载入数据！"), QString()});
    if (name.isEmpty())
        return;
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly)) {
        m_host.log(stamped(QStringLiteral("无法读取文件 %1：%2").arg(name, file.errorString())));
        return;
    }
    m_memo->setPlainText(linesOfFile(file.readAll()).join(u'\n'));
}

void Console::Button5Click()
{
    const QString name = chooseFile(this, {true, QStringLiteral("保存接收数据！"), kTextFilter});
    if (name.isEmpty())
        return;
    const QString text = m_memo->toPlainText();
    const QStringList lines = text.isEmpty() ? QStringList() : text.split(u'\n');
    QString error;
    if (!writeFile(name, linesAsFile(lines), &error))
        m_host.log(stamped(QStringLiteral("无法写入文件 %1：%2").arg(name, error)));
}

void Console::Button7Click()
{
    m_memo->clear();
}

} // namespace rfid
