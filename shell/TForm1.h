// The main window: owns the game, builds the machine face at start-up and is the engine's front end.
#pragma once

#include "engine/GameHooks.h"
#include "engine/GameState.h"
#include "engine/SlotEngine.h"
#include "persistence/SavedGames.h"
#include "presentation/MachineFace.h"
#include "presentation/PictureSet.h"
#include "presentation/SoundPlayer.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include <memory>
#include <optional>

namespace zorvik {

class ControlPanel;

// What the window reads from the screen once at creation. Tests pass their own.
struct ScreenInfo {
    int Width = 1024;
    int Height = 768;      // the height the desktop leaves free for windows
    int ColourDepth = 24;  // bits per pixel
    int Dpi = 96;          // logical pixels per inch; above 100 the large-fonts label sizes apply

    static ScreenInfo FromPrimaryScreen();
};

struct TForm1Options {
    std::optional<ScreenInfo> Screen;  // default: the primary screen
    QString ProgramFolder;             // default: ProgramFolder(); must end in '/'
    QString SavedGamesPath;            // default: DefaultSavedGamesPath()
};

class TForm1 : public QWidget, public GameHooks {
    Q_OBJECT

public:
    // Runs the whole start-up (FormCreate); the window is ready to show when this returns.
    explicit TForm1(TForm1Options options = {}, QWidget* parent = nullptr);
    ~TForm1() override;

    GameState& State() { return state_; }
    SlotEngine& Engine() { return engine_; }
    MachineFace& Face() { return face_; }
    const PictureSet& Pictures() const { return pictures_; }
    SoundPlayer& Sounds() { return sound_; }
    SavedGames& Games() { return games_; }
    ControlPanel* Panel() const { return panel_.get(); }
    // The digit strips at the size of this screen, for the borrow window's displays.
    const DigitPainter& Digits() const { return face_.Digits(); }

    // Every asset is opened as this folder (ending in '/') followed by its bare file name.
    const QString& ProgramFolder() const { return programFolder_; }
    int ScreenWidth() const { return screen_.Width; }
    int ScreenColourDepth() const { return screen_.ColourDepth; }
    // True once the window has been asked to close; the spin on the stack then finishes without waiting.
    bool Closing() const { return closing_; }

    QTimer* Timer1() { return &timer1_; }
    QTimer* Timer2() { return &timer2_; }
    QTimer* Timer4() { return &timer4_; }
    QTimer* Timer5() { return &timer5_; }

    // Start-up steps, public for tests.
    bool LoadPictures();
    void LoadClickSound();

    // Repaints the canvas from the game state and puts it on screen, captions of the panel included.
    void FormPaint();
    void FormMouseDown(QPoint position);
    void FormKeyDown(int key);
    void FormClose();

    void Timer1Timer();
    void Timer2Timer();
    void Timer4Timer();
    void Timer5Timer();

    // GameHooks.
    void UnflashLine(int line) override;
    void DrawLeftSideLamp(bool lit) override;
    void DrawRightSideLamp(bool lit) override;
    void DrawLamp(int lamp, bool lit) override;
    void DrawMotionWindow(int wheel, int offset) override;
    void ShowStoppedWheel(int wheel) override;
    void BounceWheel(int wheel, int dy, bool capture) override;
    void RepaintWindow() override;
    void DrawCredits() override;
    void ShowWinnings(bool on) override;
    void DrawCobraCounter() override;
    void DrawIdolCounter() override;
    void DrawIdolPool() override;
    void DrawLinesPlayed() override;
    void DrawCoinsPerLine() override;
    void DrawCoinsPlayed() override;
    void DrawControlPanel() override;
    void PlayClick() override;
    void PlayWave(const std::string& file) override;
    void ShowInformation(const std::string& text) override;
    void ShowError(const std::string& text) override;
    void ShowDoubleOrNothing() override;
    void StartTimer(GameTimer timer) override;
    void StopTimer(GameTimer timer) override;
    std::uint32_t GetTickCount() override;
    std::uint32_t TimeOfDayMs() override;
    void PumpMessages(std::uint32_t untilTick) override;
    void WaitSeconds(double seconds) override;
    // Nothing is shown once the window has closed: the spin on the stack then finishes without its show.
    bool ShowsAnimation() const override { return !closing_; }
    bool SaveCurrentGame() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void CelebrationTick(bool alternate);
    QTimer* TimerOf(GameTimer timer);

    ScreenInfo screen_;
    QString programFolder_;
    GameState state_;
    PictureSet pictures_;
    SoundPlayer sound_;
    SavedGames games_;
    SlotEngine engine_;
    MachineFace face_;
    std::unique_ptr<ControlPanel> panel_;
    QTimer timer1_, timer2_, timer4_, timer5_;
    QTimer wake_;  // ends a wait for messages at the next frame time
    QElapsedTimer clock_;
    std::uint32_t clockSkew_ = 0;  // moves the tick count on after the window has closed
    bool closing_ = false;
};

}  // namespace zorvik
