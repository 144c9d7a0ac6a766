// SPDX-License-Identifier: GPL-3.0-or-later
// The message boxes and the input box of the panel and its dialogs, behind one seam that tests can answer.
#pragma once

#include <QString>

#include <functional>
#include <optional>

class QWidget;

namespace zorvik {

class PlayerDialogs {
public:
    enum class Kind { Information, Confirmation, Error };

    struct Message {
        Kind kind;
        QString title;
        QString text;
    };

    // Returns true for OK or Yes.
    using MessageAnswer = std::function<bool(const Message&)>;
    // Returns the confirmed text, or nothing when the box was cancelled.
    using TextAnswer = std::function<std::optional<QString>(const QString& caption, const QString& prompt,
                                                            const QString& proposal)>;

    static void Inform(QWidget* parent, const QString& text);
    static void Error(QWidget* parent, const QString& text);
    // A Yes/No question; the default button is No, so a stray Enter changes nothing.
    static bool Confirm(QWidget* parent, const QString& text);
    static std::optional<QString> AskText(QWidget* parent, const QString& caption, const QString& prompt,
                                          const QString& proposal);

    // Tests install answerers instead of the real modal boxes; an empty function brings the real boxes back.
    static void SetMessageAnswer(MessageAnswer answer);
    static void SetTextAnswer(TextAnswer answer);

private:
    static bool Show(QWidget* parent, Kind kind, const QString& text);
};

}  // namespace zorvik
