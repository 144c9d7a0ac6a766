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

    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("ShortcutList"));
    list_->setColumnCount(2);
    list_->setHeaderLabels({QStringLiteral("Key"), QStringLiteral("Action")});
    list_->setRootIsDecorated(false);
    list_->setItemsExpandable(false);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);

    // One heading per window, its keys under it.
    QTreeWidgetItem* section = nullptr;
    for (const ShortcutRow& row : rows) {
        if (!section || section->text(0) != row.Section) {
            section = new QTreeWidgetItem(list_, {row.Section});
            section->setFirstColumnSpanned(true);
            QFont bold = section->font(0);
            bold.setBold(true);
            section->setFont(0, bold);
            section->setFlags(Qt::ItemIsEnabled);
        }
        new QTreeWidgetItem(section, {row.Keys, row.Action});
    }
    list_->expandAll();
    if (list_->topLevelItemCount() > 0 && list_->topLevelItem(0)->childCount() > 0)
        list_->setCurrentItem(list_->topLevelItem(0)->child(0));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    // Enter closes the list as Esc does: nothing in it can be changed.
    buttons->button(QDialogButtonBox::Close)->setDefault(true);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addWidget(buttons);
}

}  // namespace zorvik
