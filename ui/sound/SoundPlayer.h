// SPDX-License-Identifier: GPL-3.0-or-later
// The game's sound effects through SDL2's own audio: one voice, so a new sound cuts off the last.
#pragma once

#include <QByteArray>
#include <QString>

#include <memory>
#include <string>
#include <thread>
#include <vector>

struct SDL_RWops;

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

    // Opens nothing yet: the audio device (no video, no signal handlers) opens on the first call that needs
    // it, or earlier, without waiting, after OpenInBackground. Without a device, or without the library,
    // every call is silent.
    SoundPlayer();
    ~SoundPlayer();
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    // Loads the audio library and opens the device on a thread of its own and returns at once, so that the
    // window never waits for either; the first sound waits for them if it comes before they are ready.
    void OpenInBackground();
    bool DeviceOpen();

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
    struct Audio;
    using Samples = std::vector<unsigned char>;  // in the device's format

    const Audio* Device();
    bool Decode(SDL_RWops* rw, Samples* samples);  // closes rw
    void Play(const Samples& samples, Mode mode);
    const Samples& DefaultSound();

    std::thread opening_;
    bool openingStarted_ = false;
    std::unique_ptr<Audio> audio_;  // set by the opening thread; read only after it has been joined
    QByteArray clickBytes_;
    Samples click_;
    bool clickDecoded_ = false;
    Samples default_;
    Request last_;
    int requests_ = 0;
};

}  // namespace zorvik
