#pragma once

class QWidget;

// Gives a window of the program its identity: its object name, which is also its X window role (every window has
// the same caption, so tools and our X test tell them apart by the role), the caption and the program's icon.
void setUpProgramWindow(QWidget* window, const char* objectName);
