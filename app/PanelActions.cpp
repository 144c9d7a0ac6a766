// SPDX-License-Identifier: GPL-3.0-or-later
// The panel's requests carried out: the dialogs, questions and pages behind the control panel's buttons.
#include "app/PanelActions.h"

#include "engine/GameHooks.h"
#include "engine/SlotEngine.h"
#include "persistence/SavedGames.h"
#include "ui/dialogs/BorrowDialog.h"
#include "ui/dialogs/HelpViewer.h"
#include "ui/dialogs/LoadSaveDialog.h"
#include "ui/dialogs/PayChartDialog.h"
#include "ui/dialogs/PlayerDialogs.h"
#include "ui/dialogs/StatisticsDialog.h"
#include "ui/face/ControlPanel.h"

#include <QDesktopServices>
#include <QDialog>
#include <QFileInfo>
#include <QWidget>

namespace zorvik {

PanelActions::PanelActions(QWidget& window, GameState& state, SlotEngine& engine, GameHooks& hooks,
                           SavedGames& games)
    : window(window), state(state), engine(engine), hooks(hooks), games(games),
      urlOpener([](const QUrl& page) { return QDesktopServices::openUrl(page); })
{
}

void PanelActions::ShowHelp()
{
    ShowHelpTopic(&window, HelpContents);
}

void PanelActions::ShowPayChart()
{
    PayChartDialog chart(&window);
    OpenModal(chart);
}

void PanelActions::ShowBorrow()
{
    {
        BorrowDialog borrow(state, &window);
        OpenModal(borrow);
    }
    hooks.RepaintWindow();
}

void PanelActions::AskNewGame()
{
    if (PlayerDialogs::Confirm(&window, QStringLiteral("Start a New Game?"))) engine.NewGame();
}

void PanelActions::ShowSummary()
{
    if (state.LastSpinSummary.empty()) {
        PlayerDialogs::Inform(&window,
                              QStringLiteral("You must spin before viewing a summary of the last spin."));
        return;
    }
    // The summary's lines are joined by carriage return and line feed; a message box wants plain breaks.
    QString summary = QString::fromStdString(state.LastSpinSummary);
    summary.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    PlayerDialogs::Inform(&window, summary);
}

void PanelActions::AskExit()
{
    if (PlayerDialogs::Confirm(&window, QStringLiteral("Are you sure you want to exit the game?")))
        window.close();
}

void PanelActions::OpenWebSite()
{
    OpenWebPage(HomePage());
}

void PanelActions::ShowLoadGame()
{
    ShowLoadSave(0);
    hooks.RepaintWindow();
}

void PanelActions::ShowSaveGame()
{
    ShowLoadSave(LoadSaveDialog::SaveMode);
}

void PanelActions::ShowStatistics()
{
    StatisticsDialog stats(state, &window);
    OpenModal(stats);
}

void PanelActions::ShowAbout()
{
    PlayerDialogs::Inform(&window, QStringLiteral("Zorvik Slots") + QStringLiteral(" Version ") +
                                       QStringLiteral("1.1"));
}

void PanelActions::OpenModal(QDialog& dialog)
{
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.exec();
}

void PanelActions::ShowLoadSave(int mode)
{
    // A new dialog for every opening: it reads its mode while it is being built.
    LoadSaveDialog dialog(mode, state, games, &window);
    if (dialog.Opened()) dialog.exec();
}

QUrl PanelActions::HomePage()
{
    return QUrl::fromLocalFile(HelpViewer::ManualFolder() + HelpViewer::TopicFile(HelpContents));
}

void PanelActions::OpenWebPage(const QUrl& page)
{
    // Our page is the manual's first page; without the manual, pointing a browser at it would only lead the
    // player to a page that is not there, so the manual's own message says what is missing and where.
    if (page.isLocalFile() && !QFileInfo(page.toLocalFile()).isFile()) {
        ShowHelpTopic(&window, HelpContents);
        return;
    }
    if (urlOpener(page)) return;
    PlayerDialogs::Error(&window, QStringLiteral("Could not find a web browser on your system!"));
    PlayerDialogs::Inform(&window, QStringLiteral("Please visit %1 at\n%2")
                                       .arg(ControlPanel::WebSiteName(),
                                            page.isLocalFile() ? page.toLocalFile() : page.toString()));
}

}  // namespace zorvik
