// SPDX-License-Identifier: GPL-3.0-or-later
// The game's sound effects through SDL2's own audio: one voice, so a new sound cuts off the last.
#include "ui/sound/SoundPlayer.h"

#include <QFile>
#include <QFileInfo>

#include <SDL.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstring>
#include <mutex>
#include <system_error>
#include <type_traits>

#include <dlfcn.h>

namespace zorvik {

namespace {

constexpr int Frequency = 22050;
constexpr int Channels = 2;
constexpr int BytesPerSecond = Frequency * Channels * 2;  // signed 16-bit samples
constexpr int LongestSynchronousWaitMs = 4500;            // ours last at most 1.45 s
constexpr qint64 MaxClickBytes = 16 * 1024 * 1024;

// SDL's start and end are not safe to run on two threads at once; two players may open together.
std::mutex& SdlLock()
{
    static std::mutex lock;
    return lock;
}

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

}  // namespace

// The few functions of SDL the player needs, found in the library loaded at run time, and the open device.
// Linking SDL instead would load it and the thirty libraries it needs before the window could open.
struct SoundPlayer::Audio {
    decltype(&SDL_SetHint) SetHint;
    decltype(&SDL_InitSubSystem) InitSubSystem;
    decltype(&SDL_QuitSubSystem) QuitSubSystem;
    decltype(&SDL_OpenAudioDevice) OpenAudioDevice;
    decltype(&SDL_CloseAudioDevice) CloseAudioDevice;
    decltype(&SDL_PauseAudioDevice) PauseAudioDevice;
    decltype(&SDL_QueueAudio) QueueAudio;
    decltype(&SDL_ClearQueuedAudio) ClearQueuedAudio;
    decltype(&SDL_GetQueuedAudioSize) GetQueuedAudioSize;
    decltype(&SDL_RWFromConstMem) RWFromConstMem;
    decltype(&SDL_RWFromFile) RWFromFile;
    decltype(&SDL_LoadWAV_RW) LoadWAV_RW;
    decltype(&SDL_FreeWAV) FreeWAV;
    decltype(&SDL_BuildAudioCVT) BuildAudioCVT;
    decltype(&SDL_ConvertAudio) ConvertAudio;
    SDL_AudioDeviceID Device = 0;

    // Null without the library or a device.
    static std::unique_ptr<Audio> Open()
    {
        // Never closed: SDL may leave handlers behind that must not point into an unloaded library.
        void* library = ::dlopen("libSDL2-2.0.so.0", RTLD_NOW | RTLD_LOCAL);
        if (!library) return nullptr;
        auto audio = std::make_unique<Audio>();
        bool found = true;
        auto find = [&](auto& function, const char* name) {
            function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(::dlsym(library, name));
            found = found && function;
        };
        find(audio->SetHint, "SDL_SetHint");
        find(audio->InitSubSystem, "SDL_InitSubSystem");
        find(audio->QuitSubSystem, "SDL_QuitSubSystem");
        find(audio->OpenAudioDevice, "SDL_OpenAudioDevice");
        find(audio->CloseAudioDevice, "SDL_CloseAudioDevice");
        find(audio->PauseAudioDevice, "SDL_PauseAudioDevice");
        find(audio->QueueAudio, "SDL_QueueAudio");
        find(audio->ClearQueuedAudio, "SDL_ClearQueuedAudio");
        find(audio->GetQueuedAudioSize, "SDL_GetQueuedAudioSize");
        find(audio->RWFromConstMem, "SDL_RWFromConstMem");
        find(audio->RWFromFile, "SDL_RWFromFile");
        find(audio->LoadWAV_RW, "SDL_LoadWAV_RW");
        find(audio->FreeWAV, "SDL_FreeWAV");
        find(audio->BuildAudioCVT, "SDL_BuildAudioCVT");
        find(audio->ConvertAudio, "SDL_ConvertAudio");
        if (!found) return nullptr;

        const std::lock_guard<std::mutex> hold(SdlLock());
        // SDL must leave Ctrl+C to the desktop and must not touch the display.
        audio->SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        if (audio->InitSubSystem(SDL_INIT_AUDIO) != 0) return nullptr;
        SDL_AudioSpec wanted{};
        wanted.freq = Frequency;
        wanted.format = AUDIO_S16SYS;
        wanted.channels = Channels;
        wanted.samples = 1024;
        // No changes allowed: whatever the device really takes, SDL converts our format to it.
        audio->Device = audio->OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
        if (audio->Device == 0) {
            audio->QuitSubSystem(SDL_INIT_AUDIO);
            return nullptr;
        }
        audio->PauseAudioDevice(audio->Device, 0);
        return audio;
    }

