// SPDX-License-Identifier: GPL-3.0-or-later
// The control panel: fourteen picture buttons beside the wheels, their captions and the start-up timer.
#pragma once

#include "engine/GameState.h"
#include "ui/face/CanvasMapping.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QObject>
#include <QRect>
#include <QString>

#include <array>
#include <memory>

class QLabel;
class QStyle;
class QTimer;
class QWidget;

namespace zorvik {

class GameHooks;
class PanelButton;
class PanelRequests;
class SlotEngine;

// The tags of the fourteen buttons, in the order they are laid out: up the first column, then the second.
enum PanelTag {
    HelpTag,
    PayModeTag,
    PayChartTag,
    BorrowTag,
    NewGameTag,
    SummaryTag,
    AutoSpinTag,
    ExitTag,
    SoundTag,
    WebSiteTag,
    DoubleTag,
    SaveGameTag,
    LoadGameTag,
    StatsTag,
};

class ControlPanel : public QObject {
    Q_OBJECT

public:
    static constexpr int ButtonCount = 14;
    static constexpr int StartupTimerMs = 250;

    // The buttons become children of window, laid out upward from the template rectangle in two columns
    // of seven; each shows a copy of the template picture with its caption. Everything passed in must
    // outlive the panel. The start-up timer starts at once, as the window's creation starts it.
    ControlPanel(QWidget& window, GameState& state, SlotEngine& engine, GameHooks& hooks,
                 PanelRequests& requests, const QRect& optionsTemplate, const QImage& optionsPicture);
    ~ControlPanel() override;

    // Lays the buttons out again from the template's place in the layout, for a window on which the layout
    // lands as mapping says (window pixels); face is the template picture drawn at the window's own
    // resolution (the mapping's scale times the device pixel ratio), or null to resample the template.
    void Place(const QRect& layoutTemplate, const CanvasMapping& mapping, const QImage& face);

    // Redraws the fourteen captions in the colours of the current switches, with the window frozen meanwhile.
    void DrawCaptions();
    // The action of the button with this tag (0-13); any other tag does nothing.
    void ClickButton(int tag);
    // The logo asks for the about box.
    void ClickLogo();
    // The start-up one-shot: starts the lamp celebration once per run.
    void StartupTick();

    static QString WebSiteName();
    static QString Caption(int tag);
    QColor CaptionColour(int tag) const;
    QLabel* Button(int tag) const;
    QTimer* StartupTimer() const { return startupTimer_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QFont CaptionFont() const;

    QWidget& window_;
    GameState& state_;
    SlotEngine& engine_;
    GameHooks& hooks_;
    PanelRequests& requests_;
    QImage templatePicture_;
    QImage scaledFace_;  // the template at the window's resolution, when the window is zoomed
    double zoom_ = 1.0;  // window pixels per layout pixel
    std::array<PanelButton*, ButtonCount> buttons_{};
    std::unique_ptr<QStyle> buttonStyle_;
    QTimer* startupTimer_ = nullptr;
    bool startupTimerFired_ = false;
    int pressedTag_ = -1;  // the button held down, drawn pushed in
};

}  // namespace zorvik
