// SPDX-License-Identifier: GPL-3.0-or-later
// The summary of the last spin: what the evaluation found, kept as a few numbers, and written out as the
// player reads it only when something asks for the text.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace zorvik {

class SpinSummary {
public:
    // The sentences a summary is made of, in the order the evaluation adds them.
    enum class Piece : std::uint8_t {
        ReturnBet,     // "Return Bet of {a} Credits." + "All Winnings Lines are Doubled."
        DoubledBonus,  // "All Winnings Lines are Doubled.." (a bonus spin)
        Line,          // "Line {a} paid {b}."
        CrestScreen,   // "Screen Bonus for {a} Sevens paid {b}."
        AnimalScreen,  // "Screen Bonus for All Fruit paid {a}."
        PoolAdded,     // "{a} Credits were added to the Bell Pool."
        PoolWon,       // "Won the Bell Pool Worth {a}"
        GoldCoins,     // "{a} Sevens Paid {b}."
    };

    // Starts the summary of a new spin.
    void Clear()
    {
        count_ = 0;
        closed_ = false;
        built_ = false;
    }
    void Add(Piece piece, std::int32_t a, std::int32_t b = 0)
    {
        if (count_ < pieces_.size()) pieces_[count_++] = Entry{piece, a, b};
        built_ = false;
    }
    // A spin without a sentence says so.
    void CloseSpin()
    {
        closed_ = true;
        built_ = false;
    }

    // A summary given as a whole text, as a game starts with none or a test puts one.
    void SetText(std::string_view text);

    // The text, at most 255 characters: each sentence is cut where the limit falls.
    std::string_view Text() const;
    bool Empty() const { return Text().empty(); }

private:
    struct Entry {
        Piece Kind;
        std::int32_t A;
        std::int32_t B;
    };
    void Build() const;

    std::array<Entry, 12> pieces_{};  // a spin adds at most 11: the bet, eight lines, the screen, the pool
    std::size_t count_ = 0;
    bool closed_ = false;  // the spin's evaluation ended, so an empty summary has its "no winning lines" text
    // The text is never longer than this, so it needs no memory of its own.
    static constexpr std::size_t Limit = 255;
    mutable char text_[Limit] = {};
    mutable std::size_t size_ = 0;
    mutable bool built_ = true;
};

}  // namespace zorvik
