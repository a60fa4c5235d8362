#include "desktop/MessageBoxes.h"

#include <QRegularExpression>

namespace {

// Some of the program's texts part their lines with a carriage return alone, which a Qt label would run together.
QString shownText(QString text)
{
    static const QRegularExpression loneCarriageReturn(QStringLiteral("\\r(?!\\n)"));
    return text.replace(loneCarriageReturn, QStringLiteral("\n"));
}

class RealMessageBoxes : public MessageBoxes
{
public:
    QMessageBox::StandardButton ask(QWidget* parent, const MessageRequest& request) override
    {
        QMessageBox box(request.icon, request.title, shownText(request.text), request.buttons, parent);
        return static_cast<QMessageBox::StandardButton>(box.exec());
    }
};

QMessageBox::StandardButton askWithTitle(QWidget* parent, QMessageBox::Icon icon, const QString& text,
                                         QMessageBox::StandardButtons buttons)
{
    return MessageBoxes::instance().ask(parent, {icon, QString::fromLatin1(MessageBoxes::title), text, buttons});
}

} // namespace

template <>
MessageBoxes& Seam<MessageBoxes>::real()
{
    static RealMessageBoxes real;
    return real;
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
