// SPDX-License-Identifier: GPL-3.0-or-later
// The slot machine's game: start-up, bet controls, a spin and the bonus spins it earns, booking what the
// cells paid, and the payout.
#pragma once

#include <cstdint>
#include <string_view>

#include "engine/GameHooks.h"
#include "engine/GameState.h"
#include "engine/RandomSource.h"
#include "engine/SpinEvaluation.h"
#include "engine/StripSets.h"

namespace zorvik {

class SpinRecorder;

// The two orders of the payout sequence: a bonus spin starts the line flashing before the card game.
enum class PayOutOrder { NormalSpin, BonusSpin };

// What the last SpinWheels call drew and paid, for logs and statistics outside the game state.
struct SpinRecord {
    std::uint32_t Seed = 0;  // the time-of-day value the spin was seeded with
    SpinKind Kind = SpinKind::Paid;
    std::int32_t LampStart = 0;
    std::int32_t LampDirection = 1;  // -1 leftward, +1 rightward
    std::int32_t Won = 0;            // SpinWin after the card game, before a count-off runs it down
    std::int32_t PoolAward = 0;      // Idol Pool paid by this spin, 0 if none
};

class SlotEngine {
public:
    // Both references must outlive the engine. The engine owns the process-wide random source.
    SlotEngine(GameState& state, GameHooks& hooks);

    GameState& State() { return state_; }
    const GameState& State() const { return state_; }
    GameHooks& Hooks() { return hooks_; }
    // Shared with the card game, which reseeds it for every deal.
    RandomSource& Rng() { return rng_; }
    const SpinRecord& LastSpin() const { return lastSpin_; }
    // The record of recent spins, fed as each spin starts, is evaluated and ends; null keeps none. Not owned.
    void SetRecorder(SpinRecorder* recorder) { recorder_ = recorder; }
    SpinRecorder* Recorder() const { return recorder_; }

    // Start-up values. SetStartupValues runs the whole sequence; the window may call the pieces instead
    // so that it can interleave its own steps, in this order: Early, Strips, Bet, NewGame, Options.
    void SetStartupValues();
    void SetEarlyStartupValues();  // Spinning off, Spins 0, Bells 3, PayMode on, Cherries 6
    void SetStartupStrips();       // normal strips at the start-up stops
    void SetStartupBet();          // CoinsPerLine 1, LinesPlayed 8
    void SetStartupOptions();      // bonus modes off, Sound, AutoSpin off, AutoSave, Double

    void NewGame();

    void BuildNormalStrips();
    void InstallCobraRollStrips();
    void InstallFreeSpinStrips();

    // Plays one spin and every bonus spin it earns. Only StartSpin (and itself) call it.
    void SpinWheels();
    void EvaluateSpin();
    void EvaluateCobraRoll();
    void EvaluateFreeSpin();
    static bool IsAnySeven(int code);

    void AddLine();
    void RemoveLine();
    void AddCoin();
    void RemoveCoin();
    void StartSpin();

    void PayOut(PayOutOrder order);
    void CountOffCredits();

    // Count-off step for the amount still to pay.
    static std::int32_t CountOffStep(std::int32_t leftToPay);

    // The lamp row after a spin whose chaser started at lamp start running in direction dir and took
    // steps steps; bit k is Lamps[k]. The headless path uses it instead of the frame loop.
    static std::uint8_t LampsAfterChase(int start, int dir, int steps);

private:
    void EvaluateBonusSpin(bool cobraRoll);
    // Books a spin's line results in the game: counter steps with their displays and sounds, the line wins,
    // their summary lines and the first line to flash.
    void BookLines(const CellsResult& result);
    bool TrySpin();                      // one spin, or a refusal that ends auto spin
    std::int64_t PaidSpinCount() const;  // Spins, going on past its ceiling
    void PlayWave(const char* file);
    void RefuseBetChange();
    // A bet control: when allowed, clicks, moves field by step and redraws the two displays in this order.
    void ChangeBet(bool allowed, std::int32_t& field, int step, void (GameHooks::*drawFirst)(),
                   void (GameHooks::*drawSecond)());
    void InstallBonusStrips(const StripSet& set);

    GameState& state_;
    GameHooks& hooks_;
    RandomSource rng_;
    SpinRecord lastSpin_;
    SpinRecorder* recorder_ = nullptr;
    // Paid spins played while Spins stood at its ceiling, so that the auto-save keeps its beat of 25.
    std::int64_t spinsPastCeiling_ = 0;
    bool autoLoopRunning_ = false;  // an auto spin loop is on the stack, pausing or spinning
    bool spunDuringPause_ = false;  // the player started a spin in that loop's pause
};

}  // namespace zorvik
