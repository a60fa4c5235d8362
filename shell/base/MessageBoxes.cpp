#include "shell/base/MessageBoxes.h"

namespace {

class RealMessageBoxes : public MessageBoxes
{
public:
    QMessageBox::StandardButton ask(QWidget* parent, const MessageRequest& request) override
    {
        QMessageBox box(request.icon, request.title, request.text, request.buttons, parent);
        return static_cast<QMessageBox::StandardButton>(box.exec());
    }
};

MessageBoxes* installed = nullptr;

QMessageBox::StandardButton askWithTitle(QWidget* parent, QMessageBox::Icon icon, const QString& text,
                                         QMessageBox::StandardButtons buttons)
{
    return MessageBoxes::instance().ask(parent, {icon, QString::fromLatin1(MessageBoxes::title), text, buttons});
}

} // namespace

MessageBoxes& MessageBoxes::instance()
{
    static RealMessageBoxes real;
    return installed ? *installed : real;
}

void MessageBoxes::setInstance(MessageBoxes* boxes)
{
    installed = boxes;
}

void MessageBoxes::error(QWidget* parent, const QString& text)
{
    askWithTitle(parent, QMessageBox::Critical, text, QMessageBox::Ok);
}

void MessageBoxes::information(QWidget* parent, const QString& text)
{
    askWithTitle(parent, QMessageBox::Information, text, QMessageBox::Ok);
}

QMessageBox::StandardButton MessageBoxes::questionYesNo(QWidget* parent, const QString& text)
{
    return askWithTitle(parent, QMessageBox::Information, text, QMessageBox::Yes | QMessageBox::No);
}
