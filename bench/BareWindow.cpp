// The yardstick for start-up time and memory: the smallest Qt Widgets program that maps a window.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.setWindowRole(QStringLiteral("bare"));
    window.resize(640, 480);
    window.show();
    return app.exec();
}
