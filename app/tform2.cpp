#include "tform2.h"

#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

namespace rfid {

TForm2::TForm2(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TForm2"));
    setWindowTitle(QStringLiteral("RFID"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);
    setFixedSize(448, 261);

    auto *panel = new QFrame;
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Raised);
    auto *label = new QLabel(QStringLiteral("Output format setting          "));
    label->setObjectName(QStringLiteral("Label1"));
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(24);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    auto *panelLayout = new QVBoxLayout(panel);
    panelLayout->addWidget(label);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(panel);
}

} // namespace rfid
