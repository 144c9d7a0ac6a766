// SPDX-License-Identifier: GPL-3.0-or-later
// Where the machine's layout pixels land on a drawing surface: a scale and an offset in the surface's pixels.
#pragma once

#include <QPoint>
#include <QPointF>
#include <QRect>

#include <cmath>

namespace zorvik {

// Every place of the layout is a whole pixel; on a zoomed window it covers Scale surface pixels. Edges are
// rounded one by one, so neighbouring areas of the layout stay neighbours on the surface, without gaps or
// overlaps, whatever the scale. With scale 1 and no offset the layout is the surface.
struct CanvasMapping {
    double Scale = 1.0;
    QPoint Offset;  // surface pixels, added after scaling

    int X(int x) const { return Offset.x() + static_cast<int>(std::lround(x * Scale)); }
    int Y(int y) const { return Offset.y() + static_cast<int>(std::lround(y * Scale)); }
    QPoint Map(QPoint p) const { return QPoint(X(p.x()), Y(p.y())); }
    // The surface pixels of a layout area: from the mapped left edge up to the mapped right edge.
    QRect Map(const QRect& r) const
    {
        if (r.isNull()) return QRect();
        return QRect(QPoint(X(r.left()), Y(r.top())),
                     QPoint(X(r.left() + r.width()) - 1, Y(r.top() + r.height()) - 1));
    }
    // A length in surface pixels, for pens and offsets that belong to no edge (a bounce of dy pixels).
    int Length(int d) const { return static_cast<int>(std::lround(d * Scale)); }

    // The layout pixel whose mapped area holds surface point p, so a click hits exactly what was drawn there.
    QPoint Unmap(QPointF p) const { return QPoint(UnmapX(p.x()), UnmapY(p.y())); }
    int UnmapX(double x) const { return Unmap1(x, Offset.x()); }
    int UnmapY(double y) const { return Unmap1(y, Offset.y()); }

    bool IsIdentity() const { return Scale == 1.0 && Offset.isNull(); }
    bool operator==(const CanvasMapping&) const = default;

private:
    int Unmap1(double surface, int offset) const
    {
        const int pixel = static_cast<int>(std::floor(surface));  // the surface pixel holding the point
        int x = static_cast<int>(std::floor((pixel - offset + 0.5) / Scale));
        // Rounding put the edges where lround put them; step to the one layout pixel that covers this one.
        while (offset + std::lround(x * Scale) > pixel)
            --x;
        while (offset + std::lround((x + 1) * Scale) <= pixel)
            ++x;
        return x;
    }
};

}  // namespace zorvik
