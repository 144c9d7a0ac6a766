// The program entry: the application title, the main window and the message loop.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("Zorvik Slots");
    QApplication::setApplicationDisplayName("Zorvik Slots");
    QWidget window;
    window.setWindowTitle("Zorvik Slots");
    window.resize(640, 480);
    window.show();
    return app.exec();
}
