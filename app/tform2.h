// The help window: one panel with one label.
#pragma once

#include <QDialog>

namespace rfid {

class TForm2 : public QDialog
{
    Q_OBJECT
public:
    explicit TForm2(QWidget *parent = nullptr);
};

} // namespace rfid
