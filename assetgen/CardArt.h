// SPDX-License-Identifier: GPL-3.0-or-later
// The card game's pictures: back, Joker, blank face and its mask, value strips, suit signs, court pictures.
#pragma once

#include <QImage>

namespace zorvik::art {

class CardArt {
public:
    static constexpr int CardWidth = 73, CardHeight = 98;

    // Pictures are drawn at scale pixels per unit; sizes are in units.
    static QImage Back(double scale = 1.0);   // 73 x 98, black outside the card outline
    static QImage Joker(double scale = 1.0);  // 73 x 98, black outside the card outline
    static QImage Pos(double scale = 1.0);    // blank face: white, black outline, black corners
    static QImage Neg(double scale = 1.0);    // mask: black where the card is, white around it

    // Ace to King in 13 cells of 9 x 13; upright in rows 0-13, upside down in rows 14-27. 117 x 28.
    static QImage Values(bool red, double scale = 1.0);
    // Suit signs in suit order (clubs, hearts, diamonds, spades), upright row then upside-down row.
    static QImage SuitsSmall(double scale = 1.0);  // 44 x 22, cells of 11
    static QImage SuitsLarge(double scale = 1.0);  // 60 x 30, cells of 15
    // King, Queen, Jack across (47 wide each); clubs/spades row then hearts/diamonds row (74 high). 141 x
    // 148.
    static QImage Royal(double scale = 1.0);
};

}  // namespace zorvik::art
