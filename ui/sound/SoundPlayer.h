// SPDX-License-Identifier: GPL-3.0-or-later
// The game's sound effects through SDL2_mixer: one voice, so a new sound cuts off the one still playing.
#pragma once

#include <QByteArray>
#include <QString>

#include <string>

struct Mix_Chunk;

namespace zorvik {

class SoundPlayer {
public:
    enum class Mode { Synchronous, Asynchronous };

    // What the player was last asked to play; tests read it, nothing else depends on it.
    struct Request {
        QString file;  // bare file name, or "click"
        Mode mode = Mode::Asynchronous;
        bool usedDefault = false;  // the file could not be played, so our own short sound stood in
    };

    // Opens the audio device only (no video, no signal handlers). Without a device every call is silent.
    SoundPlayer();
    ~SoundPlayer();
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    bool DeviceOpen() const { return open_; }

    // Reads the whole click file into memory. On failure returns false with the reason in error and the
    // click stays silent for the rest of the run.
    bool LoadClickSound(const QString& path, QString* error);
    bool HasClick() const { return !clickBytes_.isEmpty(); }

    // Both start at once; a synchronous wave returns only when it has finished playing.
    void PlayClick();
    void PlayWave(const QString& path, Mode mode);
    // Stops whatever is playing.
    void Silence();

    // The mode each of the game's wave files plays in.
    static Mode ModeOf(const std::string& file);

    const Request& LastRequest() const { return last_; }
    int RequestCount() const { return requests_; }

private:
    void Play(Mix_Chunk* chunk, Mode mode);
    Mix_Chunk* DefaultSound();

    bool open_ = false;
    QByteArray clickBytes_;
    Mix_Chunk* click_ = nullptr;
    Mix_Chunk* current_ = nullptr;  // the file sound on the voice, freed when the next one starts
    Mix_Chunk* default_ = nullptr;
    Request last_;
    int requests_ = 0;
};

}  // namespace zorvik
