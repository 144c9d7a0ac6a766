// SPDX-License-Identifier: GPL-3.0-or-later
// The Keyboard Shortcuts window: every key of the game, by window, in a list a screen reader can walk.
#include "app/KeyboardShortcutsDialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace zorvik {

KeyboardShortcutsDialog::KeyboardShortcutsDialog(const QList<ShortcutRow>& rows, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Keyboard Shortcuts"));
    resize(620, 520);

    list = new QTreeWidget(this);
    list->setObjectName(QStringLiteral("ShortcutList"));
    list->setColumnCount(2);
    list->setHeaderLabels({QStringLiteral("Key"), QStringLiteral("Action")});
    list->setRootIsDecorated(false);
    list->setItemsExpandable(false);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);

    // One heading per window, its keys under it.
    QTreeWidgetItem* section = nullptr;
    for (const ShortcutRow& row : rows) {
        if (!section || section->text(0) != row.Section) {
            section = new QTreeWidgetItem(list, {row.Section});
            section->setFirstColumnSpanned(true);
            QFont bold = section->font(0);
            bold.setBold(true);
            section->setFont(0, bold);
            section->setFlags(Qt::ItemIsEnabled);
        }
        new QTreeWidgetItem(section, {row.Keys, row.Action});
    }
    list->expandAll();
    if (list->topLevelItemCount() > 0 && list->topLevelItem(0)->childCount() > 0)
        list->setCurrentItem(list->topLevelItem(0)->child(0));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    // Enter closes the list as Esc does: nothing in it can be changed.
    buttons->button(QDialogButtonBox::Close)->setDefault(true);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list, 1);
    layout->addWidget(buttons);
}

}  // namespace zorvik
