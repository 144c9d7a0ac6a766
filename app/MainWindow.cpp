// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: owns the game, builds the machine face at start-up and is the engine's front end.
#include "app/MainWindow.h"

#include "app/SteadyFrameClock.h"
#include "engine/LineFlash.h"
#include "ui/dialogs/DoubleOrNothingDialog.h"
#include "ui/dialogs/ModalPlayerDialogs.h"
#include "ui/dialogs/RecentSpinsDialog.h"
#include "ui/face/AccessibleInterfaces.h"
#include "ui/face/ControlPanel.h"
#include "ui/face/ProgramFolder.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QSessionManager>
#include <QSettings>
#include <QStandardPaths>
#include <QWindow>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace zorvik {

ScreenInfo ScreenInfo::FromPrimaryScreen()
{
    ScreenInfo info;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        info.Width = screen->geometry().width();
        info.Height = screen->availableGeometry().height();  // less the desktop's own panels
        info.ColourDepth = screen->depth();
        info.Dpi = static_cast<int>(std::lround(screen->logicalDotsPerInch()));
    }
    return info;
}

namespace {

ScreenInfo ScreenOf(const MainWindowOptions& options)
{
    return options.Screen ? *options.Screen : ScreenInfo::FromPrimaryScreen();
}

QString FolderOf(const MainWindowOptions& options)
{
    return options.ProgramFolder.isEmpty() ? zorvik::ProgramFolder() : options.ProgramFolder;
}

std::string GamesPathOf(const MainWindowOptions& options)
{
    return options.SavedGamesPath.isEmpty() ? DefaultSavedGamesPath() : options.SavedGamesPath.toStdString();
}

std::string RecentSpinsPathOf(const MainWindowOptions& options)
{
    return options.RecentSpinsPath.isEmpty() ? SpinHistoryFile::PathBeside(GamesPathOf(options))
                                             : options.RecentSpinsPath.toStdString();
}

const QString ClassicLayoutKey = QStringLiteral("ClassicLayout");
const QString FullScreenKey = QStringLiteral("FullScreen");

// The narrowest screen of each display class: a resizable window keeps its class by not going narrower.
int ClassWidth(DisplayClass c)
{
    return c == DisplayClass::Small ? 640 : c == DisplayClass::Medium ? 700 : 1000;
}

}  // namespace

