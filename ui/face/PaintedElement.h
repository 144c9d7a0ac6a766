// SPDX-License-Identifier: GPL-3.0-or-later
// Something painted on a window that assistive technology should see as if it were a control: a button it
// can press, a display it can read, or the status line that tells the result of each spin.
#pragma once

#include <QObject>
#include <QRect>
#include <QString>

#include <cstdint>
#include <functional>

class QWidget;

namespace zorvik {

// The owner's class declares Q_CLASSINFO(PaintedElementsInfo, "yes") so that its accessible interface lists
// its painted elements after its child widgets.
inline constexpr const char* PaintedElementsInfo = "AccessiblePaintedElements";

class PaintedElement : public QObject {
    Q_OBJECT

public:
    enum class Kind { Button, Display, Status };

    // A child of owner, which paints it; it lives as long as the owner.
    PaintedElement(QWidget& owner, Kind kind, const QString& name);

    Kind ElementKind() const { return kind; }
    QWidget& Owner() const { return owner; }

    QString Name() const { return name ? name() : fixedName; }
    void SetName(std::function<QString()> source) { name = std::move(source); }
    const QString& Description() const { return description; }
    void SetDescription(const QString& text) { description = text; }
    // Where the element is painted, in the owner's coordinates.
    QRect Area() const { return area ? area() : QRect(); }
    void SetArea(std::function<QRect()> source) { area = std::move(source); }

    // A display's current value.
    std::int32_t Value() const { return value ? value() : 0; }
    void SetValue(std::function<std::int32_t()> source);

    // The last line the status element announced.
    const QString& StatusText() const { return statusText; }
    // Shows a line on the status element and asks assistive technology to read it out.
    void Announce(const QString& line);

    // What a press does, and the key that does the same.
    void SetPress(std::function<void()> action, const QString& key = {});
    const QString& KeyBinding() const { return key; }
    // Runs the press from the event loop: an assistive technology's request returns at once, even when the
    // press starts a spin or opens a window.
    void Press();
    bool Enabled() const { return enabled ? enabled() : true; }
    void SetEnabled(std::function<bool()> source) { enabled = std::move(source); }
    // The element the keyboard points at inside its owner (the highlighted card, for one).
    bool Focused() const { return focused && focused(); }
    void SetFocused(std::function<bool()> source) { focused = std::move(source); }

    // Tells assistive technology what changed since the last call: a display's value, any element's name.
    void Refresh();
    // Tells assistive technology that the keyboard now points here.
    void AnnounceFocus();

private:
    QWidget& owner;
    const Kind kind;
    const QString fixedName;
    QString description;
    QString statusText;
    QString key;
    std::function<QString()> name;
    std::function<QRect()> area;
    std::function<std::int32_t()> value;
    std::function<void()> press;
    std::function<bool()> enabled;
    std::function<bool()> focused;
    std::int32_t shownValue = 0;
    QString shownName;
};

}  // namespace zorvik
