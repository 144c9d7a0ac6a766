// SPDX-License-Identifier: GPL-3.0-or-later
// The panel's requests carried out: the dialogs, questions and pages behind the control panel's buttons.
#pragma once

#include "ui/face/PanelRequests.h"

#include <QUrl>

#include <functional>

class QDialog;
class QWidget;

namespace zorvik {

class GameHooks;
class HelpContext;
class PlayerDialogs;
class SavedGames;
class SlotEngine;
struct GameState;

class PanelActions : public PanelRequests {
public:
    // Where the actions open their windows and what those windows work on; everything passed in must outlive
    // the actions.
    struct Context {
        QWidget& window;  // dialogs open above it; AskExit closes it
        GameState& state;
        SlotEngine& engine;
        GameHooks& hooks;
        SavedGames& games;
        PlayerDialogs& dialogs;
        HelpContext& help;
        // The window's zoom when a dialog opens; the side windows take it too. None: they open unzoomed.
        std::function<double()> zoom = {};
    };

    explicit PanelActions(const Context& context);

    void ShowHelp() override;
    void ShowPayChart() override;
    void ShowBorrow() override;
    void AskNewGame() override;
    void ShowSummary() override;
    void AskExit() override;
    void OpenWebSite() override;
    void ShowLoadGame() override;
    void ShowSaveGame() override;
    void ShowStatistics() override;
    void ShowAbout() override;

    // Asks the desktop to open page in the default browser; tells the player when no browser can be started.
    void OpenWebPage(const QUrl& page);
    // The page behind "WWW Site": the manual's home page that lies beside the program.
    QUrl HomePage() const;

    // Tests open pages through this instead of the desktop; it returns false when nothing could open the
    // page.
    void SetUrlOpener(std::function<bool(const QUrl&)> opener) { urlOpener_ = std::move(opener); }

private:
    void OpenModal(QDialog& dialog);
    double Zoom() const { return zoom_ ? zoom_() : 1.0; }

    QWidget& window_;
    GameState& state_;
    SlotEngine& engine_;
    GameHooks& hooks_;
    SavedGames& games_;
    PlayerDialogs& dialogs_;
    HelpContext& help_;
    std::function<double()> zoom_;
    std::function<bool(const QUrl&)> urlOpener_;
};

}  // namespace zorvik
