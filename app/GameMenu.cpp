// SPDX-License-Identifier: GPL-3.0-or-later
// The game menu: every action of the control panel in one menu that the keyboard reaches (F10, the Menu key)
// as well as a right click on the machine, the usual shortcuts, and the window that lists every key.
#include "app/GameMenu.h"

#include "app/KeyboardShortcutsDialog.h"
#include "engine/GameState.h"
#include "ui/face/ControlPanel.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QShortcut>
#include <QWidget>

#include <algorithm>

namespace zorvik {

namespace {

QString KeyName(const QKeySequence& key)
{
    return key.toString(QKeySequence::NativeText);
}

// The entry's text as a list shows it: without its mnemonic and trailing dots.
QString PlainText(const QAction* action)
{
    QString text = action->text().section(QLatin1Char('\t'), 0, 0);
    text.remove(QLatin1Char('&'));
    if (text.endsWith(QChar(0x2026))) text.chop(1);
    return text;
}

}  // namespace

GameMenu::GameMenu(QWidget& window, ControlPanel& panel, const GameState& state,
                   std::function<bool(QPoint)> onMachine)
    : QObject(&window), window_(window), panel_(panel), state_(state), onMachine_(std::move(onMachine))
{
    menu_ = new QMenu(&window_);
    menu_->setObjectName(QStringLiteral("GameMenu"));
    menu_->setTitle(QStringLiteral("Zorvik Slots"));

    const QString dots(QChar(0x2026));
    AddPanelAction(NewGameTag, QStringLiteral("&New Game"), QKeySequence(Qt::CTRL | Qt::Key_N));
    AddPanelAction(LoadGameTag, QStringLiteral("&Load Game") + dots, QKeySequence(Qt::CTRL | Qt::Key_O));
    AddPanelAction(SaveGameTag, QStringLiteral("&Save Game") + dots, QKeySequence(Qt::CTRL | Qt::Key_S));
    menu_->addSeparator();
    AddPanelAction(BorrowTag, QStringLiteral("&Borrow") + dots);
    AddPanelAction(PayChartTag, QStringLiteral("Pay &Chart"));
    AddPanelAction(StatsTag, QStringLiteral("S&tatistics"));
    AddPanelAction(SummaryTag, QStringLiteral("Su&mmary of Last Spin"));
    menu_->addSeparator();
    AddPanelAction(SoundTag, QStringLiteral("S&ound"))->setCheckable(true);
    AddPanelAction(DoubleTag, QStringLiteral("&Double or Nothing"))->setCheckable(true);
    AddPanelAction(PayModeTag, QStringLiteral("&Pay Mode: Count Off Credits"))->setCheckable(true);
    AddPanelAction(AutoSpinTag, QStringLiteral("&Auto Spin"))->setCheckable(true);
    viewsEnd_ = menu_->addSeparator();
    AddPanelAction(HelpTag, QStringLiteral("&Help"));
    shortcuts_ = new QAction(QStringLiteral("&Keyboard Shortcuts"), this);
    shortcuts_->setObjectName(QStringLiteral("KeyboardShortcutsAction"));
    connect(shortcuts_, &QAction::triggered, this, &GameMenu::ShowShortcuts);
    menu_->addAction(shortcuts_);
    AddPanelAction(WebSiteTag, QStringLiteral("&WWW Site"));
    about_ = new QAction(QStringLiteral("About &Zorvik Slots"), this);
    about_->setObjectName(QStringLiteral("AboutAction"));
    connect(about_, &QAction::triggered, this, [this] { panel_.ClickLogo(); });
    menu_->addAction(about_);
    menu_->addSeparator();
    AddPanelAction(ExitTag, QStringLiteral("E&xit"), QKeySequence(Qt::CTRL | Qt::Key_Q));

    // The switches may have changed anywhere (a refused spin ends auto spin): read them at every opening.
    connect(menu_, &QMenu::aboutToShow, this, &GameMenu::ShowStates);

    for (const QKeySequence& key : {QKeySequence(Qt::Key_F10), QKeySequence(Qt::Key_Menu)}) {
        auto* shortcut = new QShortcut(key, &window_);
        connect(shortcut, &QShortcut::activated, this, &GameMenu::PopupFromKeyboard);
        menuKeys_.push_back(shortcut);
    }
    window_.installEventFilter(this);
}

GameMenu::~GameMenu()
{
    window_.removeEventFilter(this);
    for (QShortcut* shortcut : menuKeys_)
        delete shortcut;
    delete menu_;
}

QAction* GameMenu::AddPanelAction(int tag, const QString& text, const QKeySequence& key)
{
    auto* action = new QAction(text, this);
    action->setObjectName(QStringLiteral("PanelAction%1").arg(tag));
    if (!key.isEmpty()) {
        action->setShortcut(key);
        // The shortcut works whenever the machine window is active, menu open or not.
        window_.addAction(action);
    }
    connect(action, &QAction::triggered, this, [this, tag] { panel_.ClickButton(tag); });
    menu_->addAction(action);
    panelActions_[static_cast<std::size_t>(tag)] = action;
    return action;
}

QAction* GameMenu::PanelAction(int tag) const
{
    if (tag < 0 || tag >= static_cast<int>(panelActions_.size())) return nullptr;
    return panelActions_[static_cast<std::size_t>(tag)];
}

QAction* GameMenu::AddViewAction(const QString& text, const QKeySequence& key, std::function<void()> run,
                                 std::function<bool()> checked)
{
    // The window answers the key itself; the menu only shows it, after a tab as Qt's menus place shortcuts.
    auto* action = new QAction(key.isEmpty() ? text : text + QLatin1Char('\t') + KeyName(key), this);
    if (!key.isEmpty()) viewKeys_.emplace_back(action, key);
    if (checked) {
        action->setCheckable(true);
        action->setChecked(checked());
        checkedViews_.emplace_back(action, std::move(checked));
    }
    connect(action, &QAction::triggered, this, [run = std::move(run)] { run(); });
    // The views stand apart from the game's switches above them.
    if (!viewsStart_) viewsStart_ = menu_->insertSeparator(viewsEnd_);
    menu_->insertAction(viewsEnd_, action);
    return action;
}

void GameMenu::ShowStates()
{
    PanelAction(SoundTag)->setChecked(state_.Sound);
    PanelAction(DoubleTag)->setChecked(state_.Double);
    PanelAction(PayModeTag)->setChecked(state_.PayMode);
    PanelAction(AutoSpinTag)->setChecked(state_.AutoSpin);
    for (const auto& [action, checked] : checkedViews_)
        action->setChecked(checked());
}

void GameMenu::Popup(QPoint windowPoint)
{
    menu_->popup(window_.mapToGlobal(windowPoint));
}

void GameMenu::PopupFromKeyboard()
{
    // Beside the panel, the block of buttons the menu stands for, so that both stay in view.
    const QLabel* top = panel_.Button(AutoSpinTag);
    const QPoint corner = top ? top->geometry().topLeft() : QPoint(0, 0);
    Popup(QPoint(std::max(0, corner.x() - menu_->sizeHint().width()), corner.y()));
    // The first entry is ready for the arrow keys and Enter at once.
    if (!menu_->actions().isEmpty()) menu_->setActiveAction(menu_->actions().constFirst());
}

bool GameMenu::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != &window_ || event->type() != QEvent::ContextMenu)
        return QObject::eventFilter(watched, event);
    auto* context = static_cast<QContextMenuEvent*>(event);
    // The Menu key has its own shortcut; a click on a control keeps doing what it always did.
    if (context->reason() == QContextMenuEvent::Mouse && !onMachine_(context->pos())) {
        Popup(context->pos());
        return true;
    }
    return false;
}

