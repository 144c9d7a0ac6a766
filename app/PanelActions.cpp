// SPDX-License-Identifier: GPL-3.0-or-later
// The panel's requests carried out: the dialogs, questions and pages behind the control panel's buttons.
#include "app/PanelActions.h"

#include "engine/GameHooks.h"
#include "engine/SlotEngine.h"
#include "persistence/SavedGames.h"
#include "ui/dialogs/BorrowDialog.h"
#include "ui/dialogs/HelpContext.h"
#include "ui/dialogs/LoadSaveDialog.h"
#include "ui/dialogs/PayChartDialog.h"
#include "ui/dialogs/PlayerDialogs.h"
#include "ui/dialogs/StatisticsDialog.h"
#include "ui/face/ControlPanel.h"
#include "zorvik/Version.h"

#include <QDesktopServices>
#include <QDialog>
#include <QFileInfo>
#include <QWidget>

namespace zorvik {

PanelActions::PanelActions(const Context& context)
    : window_(context.window), state_(context.state), engine_(context.engine), hooks_(context.hooks),
      games_(context.games), dialogs_(context.dialogs), help_(context.help), zoom_(context.zoom),
      urlOpener_([](const QUrl& page) { return QDesktopServices::openUrl(page); })
{
}

void PanelActions::ShowHelp()
{
    help_.ShowTopic(&window_, HelpContents);
}

void PanelActions::ShowPayChart()
{
    PayChartDialog chart(help_, &window_, Zoom());
    OpenModal(chart);
}

void PanelActions::ShowBorrow()
{
    {
        BorrowDialog borrow(state_, dialogs_, help_, &window_, Zoom());
        OpenModal(borrow);
    }
    hooks_.RepaintWindow();
}

void PanelActions::AskNewGame()
{
    if (dialogs_.Confirm(&window_, QStringLiteral("Start a New Game?"))) engine_.NewGame();
}

void PanelActions::ShowSummary()
{
    if (state_.LastSpinSummary.Empty()) {
        dialogs_.Inform(&window_, QStringLiteral("You must spin before viewing a summary of the last spin."));
        return;
    }
    // The summary's lines are joined by carriage return and line feed; a message box wants plain breaks.
    QString summary = QString::fromUtf8(state_.LastSpinSummary.Text());
    summary.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    dialogs_.Inform(&window_, summary);
}

void PanelActions::AskExit()
{
    if (dialogs_.Confirm(&window_, QStringLiteral("Are you sure you want to exit the game?")))
        window_.close();
}

void PanelActions::OpenWebSite()
{
    OpenWebPage(HomePage());
}

void PanelActions::ShowLoadGame()
{
    {
        // A new dialog for every opening: it reads its mode while it is being built.
        LoadSaveDialog dialog(LoadSaveDialog::Mode::Load, state_, games_, dialogs_, help_, &window_, Zoom());
        if (dialog.Opened()) dialog.exec();
    }
    hooks_.RepaintWindow();
}

void PanelActions::ShowSaveGame()
{
    LoadSaveDialog dialog(LoadSaveDialog::Mode::Save, state_, games_, dialogs_, help_, &window_, Zoom());
    if (dialog.Opened()) dialog.exec();
}

void PanelActions::ShowStatistics()
{
    StatisticsDialog stats(state_, help_, &window_, Zoom(), engine_.Recorder());
    OpenModal(stats);
}

void PanelActions::ShowAbout()
{
    dialogs_.Inform(&window_, QStringLiteral("Zorvik Slots Version ") + QString::fromLatin1(ProgramVersion));
}

void PanelActions::OpenModal(QDialog& dialog)
{
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.exec();
}

QUrl PanelActions::HomePage() const
{
    return QUrl::fromLocalFile(help_.ManualFolder() + HelpViewer::TopicFile(HelpContents));
}

void PanelActions::OpenWebPage(const QUrl& page)
{
    // Our page is the manual's first page; without the manual, pointing a browser at it would only lead the
    // player to a page that is not there, so the manual's own message says what is missing and where.
    if (page.isLocalFile() && !QFileInfo(page.toLocalFile()).isFile()) {
        help_.ShowTopic(&window_, HelpContents);
        return;
    }
    if (urlOpener_(page)) return;
    dialogs_.Error(&window_, QStringLiteral("Could not find a web browser on your system!"));
    dialogs_.Inform(&window_, QStringLiteral("Please visit %1 at\n%2")
                                  .arg(ControlPanel::WebSiteName(),
                                       page.isLocalFile() ? page.toLocalFile() : page.toString()));
}

}  // namespace zorvik
