// SPDX-License-Identifier: GPL-3.0-or-later
// Every sound is additive: notes of a few harmonics with attack and exponential decay, mixed and normalised.
#include "assetgen/SoundSynth.h"

#include "assetgen/WavWriter.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace zorvik::art {

namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr double Rate = WavWriter::SampleRate;

std::vector<float> Silence(double seconds)
{
    return std::vector<float>(std::size_t(seconds * Rate), 0.f);
}

double NoteHz(int semitonesFromA4)
{
    return 440.0 * std::pow(2.0, semitonesFromA4 / 12.0);
}

// One note: partial k has amplitude weights[k] at frequency (k + 1) * hz; a short linear attack and an
// exponential decay, with a 5 ms release at the end so that nothing clicks.
void AddNote(std::vector<float>& out, double start, double length, double hz, double amplitude, double decay,
             std::initializer_list<double> weights, double attack = 0.004, double vibrato = 0.0)
{
    const std::size_t first = std::size_t(start * Rate);
    const std::size_t count = std::size_t(length * Rate);
    if (out.size() < first + count) out.resize(first + count, 0.f);
    double phase = 0.0;
    for (std::size_t i = 0; i < count; ++i) {
        const double t = double(i) / Rate;
        double env = t < attack ? t / attack : std::exp(-(t - attack) * decay);
        const double left = length - t;
        if (left < 0.005) env *= left / 0.005;
        const double f = hz * (1.0 + vibrato * std::sin(2 * Pi * 5.5 * t));
        phase += 2 * Pi * f / Rate;
        double v = 0.0;
        int k = 1;
        for (double w : weights)
            v += w * std::sin(phase * k++);
        out[first + i] += float(amplitude * env * v);
    }
}

// A bell: inharmonic partials that die away at different speeds.
void AddBell(std::vector<float>& out, double start, double length, double hz, double amplitude)
{
    const double ratios[] = {1.0, 2.0, 2.76, 4.07, 5.43};
    const double weights[] = {1.0, 0.5, 0.45, 0.25, 0.18};
    const double decays[] = {3.0, 4.0, 5.5, 8.0, 11.0};
    const std::size_t first = std::size_t(start * Rate), count = std::size_t(length * Rate);
    if (out.size() < first + count) out.resize(first + count, 0.f);
    for (std::size_t i = 0; i < count; ++i) {
        const double t = double(i) / Rate;
        double v = 0.0;
        for (int k = 0; k < 5; ++k)
            v += weights[k] * std::exp(-t * decays[k]) * std::sin(2 * Pi * hz * ratios[k] * t);
        const double attack = std::min(1.0, t / 0.002);
        const double release = std::min(1.0, (length - t) / 0.01);
        out[first + i] += float(amplitude * attack * release * v);
    }
}

// Seeded noise so that every build writes the same samples.
struct Noise {
    std::uint32_t seed;
    float Next()
    {
        seed = seed * 1664525u + 1013904223u;
        return float(seed >> 8) / float(1u << 23) - 1.f;
    }
};

// A short noise hit through a one-pole band filter: drums, rattles and clicks.
void AddNoiseHit(std::vector<float>& out, double start, double length, double amplitude, double decay,
                 double bright, std::uint32_t seed)
{
    Noise noise{seed};
    const std::size_t first = std::size_t(start * Rate), count = std::size_t(length * Rate);
    if (out.size() < first + count) out.resize(first + count, 0.f);
    float low = 0.f, lower = 0.f;
    for (std::size_t i = 0; i < count; ++i) {
        const double t = double(i) / Rate;
        const float n = noise.Next();
        low += float(bright) * (n - low);
        lower += 0.05f * (low - lower);
        const double release = std::min(1.0, (length - t) / 0.003);
        out[first + i] += float(amplitude * std::exp(-t * decay) * release * (low - lower));
    }
}

std::vector<float> Normalised(std::vector<float> s, float peak)
{
    float top = 0.f;
    for (float v : s)
        top = std::max(top, std::fabs(v));
    if (top > 0.f)
        for (float& v : s)
            v *= peak / top;
    return s;
}

const std::initializer_list<double> Brass = {1.0, 0.6, 0.45, 0.3, 0.2, 0.12};
const std::initializer_list<double> Pluck = {1.0, 0.35, 0.15, 0.05};
const std::initializer_list<double> Soft = {1.0, 0.2, 0.05};

}  // namespace

std::vector<float> SoundSynth::Make(int number)
{
    switch (number) {
    case 0:
        return Click();
    case 1:
        return Refusal();
    case 2:
        return Doubling();
    case 4:
        return IdolChime();
    case 5:
        return CobraRattle();
    case 6:
        return Payoff();
    case 7:
        return Losing();
    case 8:
        return Tick();
    case 9:
        return WinFanfare();
    case 10:
        return AnimalFanfare();
    default:
        return {};
    }
}

// A wheel locking into place: a bright snap over a short woody knock.
std::vector<float> SoundSynth::Click()
{
    std::vector<float> s = Silence(0.045);
    AddNoiseHit(s, 0.0, 0.012, 0.9, 300.0, 0.9, 11u);
    AddNote(s, 0.0, 0.045, 1800.0, 0.5, 90.0, {1.0, 0.3}, 0.0005);
    AddNote(s, 0.0, 0.045, 420.0, 0.5, 70.0, Soft, 0.001);
    return Normalised(s, 0.8f);
}

