// SPDX-License-Identifier: GPL-3.0-or-later
// What the control panel's buttons ask of the window that owns them: every action that opens a window,
// asks a question or leaves the game. The panel itself only switches options and draws its captions.
#pragma once

namespace zorvik {

class PanelRequests {
public:
    virtual ~PanelRequests() = default;

    virtual void ShowHelp() = 0;
    virtual void ShowPayChart() = 0;
    virtual void ShowBorrow() = 0;
    virtual void AskNewGame() = 0;
    virtual void ShowSummary() = 0;
    virtual void AskExit() = 0;
    virtual void OpenWebSite() = 0;
    virtual void ShowLoadGame() = 0;
    virtual void ShowSaveGame() = 0;
    virtual void ShowStatistics() = 0;
    virtual void ShowAbout() = 0;
};

}  // namespace zorvik
