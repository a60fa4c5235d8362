#include "desktop/ProgramWindow.h"

#include "assets/NakshatraPictures.h"
#include "desktop/ProgramTexts.h"

#include <QWidget>

void setUpProgramWindow(QWidget* window, const char* objectName)
{
    window->setObjectName(QString::fromLatin1(objectName));
    window->setWindowRole(window->objectName());
    window->setWindowTitle(QString::fromLatin1(ProgramTexts::caption));
    window->setWindowIcon(programIcon());
}
