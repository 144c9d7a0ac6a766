// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: owns the game, builds the machine face at start-up and is the engine's front end.
#pragma once

#include "app/FaceHooks.h"
#include "app/FrameClock.h"
#include "app/GameMenu.h"
#include "app/MachineKeys.h"
#include "app/PanelActions.h"
#include "engine/GameHooks.h"
#include "engine/GameState.h"
#include "engine/SlotEngine.h"
#include "persistence/RecentSpinsStore.h"
#include "persistence/SavedGames.h"
#include "ui/dialogs/HelpContext.h"
#include "ui/dialogs/PlayerDialogs.h"
#include "ui/face/FacePlacement.h"
#include "ui/face/MachineAccessibility.h"
#include "ui/face/MachineFace.h"
#include "ui/face/PictureSet.h"
#include "ui/sound/SoundPlayer.h"

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

struct MainWindowOptions {
    std::optional<ScreenInfo> Screen;  // default: the primary screen
    QString ProgramFolder;             // default: ProgramFolder(); must end in '/'
    QString SavedGamesPath;            // default: DefaultSavedGamesPath()
    QString RecentSpinsPath;           // default: recent-spins.dat beside the saved games
    PlayerDialogs* Dialogs = nullptr;  // default: the desktop's modal boxes; must outlive the window
    FrameClock* Clock = nullptr;       // default: a SteadyFrameClock; must outlive the window
    // Shows the window as soon as its size is known, before the machine is built: the program opens it so.
    bool ShowWhileBuilding = false;
    // The application's icon (a file or resource), read once the window is shown; none by default.
    QString ApplicationIcon;
};

class MainWindow : public QWidget, public FaceHooks {
    Q_OBJECT
    // Assistive technology finds the painted Spin, Stop, bet controls and displays among the children.
    Q_CLASSINFO("AccessiblePaintedElements", "yes")

public:
    // Runs the whole start-up; the window is ready to show when this returns (and shown already, with
    // ShowWhileBuilding).
    explicit MainWindow(MainWindowOptions options = {}, QWidget* parent = nullptr);
    ~MainWindow() override;

    GameState& State() { return state_; }
    SlotEngine& Engine() { return engine_; }
    MachineFace& Face() { return face_; }
    const PictureSet& Pictures() const { return pictures_; }
    SoundPlayer& Sounds() { return sound_; }
    SavedGames& Games() { return games_; }
    RecentSpinsStore& RecentSpins() { return recent_; }
    ControlPanel* Panel() const { return panel_.get(); }
    PanelActions& Actions() { return actions_; }
    PlayerDialogs& Dialogs() { return dialogs_; }
    HelpContext& Help() { return help_; }
    GameMenu& Menu() { return *menu_; }
    // The digit strips at the size of this screen, for the borrow window's displays.
    const DigitPainter& Digits() const { return face_.Digits(); }

    // Every asset is opened as this folder (ending in '/') followed by its bare file name.
    const QString& ProgramFolder() const { return programFolder_; }
    int ScreenWidth() const { return screen_.Width; }
    int ScreenColourDepth() const { return screen_.ColourDepth; }
    // True once the window has been asked to close; the spin on the stack then finishes without waiting.
    bool Closing() const { return closing_; }

    QTimer* LampCelebrationRowTimer() { return &lampCelebrationRowTimer_; }
    QTimer* LampCelebrationAlternateTimer() { return &lampCelebrationAlternateTimer_; }
    QTimer* LineFlashTimer() { return &lineFlashTimer_; }
    QTimer* FreeSpinTextTimer() { return &freeSpinTextTimer_; }

    // Start-up steps, public for tests.
    bool LoadPictures();
    void LoadClickSound();

    // How the machine is put on the window now: the screen it is laid out for and the zoom.
    const FacePlacement& Placement() const { return placement_; }
    // The layout pixel under a point of the window (window pixels), as the mouse finds it.
    QPoint LayoutPoint(QPointF windowPoint) const;
    // The window pixels that show an area of the machine's layout.
    QRect WindowRect(const QRect& layoutArea) const;
    bool IsClassicLayout() const { return classic_; }
    bool IsFullScreen() const { return isFullScreen(); }
    // Where the window's choices (classic layout, full screen) are kept: the user's configuration folder,
    // never the saved-game file.
    static QString SettingsPath();
    // The largest window, in pixels of the screen: a screen larger still gets a window of this size, so the
    // window and its canvas never take more memory than an 8K screen's.
    static constexpr QSize LargestWindowPixels{7680, 4320};

