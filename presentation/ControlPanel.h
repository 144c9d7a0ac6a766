// The control panel, the game's menu: fourteen picture buttons beside the wheels, the about box and Timer3.
#pragma once

#include "engine/GameState.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QObject>
#include <QRect>
#include <QString>
#include <QUrl>

#include <array>
#include <functional>
#include <memory>

class QDialog;
class QLabel;
class QStyle;
class QTimer;
class QWidget;

namespace zorvik {

class GameHooks;
class SavedGames;
class SlotEngine;

class ControlPanel : public QObject {
    Q_OBJECT

public:
    static constexpr int ButtonCount = 14;
    static constexpr int StartupTimerMs = 250;

    // The buttons become children of form, laid out upward from the template rectangle in two columns
    // of seven; each shows a copy of the template picture with its caption. Everything passed in must
    // outlive the panel. Timer3 starts at once, as the window's creation starts it.
    ControlPanel(QWidget& form, GameState& state, SlotEngine& engine, GameHooks& hooks, SavedGames& games,
                 const QRect& optionsTemplate, const QImage& optionsPicture);
    ~ControlPanel() override;

    // Redraws the fourteen captions in the colours of the current switches, with the window frozen meanwhile.
    void DrawControlPanel();
    // The action of the button with this tag (0-13); any other tag does nothing.
    void OptionsClick(int tag);
    // The about box of the logo.
    void LogoClick();
    // Asks the desktop to open page in the default browser; tells the player when no browser can be started.
    void OpenWebPage(const QUrl& page);
    // The start-up one-shot: starts the lamp celebration once per run.
    void Timer3Timer();

    // The page behind "WWW Site": the manual's home page that lies beside the program.
    static QUrl HomePage();

    static QString Caption(int tag);
    QColor CaptionColour(int tag) const;
    QLabel* Button(int tag) const;
    QTimer* Timer3() const { return timer3; }

    // Tests open pages through this instead of the desktop; it returns false when nothing could open the
    // page.
    void SetUrlOpener(std::function<bool(const QUrl&)> opener) { urlOpener = std::move(opener); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QFont CaptionFont() const;
    void OpenModal(QDialog& dialog);
    void ShowLoadSave(int mode);

    QWidget& form;
    GameState& state;
    SlotEngine& engine;
    GameHooks& hooks;
    SavedGames& games;
    QImage templatePicture;
    std::array<QLabel*, ButtonCount> buttons{};
    std::unique_ptr<QStyle> buttonStyle;
    QTimer* timer3 = nullptr;
    bool timer3Fired = false;
    int pressedTag = -1;  // the button held down, drawn pushed in
    std::function<bool(const QUrl&)> urlOpener;
};

}  // namespace zorvik
