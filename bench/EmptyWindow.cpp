// SPDX-License-Identifier: GPL-3.0-or-later
// The least a Qt Widgets program can do to open a window: the yardstick for the game window's start.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.show();
    return app.exec();
}