    void Close()
    {
        const std::lock_guard<std::mutex> hold(SdlLock());
        CloseAudioDevice(Device);
        QuitSubSystem(SDL_INIT_AUDIO);
    }
};

SoundPlayer::SoundPlayer() = default;

SoundPlayer::~SoundPlayer()
{
    if (opening_.joinable()) opening_.join();
    if (audio_) audio_->Close();
}

void SoundPlayer::OpenInBackground()
{
    if (openingStarted_) return;
    try {
        opening_ = std::thread([this] { audio_ = Audio::Open(); });
        openingStarted_ = true;
    } catch (const std::system_error&) {
        // No thread to spare: the first sound opens the device itself.
    }
}

const SoundPlayer::Audio* SoundPlayer::Device()
{
    if (!openingStarted_) {
        openingStarted_ = true;
        audio_ = Audio::Open();
    }
    if (opening_.joinable()) opening_.join();
    return audio_.get();
}

bool SoundPlayer::DeviceOpen()
{
    return Device() != nullptr;
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
    // Decoded when it first plays, once the device is there.
    clickDecoded_ = false;
    return true;
}

bool SoundPlayer::Decode(SDL_RWops* rw, Samples* samples)
{
    const Audio* audio = Device();
    if (!audio || !rw) return false;
    SDL_AudioSpec waveFormat{};
    Uint8* data = nullptr;
    Uint32 length = 0;
    if (!audio->LoadWAV_RW(rw, 1, &waveFormat, &data, &length)) return false;
    SDL_AudioCVT cvt{};
    bool ok = audio->BuildAudioCVT(&cvt, waveFormat.format, waveFormat.channels, waveFormat.freq,
                                   AUDIO_S16SYS, Channels, Frequency) >= 0;
    if (ok) {
        samples->assign(static_cast<std::size_t>(length) * std::max(1, cvt.len_mult), 0);
        std::memcpy(samples->data(), data, length);
        cvt.buf = samples->data();
        cvt.len = static_cast<int>(length);
        ok = cvt.needed == 0 || audio->ConvertAudio(&cvt) == 0;
        samples->resize(cvt.needed ? static_cast<std::size_t>(cvt.len_cvt) : length);
    }
    audio->FreeWAV(data);
    return ok;
}

const SoundPlayer::Samples& SoundPlayer::DefaultSound()
{
    if (default_.empty()) {
        static const QByteArray wave = MakeDefaultWave();
        if (const Audio* audio = Device())
            Decode(audio->RWFromConstMem(wave.constData(), static_cast<int>(wave.size())), &default_);
    }
    return default_;
}

void SoundPlayer::Play(const Samples& samples, Mode mode)
{
    const Audio* audio = Device();
    if (!audio || samples.empty()) return;
    audio->ClearQueuedAudio(audio->Device);
    if (audio->QueueAudio(audio->Device, samples.data(), static_cast<Uint32>(samples.size())) != 0) return;
    if (mode == Mode::Asynchronous) return;
    // Block only as long as the sound plays, with a ceiling in case the device stops consuming. A long wave
    // put in place of one of ours would freeze the window for its whole length: past the game's longest
    // wait the sound plays on without holding the game.
    using Clock = std::chrono::steady_clock;
    const double length =
        std::min(1000.0 * samples.size() / BytesPerSecond, double{LongestSynchronousWaitMs});
    const auto limit = Clock::now() + std::chrono::milliseconds(static_cast<int>(length) + 500);
    while (audio->GetQueuedAudioSize(audio->Device) > 0 && Clock::now() < limit)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
}

void SoundPlayer::PlayClick()
{
    ++requests_;
    last_ = Request{QStringLiteral("click"), Mode::Asynchronous, false};
    if (!clickDecoded_ && !clickBytes_.isEmpty()) {
        clickDecoded_ = true;  // an undecodable click simply stays silent
        if (const Audio* audio = Device())
            Decode(audio->RWFromConstMem(clickBytes_.constData(), static_cast<int>(clickBytes_.size())),
                   &click_);
    }
    Play(click_, Mode::Asynchronous);
}

void SoundPlayer::PlayWave(const QString& path, Mode mode)
{
    ++requests_;
    last_ = Request{QFileInfo(path).fileName(), mode, false};
    const Audio* audio = Device();
    if (!audio) {
        last_.usedDefault = !QFileInfo::exists(path);
        return;
    }
    Silence();
    // A named pipe or a device in the file's place would hold the game, so only plain files are opened.
    Samples samples;
    if (!QFileInfo(path).isFile() ||
        !Decode(audio->RWFromFile(path.toLocal8Bit().constData(), "rb"), &samples)) {
        last_.usedDefault = true;
        Play(DefaultSound(), mode);
        return;
    }
    Play(samples, mode);
}

void SoundPlayer::Silence()
{
    if (const Audio* audio = Device()) audio->ClearQueuedAudio(audio->Device);
}

}  // namespace zorvik
