// SPDX-License-Identifier: GPL-3.0-or-later
// The player's questions as the desktop's modal message boxes and input box, titled with the game's name.
#include "ui/dialogs/ModalPlayerDialogs.h"

#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>

namespace zorvik {

namespace {

const QString ProductTitle = QStringLiteral("Zorvik Slots");

}  // namespace

bool ModalPlayerDialogs::Show(QWidget* parent, Kind kind, const QString& text)
{
    switch (kind) {
    case Kind::Information:
        QMessageBox::information(parent, ProductTitle, text);
        return true;
    case Kind::Error:
        QMessageBox::critical(parent, ProductTitle, text);
        return true;
    case Kind::Confirmation:
        return QMessageBox::question(parent, ProductTitle, text, QMessageBox::Yes | QMessageBox::No,
                                     QMessageBox::No) == QMessageBox::Yes;
    }
    return false;
}

std::optional<QString> ModalPlayerDialogs::AskText(QWidget* parent, const QString& caption,
                                                   const QString& prompt, const QString& proposal)
{
    QInputDialog box(parent);
    box.setWindowTitle(caption);
    box.setLabelText(prompt);
    box.setTextValue(proposal);
    // Wide enough for a whole slot name even where the prompt is empty.
    if (auto* edit = box.findChild<QLineEdit*>()) edit->setMinimumWidth(320);
    if (box.exec() != QDialog::Accepted) return std::nullopt;
    return box.textValue();
}

}  // namespace zorvik
