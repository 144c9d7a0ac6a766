// SPDX-License-Identifier: GPL-3.0-or-later
// The program entry: the application title, the main window and the message loop.
#include "app/MainWindow.h"
#include "ui/face/ControlPanelStyle.h"
#include "zorvik/Version.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char** argv)
{
    // The desktop's own scale, fractions included: the machine and its pictures are drawn at the screen's
    // resolution, whatever it is, so nothing needs rounding to stay sharp.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    QApplication app(argc, argv);
    // Tooltips wake after the panel's short pause in every window, not only on the panel buttons.
    QApplication::setStyle(new zorvik::ControlPanelStyle);
    QApplication::setApplicationName(QStringLiteral("Zorvik Slots"));
    QApplication::setApplicationDisplayName(QStringLiteral("Zorvik Slots"));
    QApplication::setApplicationVersion(QString::fromLatin1(zorvik::ProgramVersion));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.zorvik.Slots"));
    const QIcon icon(QStringLiteral(":/art/icon.png"));
    if (!icon.isNull()) QApplication::setWindowIcon(icon);

    zorvik::MainWindow window;
    window.show();
    return app.exec();
}
