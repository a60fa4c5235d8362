// Opens one file through the entry window's "&Open Previously Saved Reading", as a user would, and says what the
// window answered. bench/open-large-file.sh runs it under /usr/bin/time to show what a huge file costs in memory.
//   bench_open_file <path>   (an empty path answers the dialog with Cancel: the baseline)
#include "entry/window/FrmMain.h"
#include "tests/support/TestSeams.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    TestSeams seams;
    FrmMain entry;
    entry.show();
    seams.files.nextFileName = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    entry.cmdOpen_Click();
    const QString answer = seams.messages.shown.isEmpty() ? QStringLiteral("(no message)") : seams.messages.lastText();
    std::printf("%s\n", qPrintable(answer));
    return 0;
}
