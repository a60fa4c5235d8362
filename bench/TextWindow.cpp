// The yardstick for a program that shows words: a main window with a menu bar and one label, so that it sets up
// the fonts and the menu bar as any such program must. bench/startup.sh measures start-up against it.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Text window"));
    window.setWindowRole(QStringLiteral("text"));
    window.menuBar()->addMenu(QStringLiteral("&File"));
    window.setCentralWidget(new QLabel(QStringLiteral("Find My Birth Star")));
    window.resize(640, 480);
    window.show();
    return app.exec();
}
