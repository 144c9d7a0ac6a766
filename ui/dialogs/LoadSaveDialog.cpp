// SPDX-License-Identifier: GPL-3.0-or-later
// The Load/Save dialog: eight named slots of the saved-game file, to save the current game into or load from.
#include "ui/dialogs/LoadSaveDialog.h"

#include "persistence/SavedGames.h"
#include "ui/dialogs/HelpContext.h"
#include "ui/dialogs/PlayerDialogs.h"
#include "ui/dialogs/SideWindowStyle.h"
#include "ui/dialogs/SlotGridNavigation.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

namespace zorvik {

namespace {

constexpr int ClientWidth = 616;
constexpr int ClientHeight = 360;
constexpr int PanelWidth = 289;
constexpr int PanelHeight = 65;

// Top-left corners of the slot panels, slots 1-4 in the left column and 5-8 in the right.
constexpr QPoint PanelPlaces[8] = {{16, 16},  {16, 88},  {16, 160},  {16, 232},
                                   {312, 16}, {312, 88}, {312, 160}, {312, 232}};

QFont DialogFont(bool bold)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    font.setBold(bold);
    return font;
}

}  // namespace

LoadSaveDialog::LoadSaveDialog(Mode mode, GameState& state, SavedGames& games, PlayerDialogs& dialogs,
                               HelpContext& help, QWidget* parent, double zoom)
    : QDialog(parent), mode_(mode), state_(state), games_(games), dialogs_(dialogs), help_(help)
{
    // The current game goes to disk before anything else: closing the dialog reloads it from there. That save
    // reads the file under its lock; the panels show the file as the save left it, without a second read.
    ProfileFile onDisk;
    if (!games_.SaveGameSlot(state_, CurrentGameSlot, CurrentGameName, &onDisk)) return;
    onDisk_ = std::move(onDisk);
    opened_ = true;
    BuildWindow();
    ShowSlots(*onDisk_);
    ZoomSideWindow(*this, zoom);
}

void LoadSaveDialog::BuildWindow()
{
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(ClientWidth, ClientHeight);
    setFont(DialogFont(true));
    setWindowTitle(IsSaveMode() ? tr("Save a Game -- Select Game Slot")
                                : tr("Open a Game -- Select Game Slot"));

    auto* bevel = new QFrame(this);
    bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    bevel->setGeometry(0, 8, ClientWidth, 297);

    for (int index = 0; index < PlayerSlotCount; ++index)
        BuildSlotPanel(index, this);

    auto* help = new QPushButton(HelpButtonIcon(), tr("&Help"), this);
    help->setObjectName(QStringLiteral("helpButton"));
    help->setGeometry(8, 316, 97, 37);
    help->setAutoDefault(false);
    connect(help, &QPushButton::clicked, this, [this] { help_.ShowTopic(this, HelpLoadSave); });

    auto* cancel = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton), tr("&Cancel"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    cancel->setGeometry(508, 316, 97, 37);
    cancel->setAutoDefault(false);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    // Nothing is typed into a slot by accident: the dialog opens with Cancel in focus.
    cancel->setFocus();

    // Tab follows the slots in their numbers' order, each name then its OK button, then Help and Cancel;
    // the arrow keys move between the slots.
    SlotGridNavigation::Controls grid{};
    QWidget* previous = nullptr;
    for (int index = 0; index < PlayerSlotCount; ++index) {
        const SlotPanel& panel = panels_[static_cast<std::size_t>(index)];
        grid[static_cast<std::size_t>(index)] = {panel.name, panel.ok};
        if (previous) setTabOrder(previous, panel.name);
        setTabOrder(panel.name, panel.ok);
        previous = panel.ok;
    }
    setTabOrder(previous, help);
    setTabOrder(help, cancel);
    new SlotGridNavigation(this, grid);
}

void LoadSaveDialog::ShowSlots(const ProfileFile& onDisk)
{
    // The game itself is not touched while the dialog is open.
    const auto summaries = games_.ReadSlotSummaries(onDisk);
    for (int index = 0; index < PlayerSlotCount; ++index) {
        const SlotSummary& slot = summaries[static_cast<std::size_t>(index)];
        SlotPanel& panel = panels_[static_cast<std::size_t>(index)];
        panel.name->setText(QString::fromStdString(slot.GameName));
        panel.name->setCursorPosition(0);
        panel.date->setText(QString::fromStdString(slot.GameDate));
        panel.credits->setText(QStringLiteral("%1 Credits").arg(slot.Credits));
        panel.borrowed->setText(QStringLiteral("%1 Borrowed").arg(slot.Borrowed));
    }
}