    // A left click on the machine at a window position: the stop and spin buttons, the bet's plus and minus,
    // wherever the zoom puts them.
    void ClickMachine(QPoint position);
    // A key of the machine: Enter spins, Space stops, C/X and L/K change the coins and the lines.
    void PressKey(int key);
    // True where a click already does something on the machine, at a point of the window: the Spin and Stop
    // column, the bet controls and the logo. A right click anywhere else opens the game menu.
    bool OnMachineControl(QPoint windowPoint) const;

    // The "Recent Spins" window (key H), modal above the machine.
    void ShowRecentSpins();
    // Ends the game as a close would, for SIGTERM and the like: windows open above the machine are closed
    // first, and a failed save is told on standard error rather than in a box nobody may be there to see.
    void CloseForTermination();
    // The desktop session is ending: the current game is written now (or as soon as the running spin is
    // over), without closing; the session may yet be cancelled.
    void CommitData();
    // Writes the current game once as the program ends, when the game is at rest; closing the window does
    // this itself, and the program entry calls it again after the event loop in case it ended otherwise.
    void SaveAtExit();

    void LampCelebrationRowTick();
    void LampCelebrationAlternateTick();
    void LineFlashTick();
    void FreeSpinTextTick();

public slots:
    // Full screen on or off (F11); remembered for the next run.
    void ToggleFullScreen();
    // The classic layout of the screen's class in a window of fixed size, or (false, the default) the
    // machine fitted to a resizable window, zoomed when the window is larger than it needs. Remembered for
    // the next run.
    void SetClassicLayout(bool classic);

public:
    // GameHooks beyond the face's own drawing, which FaceHooks hands on.
    void ShowStoppedWheel(int wheel) override;
    // Repaints the canvas from the game state and puts it on screen, captions of the panel included.
    void RepaintWindow() override;
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
    void SpinEvaluated() override;
    void PaidSpinFinished() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void CelebrationTick(bool alternate);
    QTimer* TimerOf(GameTimer timer);
    // Lays the machine out again for the window's size and resolution and repaints it.
    void Relayout();
    // The window's size rules for the chosen layout.
    void ApplyWindowMode();
    // How small the resizable window may get: as tall as the machine's pictures need.
    void ApplyMinimumSize();
    void SaveWindowChoices() const;
    // The window's client size at start-up: the screen's width less 10 by the height the desktop leaves.
    QSize StartupClientSize() const;
    QSize LargestWindow() const;
    void SaveWhenAtRest();
    void ReportError(const std::string& text);

    ScreenInfo screen_;
    QString programFolder_;
    std::unique_ptr<PlayerDialogs> ownDialogs_;  // when no dialogs were passed in
    PlayerDialogs& dialogs_;
    HelpContext help_;
    std::unique_ptr<FrameClock> ownClock_;  // when no clock was passed in
    FrameClock& clock_;
    GameState state_;
    PictureSet pictures_;
    SoundPlayer sound_;
    SavedGames games_;
    RecentSpinsStore recent_;
    SlotEngine engine_;
    MachineFace face_;
    PanelActions actions_;
    std::unique_ptr<ControlPanel> panel_;
    std::unique_ptr<MachineAccessibility> accessibility_;
    std::unique_ptr<GameMenu> menu_;
    std::unique_ptr<MachineKeys> keys_;
    QTimer lampCelebrationRowTimer_, lampCelebrationAlternateTimer_, lineFlashTimer_, freeSpinTextTimer_;
    std::uint32_t clockSkew_ = 0;  // moves the tick count on after the window has closed
    bool closing_ = false;
    bool built_ = false;  // the constructor has built the machine; until then nothing is laid out
    bool classic_ = false;
    FacePlacement placement_;
    double ratio_ = 1.0;               // device pixels per window pixel the canvas was made for
    QSize laidOutSize_;                // the window size the layout was made for
    bool takingWaitingInput_ = false;  // handling the input that waited behind a synchronous sound
    bool exiting_ = false;             // the program is ending: the next save at rest is the last
    bool exitSaved_ = false;           // that save has been made
    bool saveAtRest_ = false;          // a save waits for the running spin to end
    bool quietErrors_ = false;
};

}  // namespace zorvik