// Two short low buzzes: "no".
std::vector<float> SoundSynth::Refusal()
{
    std::vector<float> s = Silence(0.32);
    for (double start : {0.0, 0.17}) {
        AddNote(s, start, 0.13, 147.0, 0.6, 6.0, {1.0, 0.0, 0.5, 0.0, 0.3, 0.0, 0.2, 0.0, 0.12}, 0.005);
        AddNote(s, start, 0.13, 155.5, 0.4, 6.0, {1.0, 0.0, 0.4, 0.0, 0.2}, 0.005);
    }
    return Normalised(s, 0.7f);
}

// A rising brass call ending on a held chord: the lines are doubled.
std::vector<float> SoundSynth::Doubling()
{
    std::vector<float> s = Silence(1.2);
    const int steps[] = {-9, -5, -2, 3, 7};  // C5 E5 G5 C6 E6
    for (int i = 0; i < 5; ++i)
        AddNote(s, 0.09 * i, 0.16, NoteHz(steps[i]), 0.5, 8.0, Brass, 0.01);
    for (int semis : {3, 7, 10, 15})
        AddNote(s, 0.48, 0.7, NoteHz(semis), 0.35, 3.2, Brass, 0.015, 0.004);
    AddBell(s, 0.48, 0.7, NoteHz(15), 0.3);
    return Normalised(s, 0.85f);
}

// A temple bell: one struck chime with a soft fifth above.
std::vector<float> SoundSynth::IdolChime()
{
    std::vector<float> s = Silence(0.9);
    AddBell(s, 0.0, 0.9, 660.0, 0.8);
    AddBell(s, 0.06, 0.84, 990.0, 0.35);
    return Normalised(s, 0.8f);
}

// A rattle: a train of dry noise ticks that speeds up and fades, over a faint hiss.
std::vector<float> SoundSynth::CobraRattle()
{
    std::vector<float> s = Silence(0.42);
    double t = 0.0, gap = 0.034;
    std::uint32_t seed = 501u;
    while (t < 0.38) {
        AddNoiseHit(s, t, 0.03, 0.9 * (1.0 - t / 0.5), 120.0, 0.7, seed++);
        t += gap;
        gap = std::max(0.022, gap * 0.94);
    }
    AddNoiseHit(s, 0.0, 0.42, 0.15, 4.0, 0.9, 77u);
    return Normalised(s, 0.75f);
}

// Coins into the tray: a quick rising run of plucks.
std::vector<float> SoundSynth::Payoff()
{
    std::vector<float> s = Silence(0.75);
    const int steps[] = {-2, 3, 7, 10, 15};  // G5 C6 E6 G6 C7
    for (int i = 0; i < 5; ++i)
        AddNote(s, 0.07 * i, 0.3, NoteHz(steps[i]), 0.5, 9.0, Pluck, 0.002);
    AddBell(s, 0.35, 0.4, NoteHz(22), 0.25);
    return Normalised(s, 0.8f);
}

// A falling "wah wah wah waaah".
std::vector<float> SoundSynth::Losing()
{
    std::vector<float> s = Silence(1.1);
    const int steps[] = {-2, -3, -4};  // G4 F#4 F4
    for (int i = 0; i < 3; ++i)
        AddNote(s, 0.22 * i, 0.22, NoteHz(steps[i]), 0.5, 2.5, Brass, 0.02, 0.006);
    AddNote(s, 0.66, 0.44, NoteHz(-5), 0.5, 2.8, Brass, 0.02, 0.012);
    return Normalised(s, 0.7f);
}

// One coin dropping: short enough to restart every tenth of a second.
std::vector<float> SoundSynth::Tick()
{
    std::vector<float> s = Silence(0.035);
    AddNote(s, 0.0, 0.035, 2637.0, 0.6, 120.0, {1.0, 0.0, 0.3}, 0.0008);
    AddNote(s, 0.0, 0.035, 3951.0, 0.3, 160.0, {1.0}, 0.0008);
    return Normalised(s, 0.6f);
}

// Da-da-da-daaa on C major: a spin has won.
std::vector<float> SoundSynth::WinFanfare()
{
    std::vector<float> s = Silence(1.3);
    const double starts[] = {0.0, 0.12, 0.24, 0.36};
    const int steps[] = {-9, -5, -2, 3};
    for (int i = 0; i < 3; ++i)
        AddNote(s, starts[i], 0.11, NoteHz(steps[i]), 0.5, 6.0, Brass, 0.008);
    for (int semis : {-9, -5, -2, 3})
        AddNote(s, 0.36, 0.9, NoteHz(semis), 0.3, 2.2, Brass, 0.012, 0.005);
    AddNote(s, 0.36, 0.9, NoteHz(3 + 12), 0.12, 3.0, Soft, 0.01);
    return Normalised(s, 0.85f);
}

// Jungle drums under a marimba run and a final brass chord: a screen full of animals.
std::vector<float> SoundSynth::AnimalFanfare()
{
    std::vector<float> s = Silence(1.45);
    const double drums[] = {0.0, 0.15, 0.3, 0.375, 0.45, 0.6, 0.75, 0.825, 0.9};
    for (int i = 0; i < 9; ++i) {
        AddNote(s, drums[i], 0.2, i % 3 == 0 ? 90.0 : 130.0, 0.6, 18.0, Soft, 0.001);
        AddNoiseHit(s, drums[i], 0.05, 0.25, 60.0, 0.4, 900u + i);
    }
    const int run[] = {-9, -5, -2, 3, 7, 3, -2, 3, 10};
    for (int i = 0; i < 9; ++i)
        AddNote(s, 0.075 * i, 0.25, NoteHz(run[i]), 0.35, 12.0, Pluck, 0.002);
    for (int semis : {-2, 3, 7, 10})
        AddNote(s, 0.72, 0.72, NoteHz(semis), 0.3, 2.6, Brass, 0.012, 0.005);
    return Normalised(s, 0.85f);
}

}  // namespace zorvik::art
