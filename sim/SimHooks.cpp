// SPDX-License-Identifier: GPL-3.0-or-later
// The simulator's front end: headless hooks that feed the seeds, count every spin, trace it and end the run.
#include "sim/SimHooks.h"

#include <charconv>

#include "sim/JsonText.h"

namespace zorvik {

namespace {

void AppendInt(std::string& out, std::int64_t value)
{
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof(buffer), value);
    out.append(buffer, result.ptr);
}

const char* KindName(SpinKind kind)
{
    switch (kind) {
    case SpinKind::Paid:
        return "paid";
    case SpinKind::Free:
        return "free";
    case SpinKind::Cobra:
        return "cobra";
    }
    return "paid";
}

}  // namespace

SimHooks::SimHooks(SeedSource& seeds, SimStatistics& statistics, std::int64_t paidSpins, std::FILE* trace,
                   int cardTurns)
    : seeds_(seeds), statistics_(statistics), paidSpins_(paidSpins), trace_(trace), cardTurns_(cardTurns)
{
}

std::uint32_t SimHooks::TimeOfDayMs()
{
    return seeds_.Next();
}

void SimHooks::SpinEvaluated()
{
    const SpinRecord& spin = engine_->LastSpin();
    const GameState& state = engine_->State();
    statistics_.AddSpin(spin, state.LinesDoubled);
    if (trace_) {
        line_ = TraceLine(state, spin, cardPlayed_ ? &card_ : nullptr);
        line_ += '\n';
        std::fwrite(line_.data(), 1, line_.size(), trace_);
    }
    cardPlayed_ = false;
}

void SimHooks::ShowDoubleOrNothing()
{
    GameState& state = engine_->State();
    card_.Seed = TimeOfDayMs();
    card_.Stake = state.SpinWin;
    card_.Turned = 0;
    DoubleOrNothingGame game(state, engine_->Rng(), card_.Seed);
    for (int place = 0; place < cardTurns_ && !game.Over(); ++place) {
        game.Turn(place);
        card_.Ids[card_.Turned++] = game.Deck()[place].Id;
    }
    game.Book();
    card_.Result = state.SpinWin;
    cardPlayed_ = true;
    statistics_.AddCardGame(card_.Stake, card_.Result);
}

void SimHooks::WaitSeconds(double /*seconds*/)
{
    GameState& state = engine_->State();
    if (!state.Spinning && statistics_.PaidSpins() >= paidSpins_) state.AutoSpin = false;
}

void SimHooks::ShowInformation(const std::string& text)
{
    refusal_ = text;
}

std::string SimHooks::TraceLine(const GameState& s, const SpinRecord& spin, const CardGameRecord* card)
{
    std::string out;
    out.reserve(512);
    out += "{\"seed\":";
    AppendInt(out, spin.Seed);
    out += ",\"kind\":\"";
    out += KindName(spin.Kind);
    out += "\",\"stops\":[";
    for (int w = 0; w < WheelCount; ++w) {
        if (w) out += ',';
        AppendInt(out, s.Stops[w]);
    }
    out += "],\"lampStart\":";
    AppendInt(out, spin.LampStart);
    out += ",\"lampDir\":";
    AppendInt(out, spin.LampDirection);
    out += ",\"doubled\":";
    out += s.LinesDoubled ? "true" : "false";
    out += ",\"lineWins\":[";
    for (int n = 0; n < LineCount; ++n) {
        if (n) out += ',';
        AppendInt(out, s.LineWins[n]);
    }
    out += "],\"screenBonus\":";
    AppendInt(out, s.ScreenBonus);
    // The spin's win as paid: a count-off has already run SpinWin down to 0 by now.
    out += ",\"spinWin\":";
    AppendInt(out, spin.Won);
    out += ",\"firstWinLine\":";
    AppendInt(out, s.FirstWinLine);
    out += ",\"credits\":";
    AppendInt(out, s.Credits);
    out += ",\"cherries\":";
    AppendInt(out, s.Cherries);
    out += ",\"bells\":";
    AppendInt(out, s.Bells);
    out += ",\"bellPool\":";
    AppendInt(out, s.BellPool);
    out += ",\"freeSpinsLeft\":";
    AppendInt(out, s.FreeSpinsLeft);
    out += ",\"cobraRollsLeft\":";
    AppendInt(out, s.CobraRollsLeft);
    out += ",\"summary\":";
    AppendJsonString(out, s.LastSpinSummary.Text());
    if (card) {
        out += ",\"cardGame\":{\"seed\":";
        AppendInt(out, card->Seed);
        out += ",\"stake\":";
        AppendInt(out, card->Stake);
        out += ",\"turned\":[";
        for (int i = 0; i < card->Turned; ++i) {
            if (i) out += ',';
            AppendInt(out, card->Ids[i]);
        }
        out += "],\"result\":";
        AppendInt(out, card->Result);
        out += '}';
    }
    out += '}';
    return out;
}

}  // namespace zorvik
