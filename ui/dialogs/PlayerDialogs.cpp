// SPDX-License-Identifier: GPL-3.0-or-later
// The message boxes and the input box of the panel and its dialogs, behind one seam that tests can answer.
#include "ui/dialogs/PlayerDialogs.h"

#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>

namespace zorvik {

namespace {

PlayerDialogs::MessageAnswer& MessageOverride()
{
    static PlayerDialogs::MessageAnswer answer;
    return answer;
}

PlayerDialogs::TextAnswer& TextOverride()
{
    static PlayerDialogs::TextAnswer answer;
    return answer;
}

const QString ProductTitle = QStringLiteral("Zorvik Slots");

}  // namespace

void PlayerDialogs::Inform(QWidget* parent, const QString& text)
{
    Show(parent, Kind::Information, text);
}

void PlayerDialogs::Error(QWidget* parent, const QString& text)
{
    Show(parent, Kind::Error, text);
}

bool PlayerDialogs::Confirm(QWidget* parent, const QString& text)
{
    return Show(parent, Kind::Confirmation, text);
}

bool PlayerDialogs::Show(QWidget* parent, Kind kind, const QString& text)
{
    if (MessageOverride()) return MessageOverride()(Message{kind, ProductTitle, text});

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

std::optional<QString> PlayerDialogs::AskText(QWidget* parent, const QString& caption, const QString& prompt,
                                              const QString& proposal)
{
    if (TextOverride()) return TextOverride()(caption, prompt, proposal);

    QInputDialog box(parent);
    box.setWindowTitle(caption);
    box.setLabelText(prompt);
    box.setTextValue(proposal);
    // Wide enough for a whole slot name even where the prompt is empty.
    if (auto* edit = box.findChild<QLineEdit*>()) edit->setMinimumWidth(320);
    if (box.exec() != QDialog::Accepted) return std::nullopt;
    return box.textValue();
}

void PlayerDialogs::SetMessageAnswer(MessageAnswer answer)
{
    MessageOverride() = std::move(answer);
}

void PlayerDialogs::SetTextAnswer(TextAnswer answer)
{
    TextOverride() = std::move(answer);
}

}  // namespace zorvik