MainWindow::MainWindow(MainWindowOptions options, QWidget* parent)
    : QWidget(parent), FaceHooks(face_), screen_(ScreenOf(options)), programFolder_(FolderOf(options)),
      ownDialogs_(options.Dialogs ? nullptr : std::make_unique<ModalPlayerDialogs>()),
      dialogs_(options.Dialogs ? *options.Dialogs : *ownDialogs_),
      // The manual stands in for the help file beside the program.
      help_(programFolder_ + QStringLiteral("manual/"), dialogs_),
      ownClock_(options.Clock ? nullptr : std::make_unique<SteadyFrameClock>()),
      clock_(options.Clock ? *options.Clock : *ownClock_), games_(GamesPathOf(options)),
      recent_(RecentSpinsPathOf(options)), engine_(state_, *this),
      face_(state_, pictures_, screen_.Width, screen_.Dpi),
      actions_({*this, state_, engine_, *this, games_, dialogs_, help_, [this] { return placement_.Zoom; }})
{
    // Before the first change a screen reader could hear of, which settles the window's interface.
    InstallAccessibleInterfaces();
    setWindowTitle(QStringLiteral("Zorvik Slots"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAutoFillBackground(false);
    setFocusPolicy(Qt::StrongFocus);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    // Liberation Sans stands in for the machine's classic 13-pixel sans serif; the panel's captions use it.
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(13);
    setFont(font);

    engine_.SetEarlyStartupValues();

    // The window takes the screen's width less 10 pixels and the height the desktop leaves free.
    const QSettings settings(SettingsPath(), QSettings::IniFormat);
    classic_ = settings.value(ClassicLayoutKey, false).toBool();
    resize(StartupClientSize());
    move(5, 0);
    ApplyWindowMode();
    if (settings.value(FullScreenKey, false).toBool()) setWindowState(windowState() | Qt::WindowFullScreen);

    lampCelebrationRowTimer_.setInterval(200);
    lampCelebrationAlternateTimer_.setInterval(200);
    lineFlashTimer_.setInterval(400);
    freeSpinTextTimer_.setInterval(300);
    connect(&lampCelebrationRowTimer_, &QTimer::timeout, this, &MainWindow::LampCelebrationRowTick);
    connect(&lampCelebrationAlternateTimer_, &QTimer::timeout, this,
            &MainWindow::LampCelebrationAlternateTick);
    connect(&lineFlashTimer_, &QTimer::timeout, this, &MainWindow::LineFlashTick);
    connect(&freeSpinTextTimer_, &QTimer::timeout, this, &MainWindow::FreeSpinTextTick);
    // Its size and state settled, the window can open while the machine is built and drawn into it: the
    // first paint comes from the event loop, when all is ready.
    if (options.ShowWhileBuilding) show();
    // Not before: the first picture read costs a search of the image plugins, and loading the audio library
    // would compete with the window's opening for the processor.
    if (const QIcon icon(options.ApplicationIcon); !icon.isNull()) QApplication::setWindowIcon(icon);
    sound_.OpenInBackground();

    if (!LoadPictures())
        dialogs_.Inform(
            nullptr,
            QStringLiteral(
                "There are BMP files missing which may cause this program to not function properly!"));
    ApplyMinimumSize();  // the pictures tell how tall the machine is

    engine_.SetStartupStrips();
    LoadClickSound();

    // The canvas is in device pixels; the window repaints the window pixels that hold what changed.
    face_.SetFlush([this](const QRect& area) {
        const QRectF w(area.x() / ratio_, area.y() / ratio_, area.width() / ratio_, area.height() / ratio_);
        update(w.toAlignedRect());
        // Whatever was just drawn, a screen reader hears the numbers that changed.
        if (accessibility_) accessibility_->Refresh();
    });

    face_.ComputeGeometry();
    panel_ = std::make_unique<ControlPanel>(*this, state_, engine_, *this, actions_, face_.OptionsRect,
                                            pictures_.Options);
    accessibility_ = std::make_unique<MachineAccessibility>(
        *this, face_, state_, [this](const QRect& area) { return WindowRect(area); },
        [this](QPoint p) { ClickMachine(p); });
    menu_ =
        std::make_unique<GameMenu>(*this, *panel_, state_, [this](QPoint p) { return OnMachineControl(p); });
    keys_ = std::make_unique<MachineKeys>(*this, [this](int key) { PressKey(key); });
    // The window's own views, beside the keys it answers for them.
    menu_->AddViewAction(
        QStringLiteral("&Full Screen"), QKeySequence(Qt::Key_F11), [this] { ToggleFullScreen(); },
        [this] { return IsFullScreen(); });
    menu_->AddViewAction(
        QStringLiteral("Classic La&yout"), QKeySequence(), [this] { SetClassicLayout(!IsClassicLayout()); },
        [this] { return IsClassicLayout(); });
    menu_->AddViewAction(QStringLiteral("&Recent Spins") + QChar(0x2026), QKeySequence(Qt::Key_H),
                         [this] { ShowRecentSpins(); });

    engine_.SetStartupBet();
    engine_.NewGame();
    engine_.SetStartupOptions();

    games_.SetErrorReporter([this](const std::string& text) { ReportError(text); });
    games_.LoadGameSlot(state_, CurrentGameSlot);

    const std::string recentSpinsProblem = recent_.Open(engine_);
    if (!recentSpinsProblem.empty()) dialogs_.Inform(nullptr, QString::fromStdString(recentSpinsProblem));
    recent_.SetErrorReporter([this](const std::string& text) { ReportError(text); });
    // However the program ends, the game in play is written first.
    connect(qApp, &QCoreApplication::aboutToQuit, this, &MainWindow::SaveAtExit);
    if (auto* gui = qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        connect(
            gui, &QGuiApplication::commitDataRequest, this, [this](QSessionManager&) { CommitData(); },
            Qt::DirectConnection);

    built_ = true;
    Relayout();
}

MainWindow::~MainWindow() = default;

// ---- start-up

bool MainWindow::LoadPictures()
{
    return pictures_.LoadPictures(programFolder_, screen_.Width, screen_.ColourDepth);
}

void MainWindow::LoadClickSound()
{
    QString error;
    if (!sound_.LoadClickSound(programFolder_ + QStringLiteral("Zorvik0.wav"), &error))
        dialogs_.Error(nullptr, error + QStringLiteral("\nThe game goes on without its click sound."));
}

// ---- window size, layout and the remembered choices

QString MainWindow::SettingsPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/zorvik-slots/window.conf");
}

void MainWindow::SaveWindowChoices() const
{
    QSettings settings(SettingsPath(), QSettings::IniFormat);
    settings.setValue(ClassicLayoutKey, classic_);
    settings.setValue(FullScreenKey, isFullScreen());
}

QSize MainWindow::LargestWindow() const
{
    // In window pixels; the limit is in the screen's own pixels.
    const double ratio = devicePixelRatioF();
    return QSize(int(LargestWindowPixels.width() / ratio), int(LargestWindowPixels.height() / ratio));
}

QSize MainWindow::StartupClientSize() const
{
    return QSize(screen_.Width - 10, screen_.Height).boundedTo(LargestWindow());
}

void MainWindow::ApplyWindowMode()
{
    const QSize client = StartupClientSize();
    if (classic_) {
        // As the machine always opened: maximised with normal-size fonts, else fixed at its size. The
        // window never outgrows the screen it was laid out for.
        setMinimumSize(0, 0);
        setMaximumSize(QSize(screen_.Width, screen_.Height).boundedTo(LargestWindow()));
        if (screen_.Dpi < 100) {
            resize(client);
            setWindowState((windowState() & Qt::WindowFullScreen) | Qt::WindowMaximized);
        } else {
            setFixedSize(client);
        }
        return;
    }
    // Resizable down to what the native layout of the screen's class needs, and opening maximised.
    ApplyMinimumSize();
    setMaximumSize(LargestWindow());
    resize(client);
    setWindowState((windowState() & Qt::WindowFullScreen) | Qt::WindowMaximized);
}

void MainWindow::ApplyMinimumSize()
{
    if (classic_) return;
    const QSize reference = face_.FitReference();
    const int needed = reference.isEmpty() ? 0 : reference.height();
    const QSize smallest(ClassWidth(LayoutClass(screen_.Width)) - 10, needed);
    setMinimumSize(smallest.boundedTo(StartupClientSize()));
}

void MainWindow::Relayout()
{
    ratio_ = devicePixelRatioF();
    laidOutSize_ = size();
    const int screenWidth = std::min(screen_.Width, LargestWindow().width() + 10);
    placement_ = PlaceFace(size(), screenWidth, !classic_, face_.FitReference());
    face_.SetLayoutWidth(placement_.LayoutWidth);
    face_.ComputeGeometry();
    const double scale = placement_.Zoom * ratio_;
    pictures_.ScaleTo(scale);
    const QPoint offset(int(std::lround(placement_.Offset.x() * ratio_)),
                        int(std::lround(placement_.Offset.y() * ratio_)));
    face_.SetMapping(CanvasMapping{scale, offset});
    // Never larger than the window: a huge screen must not cost a canvas of its size.
    const QSize pixels(int(std::ceil(width() * ratio_)), int(std::ceil(height() * ratio_)));
    face_.ResizeCanvas(pixels.boundedTo(LargestWindowPixels).expandedTo(QSize(1, 1)));
    if (panel_) {
        const QPoint windowOffset(int(std::lround(placement_.Offset.x())),
                                  int(std::lround(placement_.Offset.y())));
        panel_->Place(face_.OptionsRect, CanvasMapping{placement_.Zoom, windowOffset},
                      pictures_.Scaled().Options);
    }
    RepaintWindow();
}

void MainWindow::ToggleFullScreen()
{
    setWindowState(windowState() ^ Qt::WindowFullScreen);
    SaveWindowChoices();
}

void MainWindow::SetClassicLayout(bool classic)
{
    if (classic == classic_) return;
    classic_ = classic;
    // Undo the fixed size of the other mode first.
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    ApplyWindowMode();
    SaveWindowChoices();
    Relayout();
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // Showing the window reports the size it was built for; only a new size needs a new layout. A window
    // shown while it is built is laid out once, when the machine is ready.
    if (built_ && (size() != laidOutSize_ || devicePixelRatioF() != ratio_)) Relayout();
}

void MainWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // A window moved to a screen of another resolution draws at that resolution.
    if (QWindow* handle = windowHandle())
        connect(handle, &QWindow::screenChanged, this, &MainWindow::Relayout, Qt::UniqueConnection);
    if (built_ && devicePixelRatioF() != ratio_) Relayout();
}

QPoint MainWindow::LayoutPoint(QPointF windowPoint) const
{
    return face_.Mapping().Unmap(windowPoint * ratio_);
}

QRect MainWindow::WindowRect(const QRect& layoutArea) const
{
    const QRect canvas = face_.Mapping().Map(layoutArea);
    return QRectF(canvas.x() / ratio_, canvas.y() / ratio_, canvas.width() / ratio_, canvas.height() / ratio_)
        .toAlignedRect();
}

// ---- painting

void MainWindow::RepaintWindow()
{
    face_.FormPaint();
    if (panel_) panel_->DrawCaptions();
}

void MainWindow::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRect area = event->rect();
    const QImage& canvas = face_.Canvas();
    // Window pixels to canvas pixels; a window the canvas does not cover (larger than any screen it was
    // made for) is black beyond it.
    const QRectF source(area.x() * ratio_, area.y() * ratio_, area.width() * ratio_, area.height() * ratio_);
    if (!QRectF(canvas.rect()).contains(source)) painter.fillRect(area, Qt::black);
    painter.drawImage(QRectF(area), canvas, source);
}

