#include "shell/base/ProgramWindow.h"

#include "assets/NakshatraPictures.h"
#include "shell/base/ProgramTexts.h"

#include <QWidget>

void setUpProgramWindow(QWidget* window, const char* objectName)
{
    window->setObjectName(QString::fromLatin1(objectName));
    window->setWindowRole(window->objectName());
    window->setWindowTitle(QString::fromLatin1(ProgramTexts::caption));
    window->setWindowIcon(programIcon());
}
