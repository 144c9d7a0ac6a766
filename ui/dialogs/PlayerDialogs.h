// SPDX-License-Identifier: GPL-3.0-or-later
// The message boxes and the input box of the panel and its dialogs, behind one interface that tests answer.
#pragma once

#include <QString>

#include <optional>

class QWidget;

namespace zorvik {

// Passed by reference to every window that asks the player something; the main window owns the real one
// (ModalPlayerDialogs), tests pass a recording fake.
class PlayerDialogs {
public:
    enum class Kind { Information, Confirmation, Error };

    virtual ~PlayerDialogs() = default;

    void Inform(QWidget* parent, const QString& text) { Show(parent, Kind::Information, text); }
    void Error(QWidget* parent, const QString& text) { Show(parent, Kind::Error, text); }
    // A Yes/No question; the default button is No, so a stray Enter changes nothing.
    bool Confirm(QWidget* parent, const QString& text) { return Show(parent, Kind::Confirmation, text); }

    // A message box of this kind over parent (nullptr: over no window); true for OK or Yes.
    virtual bool Show(QWidget* parent, Kind kind, const QString& text) = 0;
    // The confirmed text, or nothing when the box was cancelled.
    virtual std::optional<QString> AskText(QWidget* parent, const QString& caption, const QString& prompt,
                                           const QString& proposal) = 0;
};

}  // namespace zorvik
