// SPDX-License-Identifier: GPL-3.0-or-later
// A fake front end for tests: records every hook call in order and lets a test script the clock and the
// player.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "engine/GameHooks.h"

namespace zorvik {

class RecordingHooks : public GameHooks {
public:
    std::vector<std::string> Calls;
    bool Record = true;
    bool Animate = true;          // ShowsAnimation
    std::uint32_t TickStep = 25;  // each GetTickCount reading advances the clock by this much
    std::uint32_t TimeOfDay = 0;
    std::function<void()> OnPump;  // runs inside PumpMessages, as a player's click would
    std::function<void()> OnDoubleOrNothing;
    std::function<void(double)> OnWait;
    std::function<void()> OnEvaluated;
    std::function<void()> OnRepaint;
    std::function<std::uint32_t()> NextTimeOfDay;  // when set, replaces TimeOfDay
    std::vector<std::uint32_t> PumpDeadlines;      // untilTick of every PumpMessages call, when Record

    void Add(std::string call)
    {
        if (Record) Calls.push_back(std::move(call));
    }
    // Calls equal to or starting with prefix.
    int Count(const std::string& prefix) const
    {
        int n = 0;
        for (const auto& c : Calls)
            n += c.rfind(prefix, 0) == 0;
        return n;
    }
    // The recorded calls that start with one of the prefixes, in order.
    std::vector<std::string> Only(const std::vector<std::string>& prefixes) const
    {
        std::vector<std::string> out;
        for (const auto& c : Calls)
            for (const auto& p : prefixes)
                if (c.rfind(p, 0) == 0) {
                    out.push_back(c);
                    break;
                }
        return out;
    }

    void UnflashLine(int line) override { Add("UnflashLine " + std::to_string(line)); }
    void DrawLeftSideLamp(bool lit) override { Add(std::string("DrawLeftSideLamp ") + (lit ? "on" : "off")); }
    void DrawRightSideLamp(bool lit) override
    {
        Add(std::string("DrawRightSideLamp ") + (lit ? "on" : "off"));
    }
    void DrawLamp(int lamp, bool lit) override
    {
        Add("DrawLamp " + std::to_string(lamp) + (lit ? " on" : " off"));
    }
    void DrawMotionWindow(int wheel, int offset) override
    {
        Add("DrawMotionWindow " + std::to_string(wheel) + " " + std::to_string(offset));
    }
    void ShowStoppedWheel(int wheel) override { Add("ShowStoppedWheel " + std::to_string(wheel)); }
    void BounceWheel(int wheel, int dy, bool capture) override
    {
        Add("BounceWheel " + std::to_string(wheel) + " " + std::to_string(dy) + (capture ? " capture" : ""));
    }
    void RepaintWindow() override
    {
        Add("RepaintWindow");
        if (OnRepaint) OnRepaint();
    }
    void DrawCredits() override { Add("DrawCredits"); }
    void ShowWinnings(bool on) override { Add(std::string("ShowWinnings ") + (on ? "on" : "off")); }
    void DrawCobraCounter() override { Add("DrawCobraCounter"); }
    void DrawIdolCounter() override { Add("DrawIdolCounter"); }
    void DrawIdolPool() override { Add("DrawIdolPool"); }
    void DrawLinesPlayed() override { Add("DrawLinesPlayed"); }
    void DrawCoinsPerLine() override { Add("DrawCoinsPerLine"); }
    void DrawCoinsPlayed() override { Add("DrawCoinsPlayed"); }
    void DrawControlPanel() override { Add("DrawControlPanel"); }
    void PlayClick() override { Add("PlayClick"); }
    void PlayWave(const std::string& file) override { Add("PlayWave " + file); }
    void ShowInformation(const std::string& text) override { Add("ShowInformation " + text); }
    void ShowError(const std::string& text) override { Add("ShowError " + text); }
    void ShowDoubleOrNothing() override
    {
        Add("ShowDoubleOrNothing");
        if (OnDoubleOrNothing) OnDoubleOrNothing();
    }
    void StartTimer(GameTimer t) override { Add("StartTimer " + TimerName(t)); }
    void StopTimer(GameTimer t) override { Add("StopTimer " + TimerName(t)); }
    std::uint32_t GetTickCount() override { return tick_ += TickStep; }
    std::uint32_t TimeOfDayMs() override { return NextTimeOfDay ? NextTimeOfDay() : TimeOfDay; }
    std::uint32_t Now() const { return tick_; }
    void PumpMessages(std::uint32_t untilTick) override
    {
        if (Record) PumpDeadlines.push_back(untilTick);
        if (OnPump) OnPump();
    }
    void WaitSeconds(double seconds) override
    {
        Add("WaitSeconds " + std::to_string(seconds).substr(0, 4));
        if (OnWait) OnWait(seconds);
    }
    bool ShowsAnimation() const override { return Animate; }
    bool SaveSucceeds = true;
    bool SaveCurrentGame() override
    {
        Add("SaveCurrentGame");
        return SaveSucceeds;
    }
    void SpinEvaluated() override
    {
        Add("SpinEvaluated");
        if (OnEvaluated) OnEvaluated();
    }

private:
    static std::string TimerName(GameTimer t)
    {
        switch (t) {
        case GameTimer::LampCelebrationRow:
            return "LampCelebrationRow";
        case GameTimer::LampCelebrationAlternate:
            return "LampCelebrationAlternate";
        case GameTimer::LineFlash:
            return "LineFlash";
        case GameTimer::FreeSpinText:
            return "FreeSpinText";
        }
        return "?";
    }
    std::uint32_t tick_ = 0;
};

}  // namespace zorvik
