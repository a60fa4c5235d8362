#pragma once

#include "desktop/Seam.h"

#include <QMessageBox>
#include <QString>

class QWidget;

// What a message box shows: the program always titles its boxes "Ondara".
struct MessageRequest
{
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString title;
    QString text;
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
};

// The one way the program shows a message box. Tests install their own implementation (tests/support) that records
// each request and answers from a queue, so no test ever blocks on a real dialog.
class MessageBoxes : public Seam<MessageBoxes>
{
public:
    static constexpr const char* title = "Ondara";

    virtual ~MessageBoxes() = default;
    virtual QMessageBox::StandardButton ask(QWidget* parent, const MessageRequest& request) = 0;

    static void error(QWidget* parent, const QString& text);
    static void information(QWidget* parent, const QString& text);
    // Information icon with Yes and No; returns QMessageBox::Yes or QMessageBox::No.
    static QMessageBox::StandardButton questionYesNo(QWidget* parent, const QString& text);
};

template <>
MessageBoxes& Seam<MessageBoxes>::real();
