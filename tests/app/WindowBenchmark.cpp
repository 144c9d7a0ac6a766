// SPDX-License-Identifier: GPL-3.0-or-later
// Prints the window's figures for several screens: start-up time, how much of the height the machine
// fills and how tall the panel's captions are, frame drawing cost, spin length against its schedule,
// processor use during a spin and at rest, and resident memory. It measures; it asserts nothing.
//
// window_benchmark [program folder] [WIDTHxHEIGHT ...]
//   program folder: the generated artwork (default: a plain test set); screens default to 1024x768,
//   1920x1080, 2560x1440 and 3840x2160. Run it under a display (Xvfb) as large as the largest screen to
//   count the copy to the display as well; without one it runs offscreen.
#include "tests/support/DialogRecorder.h"
#include "tests/support/PictureFolder.h"

#include "app/MainWindow.h"
#include "ui/face/ControlPanel.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QLabel>
#include <QRegularExpression>
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

long StatusKb(const char* field)
{
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(int(qstrlen(field))).trimmed().split(' ').first().toLong();
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

void Settle()
{
    bool done = false;
    QTimer::singleShot(0, [&] { done = true; });
    while (!done)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

// Rows of the button's picture that hold caption pixels (yellow), in the picture's pixels.
int CaptionRows(const QLabel& button)
{
    const QImage face = button.pixmap().toImage();
    int top = -1, bottom = -1;
    for (int y = 0; y < face.height(); ++y)
        for (int x = 0; x < face.width(); ++x) {
            const QColor c = face.pixelColor(x, y);
            if (c.red() > 150 && c.green() > 150 && c.blue() < 100) {
                if (top < 0) top = y;
                bottom = y;
            }
        }
    return top < 0 ? 0 : bottom - top + 1;
}

void Measure(const QString& folder, QSize screen)
{
    std::printf("\n== screen %d x %d\n", screen.width(), screen.height());
    testing::PictureFolder saves;
    // Every message box is answered at once; what it said is printed once the window is up.
    testing::DialogRecorder dialogs;
    MainWindowOptions options;
    options.Screen = ScreenInfo{screen.width(), screen.height(), 24, 96};
    options.ProgramFolder = folder;
    options.SavedGamesPath = saves.Path() + "Zorvik.ini";
    options.Dialogs = &dialogs;

    const long rssBefore = StatusKb("VmRSS:");
    QElapsedTimer startup;
    startup.start();
    TimedWindow window(options);
    window.show();
    // The window as a window manager would leave it on this screen, whatever the platform's own screen.
    window.setWindowState(Qt::WindowNoState);
    window.resize(QSize(screen.width() - 10, screen.height()).boundedTo(window.maximumSize()));
    Settle();
    std::printf("window built, shown and painted in %.0f ms\n", startup.nsecsElapsed() / 1e6);
    for (const auto& message : dialogs.messages)
        std::printf("message: %s\n", qPrintable(message.text));

    GameState& s = window.State();
    s.Double = false;
    s.PayMode = false;
    s.Sound = false;
    MachineFace& face = window.Face();
    const FacePlacement& placed = window.Placement();
    const double ratio = window.devicePixelRatioF();
    std::printf("window %d x %d (device pixel ratio %.2f), canvas %d x %d, layout for a screen %d wide, "
                "zoom %.4f\n",
                window.width(), window.height(), ratio, face.Canvas().width(), face.Canvas().height(),
                placed.LayoutWidth, placed.Zoom);
    const CanvasMapping& map = face.Mapping();
    const int machineTop = map.Y(face.BackgroundY());
    const int lampBottom = map.Y(face.LampRect(0).bottom() + 1);
    std::printf("machine and lamp row: %d of %d pixels of the window's height (%.1f %%)\n",
                lampBottom - machineTop, face.Canvas().height(),
                100.0 * (lampBottom - machineTop) / (window.height() * ratio));
    // "Exit" stands as high as a capital letter; "Help?" reaches down to the foot of its p as well.
    for (int tag : {7, 0}) {
        const int rows = CaptionRows(*window.Panel()->Button(tag));
        std::printf("panel caption \"%s\": %d pixels high (%.1f window pixels), buttons %d x %d\n",
                    qPrintable(ControlPanel::Caption(tag)), rows, rows / ratio,
                    window.Panel()->Button(tag)->width(), window.Panel()->Button(tag)->height());
    }

    // Drawing one frame: nine wheel windows and one lamp, put on screen.
    const int frames = 200;
    QElapsedTimer drawClock;
    drawClock.start();
    qint64 drawNs = 0, t0 = 0;
    const double frameCpu0 = CpuSeconds();
    for (int i = 0; i < frames; ++i) {
        for (int w = 0; w < WheelCount; ++w)
            face.DrawMotionWindow(w, (i * 61 + w * 50) % 576);
        face.DrawLamp(i % 6, i % 2);
        drawNs += drawClock.nsecsElapsed() - t0;
        QCoreApplication::processEvents();
        t0 = drawClock.nsecsElapsed();
    }
    // The two parts apart: our drawing onto the canvas, and the whole frame including the copy to the
    // window and the display server's share of putting it on screen.
    std::printf("one frame drawn onto the canvas: %.3f ms on average over %d frames\n", drawNs / 1e6 / frames,
                frames);
    std::printf("one frame drawn and flushed: %.3f ms wall, %.3f ms of processor, on average\n",
                drawClock.nsecsElapsed() / 1e6 / frames, (CpuSeconds() - frameCpu0) * 1000 / frames);

    // Spins without a stop: animation length against 101 frames x 25 ms, and processor use.
    for (int spin = 0; spin < 2; ++spin) {
        window.RepaintWindow();
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
    QTimer::singleShot(3000, &idle, &QEventLoop::quit);
    idle.exec();
    std::printf("at rest with the lamps celebrating: processor %.2f %% of one core over 3 s\n",
                (CpuSeconds() - cpu0) / (rest.nsecsElapsed() / 1e9) * 100);
    std::printf("resident memory: %.1f MB now, %.1f MB more than before this window, peak %.1f MB\n",
                StatusKb("VmRSS:") / 1024.0, (StatusKb("VmRSS:") - rssBefore) / 1024.0,
                StatusKb("VmHWM:") / 1024.0);
    window.close();
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The choices of a player's own runs (classic layout, full screen) must not change the figures.
    qputenv("XDG_CONFIG_HOME", QByteArray("/nonexistent/zorvik-benchmark"));
    QElapsedTimer sinceStart;
    sinceStart.start();
    QApplication app(argc, argv);
    std::printf("application started in %.0f ms\n", sinceStart.nsecsElapsed() / 1e6);
    // The generated artwork when a program folder is given, else a plain test set.
    testing::PictureFolder plain;
    QString folder = plain.Path();
    QList<QSize> screens;
    const QRegularExpression size(QStringLiteral("^(\\d+)x(\\d+)$"));
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        const auto match = size.match(arg);
        if (match.hasMatch())
            screens << QSize(match.captured(1).toInt(), match.captured(2).toInt());
        else
            folder = arg.endsWith('/') ? arg : arg + '/';
    }
    if (screens.isEmpty()) screens = {{1024, 768}, {1920, 1080}, {2560, 1440}, {3840, 2160}};
    for (const QSize& screen : screens)
        Measure(folder, screen);
    return 0;
}