QList<ShortcutRow> GameMenu::Shortcuts() const
{
    const QString machine = QStringLiteral("Machine window");
    QList<ShortcutRow> rows = {
        {machine, QStringLiteral("Enter"), QStringLiteral("Spin")},
        {machine, KeyName(QKeySequence(Qt::Key_Space)), QStringLiteral("Stop the wheels (skill stop)")},
        {machine, QStringLiteral("L"), QStringLiteral("Play one more line")},
        {machine, QStringLiteral("K"), QStringLiteral("Play one line fewer")},
        {machine, QStringLiteral("C"), QStringLiteral("Bet one more coin per line")},
        {machine, QStringLiteral("X"), QStringLiteral("Bet one coin per line fewer")},
        {machine, KeyName(QKeySequence(Qt::Key_F1)), QStringLiteral("Help on the machine window")},
        {machine,
         KeyName(QKeySequence(Qt::Key_F10)) + QStringLiteral(", ") + KeyName(QKeySequence(Qt::Key_Menu)),
         QStringLiteral("Open the game menu (a right click beside the controls opens it too)")},
    };
    // Whatever the menu has a shortcut for, as the menu itself shows it.
    for (QAction* action : menu_->actions()) {
        if (!action->shortcut().isEmpty())
            rows.append({machine, KeyName(action->shortcut()), PlainText(action)});
    }
    for (const auto& [action, key] : viewKeys_)
        rows.append({machine, KeyName(key), PlainText(action)});

    const QString cards = QStringLiteral("Double or Nothing card game");
    const QString borrow = QStringLiteral("Borrow window");
    const QString loadSave = QStringLiteral("Load and Save windows");
    const QString others = QStringLiteral("Every window");
    rows += QList<ShortcutRow>{
        {cards, QStringLiteral("Arrow keys"), QStringLiteral("Move the highlight over the cards")},
        {cards, QStringLiteral("Enter, Space"), QStringLiteral("Turn the highlighted card")},
        {cards, QStringLiteral("Esc, Alt+O"), QStringLiteral("End the game and keep the winnings")},
        {borrow, QStringLiteral("Tab"), QStringLiteral("Move between the amounts, the mode and the buttons")},
        {borrow, QStringLiteral("Arrow keys"), QStringLiteral("Choose to borrow or to pay back")},
        {borrow, QStringLiteral("Enter"), QStringLiteral("Borrow or pay back the highlighted amount")},
        {loadSave, QStringLiteral("Tab, Arrow keys"), QStringLiteral("Move between the slots")},
        {loadSave, QStringLiteral("Enter"), QStringLiteral("Save into or load the slot")},
        {others, QStringLiteral("Tab, Shift+Tab"),
         QStringLiteral("Move to the next or the previous control")},
        {others, QStringLiteral("Esc"), QStringLiteral("Close the window")},
        {others, QStringLiteral("Enter"), QStringLiteral("Close the statistics, the chart and this list")},
        {others, KeyName(QKeySequence(Qt::Key_F1)), QStringLiteral("Help on the window")},
    };
    return rows;
}

void GameMenu::ShowShortcuts()
{
    KeyboardShortcutsDialog dialog(Shortcuts(), &window_);
    dialog.exec();
}

}  // namespace zorvik