// Tests find a slot's controls by these names, numbered 1-8 like the slots the player sees.
void LoadSaveDialog::BuildSlotPanel(int index, QWidget* parent)
{
    const int number = index + 1;
    auto* frame = new QFrame(parent);
    frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
    frame->setGeometry(QRect(PanelPlaces[index], QSize(PanelWidth, PanelHeight)));
    frame->setFont(DialogFont(false));

    SlotPanel& panel = panels_[static_cast<std::size_t>(index)];

    // The name box reads as part of the panel until it is edited; it stops short of the OK button.
    panel.name = new QLineEdit(frame);
    panel.name->setObjectName(QStringLiteral("slotName%1").arg(number));
    panel.name->setGeometry(8, 8, 220, 20);
    panel.name->setFrame(false);
    QPalette namePalette = panel.name->palette();
    namePalette.setColor(QPalette::Base, namePalette.color(QPalette::Button));
    panel.name->setPalette(namePalette);
    // The name only matters when saving; loading shows it as it stands in the file.
    panel.name->setReadOnly(!IsSaveMode());
    if (IsSaveMode()) panel.name->setToolTip(tr("The name proposed for the game saved in this slot"));

    auto* title = new QLabel(tr("Zorvik Slots"), frame);
    title->setObjectName(QStringLiteral("slotTitle%1").arg(number));
    title->setGeometry(8, 28, 129, 13);

    panel.date = new QLabel(frame);
    panel.date->setObjectName(QStringLiteral("slotDate%1").arg(number));
    panel.date->setGeometry(168, 28, 57, 13);
    panel.date->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    panel.credits = new QLabel(frame);
    panel.credits->setObjectName(QStringLiteral("slotCredits%1").arg(number));
    panel.credits->setGeometry(8, 48, 105, 13);

    panel.borrowed = new QLabel(frame);
    panel.borrowed->setObjectName(QStringLiteral("slotBorrowed%1").arg(number));
    panel.borrowed->setGeometry(112, 48, 113, 13);
    panel.borrowed->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    panel.ok = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), tr("OK"), frame);
    panel.ok->setObjectName(QStringLiteral("slotOkButton%1").arg(number));
    panel.ok->setGeometry(232, 16, 49, 37);
    panel.ok->setAutoDefault(false);
    panel.ok->setToolTip(IsSaveMode() ? tr("Save the game into this slot")
                                      : tr("Load the game of this slot"));
    connect(panel.ok, &QPushButton::clicked, this, [this, number] { ChooseSlot(number); });
    // Enter in a name box picks that slot, as its OK button would.
    connect(panel.name, &QLineEdit::returnPressed, this, [this, number] { ChooseSlot(number); });
}

void LoadSaveDialog::ChooseSlot(int number)
{
    if (!opened_ || closed_ || number < 1 || number > PlayerSlotCount) return;
    const int slot = number - 1;

    if (IsSaveMode()) {
        const QString proposal = panels_[static_cast<std::size_t>(slot)].name->text();
        const std::optional<QString> name =
            dialogs_.AskText(this, tr("Name for this saved game?"), QString(), proposal);
        if (name) CopyOnDisk(CurrentGameSlot, slot, name->toStdString());
    } else {
        CopyOnDisk(slot, CurrentGameSlot, CurrentGameName);
    }
    accept();
}

void LoadSaveDialog::CopyOnDisk(int from, int to, const std::string& name)
{
    // The copy reads the file afresh under the save's lock, not the dialog's copy of it: another copy of the
    // game may have saved since the dialog opened, and its slots must stay.
    ProfileFile onDisk;
    if (games_.CopyGameSlot(state_, from, to, name, &onDisk))
        onDisk_ = std::move(onDisk);
    else
        onDisk_.reset();
}

void LoadSaveDialog::done(int result)
{
    ReloadCurrentGame();
    QDialog::done(result);
}

void LoadSaveDialog::ReloadCurrentGame()
{
    // However the dialog closes, the game is what the current-game section holds now: the loaded game after
    // a load, the game as it was before the dialog opened after a save or a cancel.
    if (!opened_ || closed_) return;
    closed_ = true;
    if (onDisk_)
        games_.LoadGameSlot(state_, CurrentGameSlot, *onDisk_);
    else
        games_.LoadGameSlot(state_, CurrentGameSlot);
}

void LoadSaveDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1) {
        help_.ShowTopic(this, HelpLoadSave);
        return;
    }
    QDialog::keyPressEvent(event);
}

void LoadSaveDialog::showEvent(QShowEvent* event)
{
    // Centred on the screen like the other side windows, not over whatever part of the game opened it.
    QDialog::showEvent(event);
    CentreOnScreen(*this);
}

}  // namespace zorvik