// ---- input

void MainWindow::ClickMachine(QPoint position)
{
    const QPoint p = LayoutPoint(position);
    const Area& stop = face_.StopRect;
    const Area& spin = face_.SpinRect;
    if (p.x() >= stop.Left && p.x() <= stop.Right) {
        if (p.y() >= stop.Top && p.y() <= stop.Bottom)
            state_.StopRequested = true;
        else if (p.y() >= spin.Top && p.y() <= spin.Bottom && !state_.Spinning)
            engine_.StartSpin();
    }
    if (face_.LinesPlusRect.Contains(p)) engine_.AddLine();
    if (face_.LinesMinusRect().Contains(p)) engine_.RemoveLine();
    if (face_.CoinsPlusRect.Contains(p)) engine_.AddCoin();
    if (face_.CoinsMinusRect().Contains(p)) engine_.RemoveCoin();
}

void MainWindow::PressKey(int key)
{
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!state_.Spinning) engine_.StartSpin();
        break;
    case Qt::Key_Space:
        state_.StopRequested = true;
        break;
    case Qt::Key_C:
        engine_.AddCoin();
        break;
    case Qt::Key_X:
        engine_.RemoveCoin();
        break;
    case Qt::Key_L:
        engine_.AddLine();
        break;
    case Qt::Key_K:
        engine_.RemoveLine();
        break;
    case Qt::Key_H:
        ShowRecentSpins();
        break;
    default:
        break;
    }
}

