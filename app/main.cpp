// SPDX-License-Identifier: GPL-3.0-or-later
// The program entry: the command line, the application title, the main window and the message loop.
#include "app/CommandLine.h"
#include "app/MainWindow.h"
#include "app/TerminationSignals.h"
#include "ui/face/ControlPanelStyle.h"
#include "zorvik/Version.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    // Answered before the application object exists: --help and --version need no display.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const zorvik::CommandLineOutcome commandLine = zorvik::ParseCommandLine(arguments);
    if (!commandLine.Run) {
        std::fputs(commandLine.Output.toLocal8Bit().constData(), stdout);
        std::fputs(commandLine.Error.toLocal8Bit().constData(), stderr);
        return commandLine.ExitCode;
    }

    // The desktop's own scale, fractions included: the machine and its pictures are drawn at the screen's
    // resolution, whatever it is, so nothing needs rounding to stay sharp.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    QApplication app(argc, argv);
    // Tooltips wake after the panel's short pause in every window, not only on the panel buttons.
    QApplication::setStyle(new zorvik::ControlPanelStyle);
    // No display name: the desktop would add it after every window's caption.
    QApplication::setApplicationName(QStringLiteral("Zorvik Slots"));
    QApplication::setApplicationVersion(QString::fromLatin1(zorvik::ProgramVersion));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.zorvik.slots"));

    // The window opens as soon as its size is known; the machine is drawn into it once it is built.
    zorvik::MainWindowOptions options;
    options.ShowWhileBuilding = true;
    options.ApplicationIcon = QStringLiteral(":/art/icon.png");
    zorvik::MainWindow window(options);
    // A request to end, from the desktop or a terminal, closes the game the way its close box does.
    zorvik::TerminationSignals termination;
    QObject::connect(&termination, &zorvik::TerminationSignals::Received, &window,
                     &zorvik::MainWindow::CloseForTermination);
    const int status = app.exec();
    window.SaveAtExit();  // a no-op when the close already saved
    return status;
}
