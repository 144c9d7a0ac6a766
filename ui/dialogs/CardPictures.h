// SPDX-License-Identifier: GPL-3.0-or-later
// The nine pictures of the card game and the faces composed from them, each card 73 x 98 pixels.
#pragma once

#include <QImage>
#include <QPoint>

namespace zorvik {

class CardPictures {
public:
    static constexpr int CardWidth = 73;
    static constexpr int CardHeight = 98;

    // Loads the built-in pictures; one that is missing or of the wrong size is replaced by a plain one
    // drawn here in the same size and cell layout. At another scale than 1 (a zoomed window, a screen of
    // finer pixels) every picture holds scale pixels for each of its pixels: the built-in ones drawn afresh,
    // the plain ones resampled, and the faces composed at that scale.
    explicit CardPictures(double scale = 1.0);

    double Scale() const { return scale; }
    // A place on the card given in the card's own pixels, in the pixels of these pictures.
    QRect Scaled(const QRect& r) const;

    const QImage& Back() const { return back; }
    const QImage& Joker() const { return joker; }
    const QImage& Neg() const { return neg; }

    // The face of an ordinary card (rank 0 Ace to 12 King; suit 0 clubs, 1 hearts, 2 diamonds, 3 spades),
    // composed in a working picture one pixel larger than a card each way.
    QImage Face(int rank, int suit) const;

    // Puts a card onto the surface through the mask: AND with the mask, then OR with the picture, so the
    // surface keeps its own colour where the mask is white (the rounded corners).
    static void MaskedCopy(QImage& surface, QPoint at, const QImage& mask, const QImage& picture);

private:
    double scale = 1.0;
    QImage back, joker, pos, neg, black, red, suitSm, suits, royal;
};

}  // namespace zorvik
