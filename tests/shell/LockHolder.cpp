// Takes the instance lock named on the command line, says whether it got it, and keeps it until stdin closes or the
// process is killed.
#include "desktop/InstanceGuard.h"

#include <QCoreApplication>

#include <cstdio>
#include <iostream>
#include <string>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        return 2;
    }
    InstanceGuard guard(QString::fromLocal8Bit(argv[1]));
    std::cout << (guard.tryAcquire() ? "locked" : "refused") << std::endl;
    std::string line;
    while (std::getline(std::cin, line)) { }
    return 0;
}
