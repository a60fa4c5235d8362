#include "assets/NakshatraPictures.h"
#include "shell/Application.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ondara"));
    // The same application id as the desktop entry and the AppStream metadata, so desktops match the windows to it.
    QGuiApplication::setDesktopFileName(QStringLiteral(ONDARA_APP_ID));
    QApplication::setWindowIcon(programIcon());
    return runOndara(app);
}
