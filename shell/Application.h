#pragma once

class InstanceGuard;
class QApplication;
class WindowSwitcher;

// Start-up: refuses a second copy (tells the user, ends through CloseAllAndEnd and returns false), runs the update
// reminder, shows the entry window and picks its offer. Returns true when the program is running.
bool startOndara(WindowSwitcher& switcher, InstanceGuard& guard);

// The whole program: start-up, then the event loop until CloseAllAndEnd.
int runOndara(QApplication& app);
