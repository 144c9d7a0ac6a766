// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: owns the game, builds the machine face at start-up and is the engine's front end.
#include "app/MainWindow.h"

#include "app/SteadyFrameClock.h"
#include "ui/dialogs/DoubleOrNothingDialog.h"
#include "ui/dialogs/ModalPlayerDialogs.h"
#include "ui/face/ControlPanel.h"
#include "ui/face/ProgramFolder.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include <algorithm>
#include <cmath>

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

}  // namespace

MainWindow::MainWindow(MainWindowOptions options, QWidget* parent)
    : QWidget(parent), screen_(ScreenOf(options)), programFolder_(FolderOf(options)),
      ownDialogs_(options.Dialogs ? nullptr : std::make_unique<ModalPlayerDialogs>()),
      dialogs_(options.Dialogs ? *options.Dialogs : *ownDialogs_),
      // The manual stands in for the help file beside the program.
      help_(programFolder_ + QStringLiteral("manual/"), dialogs_),
      ownClock_(options.Clock ? nullptr : std::make_unique<SteadyFrameClock>()),
      clock_(options.Clock ? *options.Clock : *ownClock_), games_(GamesPathOf(options)),
      engine_(state_, *this), face_(state_, pictures_, screen_.Width, screen_.Dpi),
      actions_({*this, state_, engine_, *this, games_, dialogs_, help_})
{
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

    if (!LoadPictures())
        dialogs_.Inform(
            nullptr,
            QStringLiteral(
                "There are BMP files missing which may cause this program to not function properly!"));

    engine_.SetStartupStrips();
    LoadClickSound();

    // The window takes the screen's width less 10 pixels and the height the desktop leaves free. The
    // canvas spans the whole screen, so nothing laid out against the screen width is clipped off it.
    const QSize client(screen_.Width - 10, screen_.Height);
    face_.ResizeCanvas(QSize(screen_.Width, screen_.Height));
    setMaximumSize(face_.Canvas().size());
    resize(client);
    move(5, 0);
    face_.SetFlush([this](const QRect& area) { update(area); });

    face_.ComputeGeometry();
    panel_ = std::make_unique<ControlPanel>(*this, state_, engine_, *this, actions_, face_.OptionsRect,
                                            pictures_.Options);

    engine_.SetStartupBet();
    engine_.NewGame();
    engine_.SetStartupOptions();

    games_.SetErrorReporter([this](const std::string& text) { ShowError(text); });
    games_.LoadGameSlot(state_, CurrentGameSlot);

    // With normal-size fonts the machine opens maximised; with large fonts it keeps its fixed size.
    if (screen_.Dpi < 100)
        setWindowState(Qt::WindowMaximized);
    else
        setFixedSize(client);

    lampCelebrationRowTimer_.setInterval(200);
    lampCelebrationAlternateTimer_.setInterval(200);
    lineFlashTimer_.setInterval(400);
    freeSpinTextTimer_.setInterval(300);
    connect(&lampCelebrationRowTimer_, &QTimer::timeout, this, &MainWindow::LampCelebrationRowTick);
    connect(&lampCelebrationAlternateTimer_, &QTimer::timeout, this,
            &MainWindow::LampCelebrationAlternateTick);
    connect(&lineFlashTimer_, &QTimer::timeout, this, &MainWindow::LineFlashTick);
    connect(&freeSpinTextTimer_, &QTimer::timeout, this, &MainWindow::FreeSpinTextTick);
    RepaintWindow();
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
    painter.drawImage(area, face_.Canvas(), area);
}

// ---- input

void MainWindow::ClickMachine(QPoint p)
{
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
    default:
        break;
    }
}

void MainWindow::mousePressEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    // The logo is a picture of its own on the face; a left click opens the about box, and no press on it
    // reaches the machine.
    if (face_.LogoRect.contains(p)) {
        if (panel_ && event->button() == Qt::LeftButton) panel_->ClickLogo();
        return;
    }
    ClickMachine(p);
}

void MainWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1) {
        help_.ShowTopic(this, HelpMainWindow);
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
    GameState& s = state_;
    // The spin total (index 8) is never flashed: the step from 7 goes straight to the screen bonus.
    auto next = [](int item) {
        const int n = item + 1;
        return n == SpinWinIndex ? ScreenBonusIndex : n > ScreenBonusIndex ? 0 : n;
    };
    if (s.LineFlashCount >= 6) {
        if (s.FirstWinLine == ScreenBonusIndex)
            face_.FlashScreenBonus(false);
        else
            face_.FlashLine(s.FirstWinLine, false);
        s.LineFlashCount = 0;
        int item = next(s.FirstWinLine);
        // Ten steps visit every item; a list with nothing to flash stops the timer instead of hanging.
        int tries = 0;
        while (s.WinItem(item) == 0 && ++tries <= ScreenBonusIndex + 1)
            item = next(item);
        if (s.WinItem(item) == 0) {
            lineFlashTimer_.stop();
            return;
        }
        s.FirstWinLine = item;
    }
    s.LineFlashOn = !s.LineFlashOn;
    if (s.FirstWinLine == ScreenBonusIndex)
        face_.FlashScreenBonus(s.LineFlashOn);
    else
        face_.FlashLine(s.FirstWinLine, s.LineFlashOn);
    s.LineFlashCount += 1;
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

void MainWindow::UnflashLine(int line)
{
    face_.FlashLine(line, false);
}
void MainWindow::DrawLeftSideLamp(bool lit)
{
    face_.DrawLeftSideLamp(lit);
}
void MainWindow::DrawRightSideLamp(bool lit)
{
    face_.DrawRightSideLamp(lit);
}
void MainWindow::DrawLamp(int lamp, bool lit)
{
    face_.DrawLamp(lamp, lit);
}
void MainWindow::DrawMotionWindow(int wheel, int offset)
{
    face_.DrawMotionWindow(wheel, offset);
}

void MainWindow::ShowStoppedWheel(int wheel)
{
    PlayClick();
    face_.ShowStoppedWheel(wheel);
}

void MainWindow::BounceWheel(int wheel, int dy, bool capture)
{
    face_.BounceWheel(wheel, dy, capture);
}
void MainWindow::DrawCredits()
{
    face_.DrawCredits();
}
void MainWindow::ShowWinnings(bool on)
{
    face_.ShowWinnings(on);
}
void MainWindow::DrawCobraCounter()
{
    face_.DrawCobraCounter();
}
void MainWindow::DrawIdolCounter()
{
    face_.DrawIdolCounter();
}
void MainWindow::DrawIdolPool()
{
    face_.DrawIdolPool();
}
void MainWindow::DrawLinesPlayed()
{
    face_.DrawLinesPlayed();
}
void MainWindow::DrawCoinsPerLine()
{
    face_.DrawCoinsPerLine();
}
void MainWindow::DrawCoinsPlayed()
{
    face_.DrawCoinsPlayed();
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
    DoubleOrNothingDialog cards(state_, engine_, *this, help_, this);
    cards.exec();
}

bool MainWindow::SaveCurrentGame()
{
    return games_.SaveGameSlot(state_, CurrentGameSlot, CurrentGameName);
}

// ---- clock and message pumping

std::uint32_t MainWindow::GetTickCount()
{
    return static_cast<std::uint32_t>(clock_.NowUs() / 1000) + clockSkew_;
}

std::uint32_t MainWindow::TimeOfDayMs()
{
    return static_cast<std::uint32_t>(QDateTime::currentDateTimeUtc().time().msecsSinceStartOfDay());
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
