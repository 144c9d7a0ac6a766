// SPDX-License-Identifier: GPL-3.0-or-later
// Prints the time and peak memory of loading and saving 16 MiB saved-game files of hostile shapes. It
// measures; it asserts nothing. Each shape runs in a child process of its own, so its peak is its own.
#include "persistence/SavedGames.h"

#include "tests/support/TempFolder.h"

#include <chrono>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <functional>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using namespace zorvik;
using Clock = std::chrono::steady_clock;

struct Shape {
    const char* name;
    // Appends one piece after another until the file is within 4 KiB of the limit, room for the saves.
    std::function<std::string(std::size_t index)> piece;
};

std::string Letters(std::size_t n, std::size_t width)
{
    std::string s(width, 'a');
    for (std::size_t i = 0; i < width; ++i, n /= 26)
        s[width - 1 - i] = static_cast<char>('a' + n % 26);
    return s;
}

void WriteShape(const std::string& path, const Shape& shape)
{
    std::string file;
    file.reserve(AtomicFileWriter::MaxReadSize);
    for (std::size_t i = 0;; ++i) {
        const std::string piece = shape.piece(i);
        if (file.size() + piece.size() > AtomicFileWriter::MaxReadSize - 4096) break;
        file += piece;
    }
    std::ofstream(path, std::ios::binary) << file;
}

// Peak resident memory since the last reset, in MiB.
double PeakMiB()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmHWM:", 0) == 0) return std::stod(line.substr(6)) / 1024.0;
    }
    return -1;
}

void ResetPeak()
{
    std::ofstream("/proc/self/clear_refs") << "5";
}

// Wall-clock and processor time together: on a busy machine the two part ways.
struct Stopwatch {
    Clock::time_point wall = Clock::now();
    double cpu = CpuMs();

    static double CpuMs()
    {
        timespec t{};
        ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
        return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
    }
    std::string Lap()
    {
        char text[32];
        std::snprintf(text, sizeof text, "%.0f (%.0f)",
                      std::chrono::duration<double, std::milli>(Clock::now() - wall).count(), CpuMs() - cpu);
        wall = Clock::now();
        cpu = CpuMs();
        return text;
    }
};

void Measure(const Shape& shape)
{
    testing::TempFolder folder;
    const std::string path = folder.File("Zorvik.ini");
    WriteShape(path, shape);
    ResetPeak();
    const double before = PeakMiB();

    SavedGames games(path);
    GameState state;
    Stopwatch watch;
    games.LoadGameSlot(state, CurrentGameSlot);
    const std::string load = watch.Lap();

    // What the Load/Save dialog does with the file between opening and closing.
    const bool saved = games.SaveGameSlot(state, CurrentGameSlot, CurrentGameName);
    games.ReadSlotSummaries();
    games.LoadGameSlot(state, CurrentGameSlot);
    const std::string dialog = watch.Lap();

    const bool slotSaved = games.SaveGameSlot(state, 2, "Benchmark");
    const std::string save = watch.Lap();

    std::printf("%-30s %11s %11s %11s %6.1f %6.1f  %s\n", shape.name, load.c_str(), dialog.c_str(),
                save.c_str(), before, PeakMiB(), saved && slotSaved ? "" : games.LastError().c_str());
}

}  // namespace

int main()
{
    const Shape shapes[] = {
        {"line breaks", [](std::size_t) { return std::string("\n"); }},
        {"lone CRs", [](std::size_t) { return std::string("\r"); }},
        {"short lines", [](std::size_t) { return std::string("x\n"); }},
        {"x=1 keys in CurrentGame",
         [](std::size_t i) { return std::string(i == 0 ? "[CurrentGame]\n" : "x=1\n"); }},
        {"empty keys in CurrentGame",
         [](std::size_t i) { return std::string(i == 0 ? "[CurrentGame]\n" : "x=\n"); }},
        {"distinct keys in CurrentGame",
         [](std::size_t i) { return i == 0 ? std::string("[CurrentGame]\n") : Letters(i, 4) + "=\n"; }},
        {"empty sections", [](std::size_t) { return std::string("[]\n"); }},
        {"distinct sections", [](std::size_t i) { return "[" + Letters(i, 4) + "]\n"; }},
        {"one line of blanks", [](std::size_t i) { return std::string(i == 0 ? "[CurrentGame]" : " "); }},
    };
    std::printf("files of 16 MiB less 4 KiB; times in ms of wall clock (of processor), peak resident size in "
                "MiB before and after\n");
    std::printf("%-30s %11s %11s %11s %6s %6s\n", "shape", "load", "dialog", "save", "before", "peak");
    std::fflush(stdout);
    for (const Shape& shape : shapes) {
        const pid_t child = ::fork();
        if (child == 0) {
            Measure(shape);
            std::fflush(stdout);
            ::_exit(0);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
    }
    return 0;
}
