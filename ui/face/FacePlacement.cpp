// SPDX-License-Identifier: GPL-3.0-or-later
// How the machine is put on a window of a given size: the screen its layout is made for and the zoom.
#include "ui/face/FacePlacement.h"

#include "ui/face/DisplayClass.h"

#include <algorithm>

namespace zorvik {

namespace {

// Below this the machine would be too small to play; the window is cut off instead, as the native one is.
constexpr double SmallestZoom = 0.5;

}  // namespace

FacePlacement PlaceFace(QSize window, int screenWidth, bool fit, QSize reference)
{
    FacePlacement native;
    native.LayoutWidth = std::min(screenWidth, window.width() + 10);
    if (!fit || reference.isEmpty() || LayoutClass(native.LayoutWidth) != DisplayClass::Large) return native;

    const double zoom =
        std::min(double(window.height()) / reference.height(), double(window.width()) / reference.width());
    const bool tooShort = window.height() < reference.height();
    if ((zoom <= 1.0 && !tooShort) || zoom < SmallestZoom) return native;

    FacePlacement zoomed;
    zoomed.Zoom = zoom;
    zoomed.LayoutWidth = static_cast<int>(window.width() / zoom);
    zoomed.Offset = QPointF(0, std::max(0.0, (window.height() - reference.height() * zoom) / 2));
    return zoomed;
}

}  // namespace zorvik
