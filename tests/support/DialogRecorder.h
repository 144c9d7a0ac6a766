// SPDX-License-Identifier: GPL-3.0-or-later
// The one dialog fake of the tests: answers the player's message boxes and input boxes and keeps what they
// said.
#pragma once

#include "ui/dialogs/PlayerDialogs.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace zorvik::testing {

class DialogRecorder final : public PlayerDialogs {
public:
    struct Message {
        Kind kind;
        QString text;
    };
    struct Input {
        QString caption, prompt, proposal;
    };

    bool Show(QWidget*, Kind kind, const QString& text) override
    {
        messages.push_back({kind, text});
        return answer;
    }
    std::optional<QString> AskText(QWidget*, const QString& caption, const QString& prompt,
                                   const QString& proposal) override
    {
        inputs.push_back({caption, prompt, proposal});
        return textAnswer;
    }

    // The texts of every message so far, in order.
    QStringList Texts() const
    {
        QStringList texts;
        for (const Message& message : messages)
            texts << message.text;
        return texts;
    }

    bool answer = true;                 // OK / Yes
    std::optional<QString> textAnswer;  // nothing: the input box is cancelled
    std::vector<Message> messages;
    std::vector<Input> inputs;
};

}  // namespace zorvik::testing
