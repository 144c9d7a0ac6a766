// SPDX-License-Identifier: GPL-3.0-or-later
// The game's sound effects through SDL2_mixer: one voice, so a new sound cuts off the one still playing.
#include "ui/sound/SoundPlayer.h"

#include <QFile>
#include <QFileInfo>

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace zorvik {

namespace {

constexpr int Voice = 0;
constexpr int Frequency = 22050;
constexpr int LongestSynchronousWaitMs = 4500;  // ours last at most 1.45 s
constexpr qint64 MaxClickBytes = 16 * 1024 * 1024;

// A 150 ms falling two-tone blip, standing in for a wave file that cannot be played.
QByteArray MakeDefaultWave()
{
    const int samples = Frequency * 15 / 100;
    QByteArray pcm(samples * 2, '\0');
    for (int i = 0; i < samples; ++i) {
        const double t = static_cast<double>(i) / Frequency;
        const double freq = i < samples / 2 ? 880.0 : 660.0;
        const double envelope = 1.0 - static_cast<double>(i) / samples;
        const auto v = static_cast<std::int16_t>(std::sin(2 * M_PI * freq * t) * 9000 * envelope);
        std::memcpy(pcm.data() + 2 * i, &v, 2);
    }
    QByteArray wave;
    auto put32 = [&wave](std::uint32_t v) { wave.append(reinterpret_cast<const char*>(&v), 4); };
    auto put16 = [&wave](std::uint16_t v) { wave.append(reinterpret_cast<const char*>(&v), 2); };
    wave.append("RIFF");
    put32(36 + pcm.size());
    wave.append("WAVEfmt ");
    put32(16);
    put16(1);  // PCM
    put16(1);  // mono
    put32(Frequency);
    put32(Frequency * 2);
    put16(2);
    put16(16);
    wave.append("data");
    put32(pcm.size());
    wave.append(pcm);
    return wave;
}

Mix_Chunk* ChunkFromBytes(const QByteArray& bytes)
{
    SDL_RWops* rw = SDL_RWFromConstMem(bytes.constData(), static_cast<int>(bytes.size()));
    return rw ? Mix_LoadWAV_RW(rw, 1) : nullptr;
}

}  // namespace

SoundPlayer::SoundPlayer()
{
    // SDL must leave Ctrl+C to the desktop and must not touch the display.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return;
    if (Mix_OpenAudio(Frequency, AUDIO_S16SYS, 2, 1024) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return;
    }
    Mix_AllocateChannels(1);
    open_ = true;
}

SoundPlayer::~SoundPlayer()
{
    if (!open_) return;
    Mix_HaltChannel(-1);
    if (click_) Mix_FreeChunk(click_);
    if (current_) Mix_FreeChunk(current_);
    if (default_) Mix_FreeChunk(default_);
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

SoundPlayer::Mode SoundPlayer::ModeOf(const std::string& file)
{
    static const char* const asynchronous[] = {"Zorvik0.wav", "Zorvik7.wav", "Zorvik8.wav"};
    for (const char* name : asynchronous)
        if (file == name) return Mode::Asynchronous;
    return Mode::Synchronous;
}

bool SoundPlayer::LoadClickSound(const QString& path, QString* error)
{
    // Read whole into memory, so only a plain file of a sensible size: a device or a pipe in its place
    // would never end, and a huge file would take the memory the game needs.
    const QFileInfo info(path);
    if (info.exists() && (!info.isFile() || info.size() > MaxClickBytes)) {
        if (error)
            *error = QStringLiteral("Unable to read %1: %2")
                         .arg(info.fileName(), info.isFile() ? QStringLiteral("the file is too large")
                                                             : QStringLiteral("not a plain file"));
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error =
                QStringLiteral("Unable to read %1: %2").arg(QFileInfo(path).fileName(), file.errorString());
        return false;
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error =
                QStringLiteral("Unable to read %1: %2").arg(QFileInfo(path).fileName(), file.errorString());
        return false;
    }
    clickBytes_ = std::move(bytes);
    if (open_) click_ = ChunkFromBytes(clickBytes_);  // an undecodable click simply stays silent
    return true;
}

Mix_Chunk* SoundPlayer::DefaultSound()
{
    if (!default_ && open_) {
        static const QByteArray wave = MakeDefaultWave();
        default_ = ChunkFromBytes(wave);
    }
    return default_;
}

void SoundPlayer::Play(Mix_Chunk* chunk, Mode mode)
{
    if (!open_ || !chunk) return;
    if (Mix_PlayChannel(Voice, chunk, 0) < 0) return;
    if (mode == Mode::Asynchronous) return;
    // Block only as long as the sound plays, with a ceiling in case the device stops consuming. A long wave
    // put in place of one of ours would freeze the window for its whole length: past the game's longest
    // wait the sound plays on without holding the game.
    int frequency = Frequency, channels = 2;
    Uint16 format = AUDIO_S16SYS;
    Mix_QuerySpec(&frequency, &format, &channels);
    const int bytesPerSecond =
        std::max(1, frequency * channels * static_cast<int>(SDL_AUDIO_BITSIZE(format) / 8));
    const double length = std::min(1000.0 * chunk->alen / bytesPerSecond, double{LongestSynchronousWaitMs});
    const Uint32 limit = SDL_GetTicks() + static_cast<Uint32>(length) + 500;
    while (Mix_Playing(Voice) && !SDL_TICKS_PASSED(SDL_GetTicks(), limit))
        SDL_Delay(5);
}

void SoundPlayer::PlayClick()
{
    ++requests_;
    last_ = Request{QStringLiteral("click"), Mode::Asynchronous, false};
    Play(click_, Mode::Asynchronous);
}

void SoundPlayer::PlayWave(const QString& path, Mode mode)
{
    ++requests_;
    last_ = Request{QFileInfo(path).fileName(), mode, false};
    if (!open_) {
        last_.usedDefault = !QFileInfo::exists(path);
        return;
    }
    // The voice is halted before the previous file's chunk is freed; the default sound is never freed.
    Mix_HaltChannel(Voice);
    if (current_) {
        Mix_FreeChunk(current_);
        current_ = nullptr;
    }
    // A named pipe or a device in the file's place would hold the game, so only plain files are opened.
    if (QFileInfo(path).isFile()) current_ = Mix_LoadWAV(path.toLocal8Bit().constData());
    if (!current_) {
        last_.usedDefault = true;
        Play(DefaultSound(), mode);
        return;
    }
    Play(current_, mode);
}

void SoundPlayer::Silence()
{
    if (open_) Mix_HaltChannel(-1);
}

}  // namespace zorvik
