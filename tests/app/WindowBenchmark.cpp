// SPDX-License-Identifier: GPL-3.0-or-later
// Prints the window's figures: start-up time, spin length against its schedule, frame drawing cost,
// processor use during a spin and at rest, and resident memory. It measures; it asserts nothing.
#include "tests/support/DialogRecorder.h"
#include "tests/support/PictureFolder.h"

#include "app/MainWindow.h"
#include "ui/face/ControlPanel.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTimer>

#include <sys/resource.h>

#include <cstdio>

namespace {

using namespace zorvik;

double CpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

long ResidentKb()
{
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

// Notes when the last wheel finishes its bounce, the end of the animation.
class TimedWindow : public MainWindow {
public:
    using MainWindow::MainWindow;
    void BounceWheel(int wheel, int dy, bool capture) override
    {
        MainWindow::BounceWheel(wheel, dy, capture);
        if (wheel == WheelCount - 1) lastBounce = clock.nsecsElapsed();
    }
    QElapsedTimer clock;
    qint64 lastBounce = 0;
};

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QElapsedTimer sinceStart;
    sinceStart.start();
    QApplication app(argc, argv);
    // Every message box is answered at once; what it said is printed once the window is up.
    testing::DialogRecorder dialogs;
    // The generated artwork when a program folder is given, else a plain test set.
    testing::PictureFolder folder;
    MainWindowOptions options;
    options.Screen = ScreenInfo{1920, 1080, 24, 96};
    options.ProgramFolder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : folder.Path();
    if (!options.ProgramFolder.endsWith('/')) options.ProgramFolder += '/';
    options.SavedGamesPath = folder.Path() + "Zorvik.ini";
    options.Dialogs = &dialogs;

    TimedWindow window(options);
    window.show();
    bool painted = false;
    QTimer::singleShot(0, [&] { painted = true; });
    while (!painted)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    std::printf("window on screen after %.0f ms (application start to first paint handled)\n",
                sinceStart.nsecsElapsed() / 1e6);
    for (const auto& message : dialogs.messages)
        std::printf("message: %s\n", qPrintable(message.text));

    GameState& s = window.State();
    s.Double = false;
    s.PayMode = false;
    s.Sound = false;

    // Drawing one frame: nine wheel windows and one lamp, put on screen.
    MachineFace& face = window.Face();
    const int frames = 400;
    QElapsedTimer drawClock;
    drawClock.start();
    qint64 drawNs = 0, t0 = 0;
    for (int i = 0; i < frames; ++i) {
        for (int w = 0; w < WheelCount; ++w)
            face.DrawMotionWindow(w, (i * 61 + w * 50) % 576);
        face.DrawLamp(i % 6, i % 2);
        drawNs += drawClock.nsecsElapsed() - t0;
        QCoreApplication::processEvents();
        t0 = drawClock.nsecsElapsed();
    }
    // The two parts apart: our drawing onto the canvas, and the whole frame including the copy
    // to the window and the display server's share of putting it on screen.
    std::printf("one frame drawn onto the canvas: %.3f ms on average over %d frames\n", drawNs / 1e6 / frames,
                frames);
    std::printf("one frame drawn and flushed: %.3f ms on average over %d frames\n",
                drawClock.nsecsElapsed() / 1e6 / frames, frames);

    // Spins without a stop: animation length against 101 frames x 25 ms, and processor use.
    for (int spin = 0; spin < 3; ++spin) {
        window.Face().FormPaint();
        s.Credits = 1000;
        const double cpu0 = CpuSeconds();
        window.clock.start();
        window.Engine().StartSpin();
        const double wall = window.clock.nsecsElapsed() / 1e9;
        const double animation = window.lastBounce / 1e6;
        std::printf("spin %d: animation %.1f ms (%.2f %% over 2525 ms), whole spin %.0f ms, processor %.1f "
                    "%% of one core\n",
                    spin + 1, animation, (animation / 2525.0 - 1) * 100, wall * 1000,
                    (CpuSeconds() - cpu0) / wall * 100);
    }

    // At rest while the lamps celebrate.
    window.LampCelebrationRowTimer()->start();
    const double cpu0 = CpuSeconds();
    QElapsedTimer rest;
    rest.start();
    QEventLoop idle;
    QTimer::singleShot(5000, &idle, &QEventLoop::quit);
    idle.exec();
    std::printf("at rest with the lamps celebrating: processor %.2f %% of one core over 5 s\n",
                (CpuSeconds() - cpu0) / (rest.nsecsElapsed() / 1e9) * 100);
    std::printf("resident memory on a 1920 x 1080 screen: %.1f MB\n", ResidentKb() / 1024.0);
    return 0;
}
