// SPDX-License-Identifier: GPL-3.0-or-later
// How the machine is put on a window of a given size: the screen its layout is made for and the zoom.
#pragma once

#include <QPointF>
#include <QSize>

namespace zorvik {

struct FacePlacement {
    int LayoutWidth = 1024;  // width of the screen the layout is computed for, in layout pixels
    double Zoom = 1.0;       // window pixels per layout pixel
    QPointF Offset;          // window pixels left free before the layout's origin (the layout is centred)

    bool Zoomed() const { return Zoom != 1.0; }
    bool operator==(const FacePlacement&) const = default;
};

// window: the window's client size in window pixels; screenWidth: the width of the screen the game
// started on. reference: the smallest window the large layout fills at zoom 1 (a large screen's width,
// the height of the machine and its lamp row with their margins); empty when the pictures are not the
// large set, which keeps the layout native.
//
// The native layout is laid out, as it always was, for the screen the window spans (a window is 10 pixels
// narrower than its screen). With fit true and a large screen, a window larger than the reference is
// instead laid out for a logical screen as high as the reference and as wide as the window allows, zoomed
// to fill the window's height (or, on a narrow window, its width, the layout centred in the height); and a
// window too short for the native machine is zoomed down to fit in the same way, rather than cut off.
FacePlacement PlaceFace(QSize window, int screenWidth, bool fit, QSize reference);

}  // namespace zorvik
