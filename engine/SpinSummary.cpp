// SPDX-License-Identifier: GPL-3.0-or-later
// Writing out the summary of the last spin when it is read.
#include "engine/SpinSummary.h"

#include <charconv>

namespace zorvik {

namespace {

// Each sentence ends a line, as the message box that shows the summary reads it.
constexpr std::string_view LineBreak = "\r\n";

// One sentence, written in a fixed buffer before it joins the summary.
class Sentence {
public:
    Sentence& operator<<(std::string_view piece)
    {
        const std::size_t n = std::min(piece.size(), sizeof(buffer_) - size_);
        piece.copy(buffer_ + size_, n);
        size_ += n;
        return *this;
    }
    Sentence& operator<<(std::int32_t value)
    {
        const auto result = std::to_chars(buffer_ + size_, buffer_ + sizeof(buffer_), value);
        if (result.ec == std::errc()) size_ = static_cast<std::size_t>(result.ptr - buffer_);
        return *this;
    }
    std::string_view View() const { return {buffer_, size_}; }

private:
    char buffer_[256];
    std::size_t size_ = 0;
};

}  // namespace

void SpinSummary::SetText(std::string_view text)
{
    count_ = 0;
    closed_ = false;
    built_ = true;
    size_ = text.copy(text_, Limit);
}

std::string_view SpinSummary::Text() const
{
    if (!built_) Build();
    return {text_, size_};
}

void SpinSummary::Build() const
{
    const std::string_view br = LineBreak;
    // Each sentence is cut where the limit falls, and nothing after it is added.
    const auto append = [this](std::string_view sentence) {
        size_ += sentence.copy(text_ + size_, Limit - size_);
    };
    size_ = 0;
    for (std::size_t i = 0; i < count_ && size_ < Limit; ++i) {
        const Entry& e = pieces_[i];
        Sentence t;
        switch (e.Kind) {
        case Piece::ReturnBet:
            t << "Return Bet of " << e.A << " Credits." << br << "All Winnings Lines are Doubled." << br;
            break;
        case Piece::DoubledBonus:
            t << "All Winnings Lines are Doubled.." << br;
            break;
        case Piece::Line:
            t << "Line " << e.A << " paid " << e.B << "." << br;
            break;
        case Piece::CrestScreen:
            t << "Screen Bonus for " << e.A << " Sevens paid " << e.B << "." << br;
            break;
        case Piece::AnimalScreen:
            t << "Screen Bonus for All Fruit paid " << e.A << "." << br;
            break;
        case Piece::PoolAdded:
            t << e.A << " Credits were added to the Bell Pool." << br;
            break;
        case Piece::PoolWon:
            t << "Won the Bell Pool Worth " << e.A << br;
            break;
        case Piece::GoldCoins:
            t << e.A << " Sevens Paid " << e.B << "." << br;
            break;
        }
        append(t.View());
    }
    if (closed_ && size_ == 0) append("There were no winning lines on the last spin.");
    built_ = true;
}

}  // namespace zorvik
