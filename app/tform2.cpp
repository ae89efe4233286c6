#include "tform2.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

namespace rfid {

TForm2::TForm2(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TForm2"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);
    setFixedSize(448, 261);

    auto *panel = new QFrame;
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Raised);
    auto *label = m_label = new QLabel;
    label->setObjectName(QStringLiteral("Label1"));
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(24);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    auto *panelLayout = new QVBoxLayout(panel);
    panelLayout->addWidget(label);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(panel);
    retranslate();
}

void TForm2::retranslate()
{
    setWindowTitle(tr("RFID"));
    m_label->setText(tr("Output format setting          "));
}

void TForm2::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

} // namespace rfid
