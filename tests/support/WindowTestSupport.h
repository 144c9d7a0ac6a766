// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers for the side window tests: a hooks fake that records sounds and a capture of message boxes.
#pragma once

#include "engine/HeadlessHooks.h"
#include "ui/dialogs/PlayerDialogs.h"

#include <QString>
#include <QStringList>

#include <string>
#include <vector>

namespace zorvik {

class SoundRecordingHooks : public HeadlessHooks {
public:
    void PlayWave(const std::string& file) override { Waves.push_back(file); }
    std::vector<std::string> Waves;
};

// Answers every message box with OK and keeps its text, for as long as it lives.
class MessageCapture {
public:
    MessageCapture()
    {
        PlayerDialogs::SetMessageAnswer([this](const PlayerDialogs::Message& message) {
            Texts << message.text;
            return true;
        });
    }
    ~MessageCapture() { PlayerDialogs::SetMessageAnswer({}); }
    MessageCapture(const MessageCapture&) = delete;
    MessageCapture& operator=(const MessageCapture&) = delete;

    QStringList Texts;
};

}  // namespace zorvik