bool MainWindow::OnMachineControl(QPoint windowPoint) const
{
    const QPoint p = LayoutPoint(windowPoint);
    const Area& stop = face_.StopRect;
    const Area& spin = face_.SpinRect;
    const bool spinColumn =
        p.x() >= stop.Left && p.x() <= stop.Right &&
        ((p.y() >= stop.Top && p.y() <= stop.Bottom) || (p.y() >= spin.Top && p.y() <= spin.Bottom));
    return spinColumn || face_.LinesPlusRect.Contains(p) || face_.LinesMinusRect().Contains(p) ||
           face_.CoinsPlusRect.Contains(p) || face_.CoinsMinusRect().Contains(p) ||
           face_.LogoRect.contains(p);
}

void MainWindow::mousePressEvent(QMouseEvent* event)
{
    // The logo is a picture of its own on the face; a left click opens the about box, and no press on it
    // reaches the machine.
    if (face_.LogoRect.contains(LayoutPoint(event->position()))) {
        if (panel_ && event->button() == Qt::LeftButton) panel_->ClickLogo();
        return;
    }
    ClickMachine(event->position().toPoint());
}

void MainWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1) {
        help_.ShowTopic(this, HelpMainWindow);
        return;
    }
    if (event->key() == Qt::Key_F11) {
        ToggleFullScreen();
        return;
    }
    PressKey(event->key());
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // The player has left: no further auto spin, and the running spin stops its wheels and pays at once.
    state_.AutoSpin = false;
    state_.StopRequested = true;
    closing_ = true;
    sound_.Silence();
    lampCelebrationRowTimer_.stop();
    lampCelebrationAlternateTimer_.stop();
    lineFlashTimer_.stop();
    freeSpinTextTimer_.stop();
    event->accept();
    SaveAtExit();
}

