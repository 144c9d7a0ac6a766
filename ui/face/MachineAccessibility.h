// SPDX-License-Identifier: GPL-3.0-or-later
// The machine face for assistive technology: Spin, Stop and the bet controls as buttons, the numbers on the
// machine as displays that announce their changes, and one line that tells the result of each spin.
#pragma once

#include <QPoint>
#include <QRect>
#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

class QWidget;

namespace zorvik {

class MachineFace;
class PaintedElement;
struct GameState;
struct SpinRecord;

class MachineAccessibility {
public:
    // The elements become children of window, whose class declares the painted-elements class info and which
    // shows face. toWindow gives the window pixels of an area of the face's layout (the window may zoom and
    // centre the machine); click does whatever a left click at a point of the window does. All must outlive
    // this.
    MachineAccessibility(QWidget& owner, const MachineFace& machine, const GameState& game,
                         std::function<QRect(const QRect&)> toWindow, std::function<void(QPoint)> clickAt);

    // Announces every display whose value changed since the last call. Cheap enough for every flush.
    void Refresh();
    // Announces the result of the spin just evaluated (a paid spin, a free spin or a Cobra Roll).
    void SpinEvaluated(const SpinRecord& spin);

    // The result of a spin in one line: its kind, its win and what paid.
    static QString SpinResultLine(const GameState& state, const SpinRecord& spin);

private:
    PaintedElement* AddButton(const QString& name, const QString& description, const QString& key,
                              std::function<QRect()> area, bool duringSpin);
    PaintedElement* AddDisplay(const QString& name, const QString& description,
                               std::function<std::int32_t()> value, std::function<QRect()> area);

    QWidget& window_;
    const MachineFace& face_;
    const GameState& state_;
    std::function<QRect(const QRect&)> toWindow_;
    std::function<void(QPoint)> click_;
    std::vector<PaintedElement*> displays_;
    PaintedElement* lastSpin_ = nullptr;
};

}  // namespace zorvik
