#include "shell/Application.h"

#include "desktop/InstanceGuard.h"
#include "desktop/MessageBoxes.h"
#include "entry/window/FrmMain.h"
#include "shell/CoBrand.h"
#include "shell/UpdateReminder.h"
#include "shell/WindowSwitcher.h"

#include <QApplication>

bool startOndara(WindowSwitcher& switcher, InstanceGuard& guard)
{
    if (!guard.tryAcquire()) {
        // The running copy is left alone: it is neither raised nor activated.
        MessageBoxes::information(nullptr, QStringLiteral("Application is already running"));
        switcher.CloseAllAndEnd();
        return false;
    }
    // The random generator behind Clock is seeded by the system when first used: nothing to seed here.
    RemindOfUpdate();
    FrmMain* entry = switcher.showEntryWindow();
    CoBrand_Randomize(entry->offerFrame());
    return true;
}

int runOndara(QApplication& app)
{
    // Windows are closed and hidden on every switch; only CloseAllAndEnd ends the program.
    app.setQuitOnLastWindowClosed(false);
    InstanceGuard guard;
    WindowSwitcher switcher;
    if (!startOndara(switcher, guard)) {
        return 0;
    }
    return app.exec();
}