void MainWindow::ShowRecentSpins()
{
    RecentSpinsDialog recall(recent_.Recorder(), pictures_.Symbols, pictures_.CellSize(), help_, this);
    recall.setWindowModality(Qt::ApplicationModal);
    recall.exec();
}

void MainWindow::CloseForTermination()
{
    quietErrors_ = true;
    // The windows above the machine close as if the player had closed them, so that their loops return.
    for (int i = 0; i < 16; ++i) {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal == this || !modal->close()) break;
    }
    close();
}

void MainWindow::CommitData()
{
    quietErrors_ = true;
    SaveWhenAtRest();
    quietErrors_ = false;
}

void MainWindow::SaveAtExit()
{
    exiting_ = true;
    SaveWhenAtRest();
}

void MainWindow::SaveWhenAtRest()
{
    // In the middle of a spin its bet is taken and its win not yet paid: the game is written once the spin
    // and its bonus spins are over.
    if (state_.Spinning) {
        saveAtRest_ = true;
        return;
    }
    saveAtRest_ = false;
    if (exitSaved_) return;
    exitSaved_ = exiting_;
    SaveCurrentGame();
    if (exiting_) {
        std::string error;
        if (!recent_.Close(error)) ReportError("The record of recent spins cannot be shortened: " + error);
    }
}

void MainWindow::PaidSpinFinished()
{
    if (saveAtRest_) SaveWhenAtRest();
}

void MainWindow::ReportError(const std::string& text)
{
    if (quietErrors_)
        std::fprintf(stderr, "zorvik-slots: %s\n", text.c_str());
    else
        ShowError(text);
}

// ---- timers

void MainWindow::CelebrationTick(bool alternate)
{
    bool* lamps = state_.Lamps;
    lamps[0] = !lamps[0];
    for (int k = 1; k < LampCount; ++k)
        lamps[k] = alternate ? (k % 2 == 0 ? lamps[0] : !lamps[0]) : lamps[0];
    face_.DrawLampRow();
    face_.DrawLeftSideLamp(lamps[0]);
    face_.DrawRightSideLamp(!lamps[0]);
    state_.LampFlashCount += 1;
    if (state_.LampFlashCount > 6) {
        state_.LampFlashCount = 0;
        (alternate ? lampCelebrationAlternateTimer_ : lampCelebrationRowTimer_).stop();
        (alternate ? lampCelebrationRowTimer_ : lampCelebrationAlternateTimer_).start();
    }
}

void MainWindow::LampCelebrationRowTick()
{
    CelebrationTick(false);
}

void MainWindow::LampCelebrationAlternateTick()
{
    CelebrationTick(true);
}

void MainWindow::LineFlashTick()
{
    const LineFlashStep step = StepLineFlash(state_);
    if (step.Unflash >= 0) face_.FlashWinItem(step.Unflash, false);
    if (step.Stop) {
        lineFlashTimer_.stop();
        return;
    }
    face_.FlashWinItem(step.Item, step.On);
}

void MainWindow::FreeSpinTextTick()
{
    state_.FreeSpinTextOn = !state_.FreeSpinTextOn;
    face_.DrawFreeSpinText(state_.FreeSpinTextOn, state_.FreeSpinsLeft);
}

