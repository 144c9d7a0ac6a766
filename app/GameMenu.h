// SPDX-License-Identifier: GPL-3.0-or-later
// The game menu: every action of the control panel in one menu that the keyboard reaches (F10, the Menu key)
// as well as a right click on the machine, the usual shortcuts, and the window that lists every key.
#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QPoint>
#include <QString>

#include <array>
#include <functional>
#include <utility>
#include <vector>

class QAction;
class QMenu;
class QShortcut;
class QWidget;

namespace zorvik {

class ControlPanel;
struct GameState;

// One line of the Keyboard Shortcuts window.
struct ShortcutRow {
    QString Section;
    QString Keys;  // key names as the desktop writes them, several joined by ", "
    QString Action;
};

class GameMenu : public QObject {
    Q_OBJECT

public:
    // The entries run the panel's own actions, so the menu and the buttons can never differ. onMachine tells
    // the points of the window where a right click already does something (the Spin and Stop column, the
    // bet controls, the logo); everywhere else it opens the menu. Everything passed in must outlive the menu.
    GameMenu(QWidget& window, ControlPanel& panel, const GameState& state,
             std::function<bool(QPoint)> onMachine);
    ~GameMenu() override;

    QMenu* Menu() const { return menu_; }
    // The entry of a panel button (tag 0-13).
    QAction* PanelAction(int tag) const;
    QAction* ShortcutsAction() const { return shortcuts_; }
    QAction* AboutAction() const { return about_; }

    // An entry of the window's own (a view of the game, another window), placed above Help. key is the key
    // the window itself answers for it, shown beside the entry and in the list of keys; checked, when given,
    // makes it a check item that shows the answer each time the menu opens.
    QAction* AddViewAction(const QString& text, const QKeySequence& key, std::function<void()> run,
                           std::function<bool()> checked = {});

    // Opens the menu at a point of the window; from the keyboard, at the top of the control panel.
    void Popup(QPoint windowPoint);
    void PopupFromKeyboard();

    // Every key the machine window and its side windows answer, in the order of the Keyboard Shortcuts
    // window.
    QList<ShortcutRow> Shortcuts() const;
    // The Keyboard Shortcuts window, modal over the game.
    void ShowShortcuts();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAction* AddPanelAction(int tag, const QString& text, const QKeySequence& key = {});
    void ShowStates();

    QWidget& window_;
    ControlPanel& panel_;
    const GameState& state_;
    std::function<bool(QPoint)> onMachine_;
    QMenu* menu_ = nullptr;
    std::array<QAction*, 14> panelActions_{};
    QAction* viewsStart_ = nullptr;  // the separator above the first view, once there is one
    QAction* viewsEnd_ = nullptr;    // the separator above Help; views go before it
    QAction* shortcuts_ = nullptr;
    QAction* about_ = nullptr;
    std::vector<std::pair<QAction*, std::function<bool()>>> checkedViews_;
    std::vector<QShortcut*> menuKeys_;
    std::vector<std::pair<QAction*, QKeySequence>> viewKeys_;
};

}  // namespace zorvik
