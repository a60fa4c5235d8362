#pragma once

#include <QDialog>

// `frmAbout`: the program's name, what it does and who holds its rights. Opened modally from the entry window.
class FrmAbout : public QDialog
{
    Q_OBJECT

public:
    explicit FrmAbout(QWidget* parent = nullptr);
};
