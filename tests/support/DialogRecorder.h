// SPDX-License-Identifier: GPL-3.0-or-later
// Answers the player's message boxes and input boxes in tests and keeps what they said.
#pragma once

#include "ui/dialogs/PlayerDialogs.h"

#include <QString>

#include <deque>
#include <optional>
#include <vector>

namespace zorvik::testing {

class DialogRecorder {
public:
    DialogRecorder()
    {
        PlayerDialogs::SetMessageAnswer([this](const PlayerDialogs::Message& message) {
            messages.push_back(message);
            return answer;
        });
        PlayerDialogs::SetTextAnswer(
            [this](const QString& caption, const QString& prompt, const QString& proposal) {
                inputs.push_back({caption, prompt, proposal});
                return textAnswer;
            });
    }
    ~DialogRecorder()
    {
        PlayerDialogs::SetMessageAnswer({});
        PlayerDialogs::SetTextAnswer({});
    }
    DialogRecorder(const DialogRecorder&) = delete;
    DialogRecorder& operator=(const DialogRecorder&) = delete;

    struct Input {
        QString caption, prompt, proposal;
    };

    bool answer = true;                 // OK / Yes
    std::optional<QString> textAnswer;  // nothing: the input box is cancelled
    std::vector<PlayerDialogs::Message> messages;
    std::vector<Input> inputs;
};

}  // namespace zorvik::testing
