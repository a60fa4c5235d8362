#include "assets/NakshatraPictures.h"
#include "shell/Application.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ondara"));
    QApplication::setWindowIcon(programIcon());
    return runOndara(app);
}