QTimer* MainWindow::TimerOf(GameTimer timer)
{
    switch (timer) {
    case GameTimer::LampCelebrationRow:
        return &lampCelebrationRowTimer_;
    case GameTimer::LampCelebrationAlternate:
        return &lampCelebrationAlternateTimer_;
    case GameTimer::LineFlash:
        return &lineFlashTimer_;
    case GameTimer::FreeSpinText:
        return &freeSpinTextTimer_;
    }
    return nullptr;
}

void MainWindow::StartTimer(GameTimer timer)
{
    if (closing_) return;
    if (QTimer* t = TimerOf(timer)) t->start();
}

void MainWindow::StopTimer(GameTimer timer)
{
    if (QTimer* t = TimerOf(timer)) t->stop();
}

// ---- drawing hooks

void MainWindow::ShowStoppedWheel(int wheel)
{
    PlayClick();
    face_.ShowStoppedWheel(wheel);
}

void MainWindow::DrawControlPanel()
{
    if (panel_) panel_->DrawCaptions();
}

// ---- sound and dialogs

void MainWindow::PlayClick()
{
    if (state_.Sound && !closing_) sound_.PlayClick();
}

void MainWindow::PlayWave(const std::string& file)
{
    const QString path = programFolder_ + QString::fromStdString(file);
    if (!state_.Sound || closing_) return;
    const SoundPlayer::Mode mode = SoundPlayer::ModeOf(file);
    // A synchronous wave holds the GUI thread while it plays, so whatever was drawn just before it (the
    // winnings, a counter step, the card) is put on screen first; no input is handled meanwhile.
    if (mode == SoundPlayer::Mode::Synchronous)
        QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
    sound_.PlayWave(path, mode);
    // Presses made while the sound held the window waited for it; they belong to what was on screen then
    // (the spin just ended), not to what follows it. Handled at once, before the count-off of the win
    // begins (which forgets an earlier stop), a stop among them cannot cut the count short: only a press
    // made during the count-off pays the rest at once. A sound played by one of those presses (a refused
    // bet change) leaves its own waiting presses to this loop, so a held key cannot nest handlers.
    if (mode == SoundPlayer::Mode::Synchronous && !takingWaitingInput_) {
        takingWaitingInput_ = true;
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        takingWaitingInput_ = false;
    }
}

void MainWindow::ShowInformation(const std::string& text)
{
    dialogs_.Inform(this, QString::fromStdString(text));
}

void MainWindow::ShowError(const std::string& text)
{
    dialogs_.Error(this, QString::fromStdString(text));
}

void MainWindow::ShowDoubleOrNothing()
{
    if (closing_) return;  // the player has left; the win is paid as it stands
    DoubleOrNothingDialog cards(state_, engine_, *this, help_, this, placement_.Zoom);
    cards.exec();
}

bool MainWindow::SaveCurrentGame()
{
    return games_.SaveGameSlot(state_, CurrentGameSlot, CurrentGameName);
}

void MainWindow::SpinEvaluated()
{
    if (accessibility_) accessibility_->SpinEvaluated(engine_.LastSpin());
}

// ---- clock and message pumping

std::uint32_t MainWindow::GetTickCount()
{
    return static_cast<std::uint32_t>(clock_.NowUs() / 1000) + clockSkew_;
}

std::uint32_t MainWindow::TimeOfDayMs()
{
    return clock_.TimeOfDayMs();
}

void MainWindow::PumpMessages(std::uint32_t untilTick)
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    if (closing_) {
        // The window is gone: bonus spins still owed by the running spin play out at once, unseen,
        // rather than keep a hidden process alive for their animations.
        const auto behind = static_cast<std::int32_t>(untilTick - GetTickCount());
        if (behind > 0) clockSkew_ += static_cast<std::uint32_t>(behind);
        return;
    }
    clock_.WaitUntil(static_cast<std::int64_t>(untilTick) * 1000);
}

void MainWindow::WaitSeconds(double seconds)
{
    const std::uint32_t start = GetTickCount();
    const auto until = start + static_cast<std::uint32_t>(std::max(0.0, seconds) * 1000.0);
    while (!closing_ && static_cast<std::int32_t>(until - GetTickCount()) > 0)
        PumpMessages(until);
    if (closing_) QCoreApplication::processEvents(QEventLoop::AllEvents);
}

}  // namespace zorvik
