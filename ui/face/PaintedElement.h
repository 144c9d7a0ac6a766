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

    Kind ElementKind() const { return kind_; }
    QWidget& Owner() const { return owner_; }

    QString Name() const { return name_ ? name_() : fixedName_; }
    void SetName(std::function<QString()> source) { name_ = std::move(source); }
    const QString& Description() const { return description_; }
    void SetDescription(const QString& text) { description_ = text; }
    // Where the element is painted, in the owner's coordinates.
    QRect Area() const { return area_ ? area_() : QRect(); }
    void SetArea(std::function<QRect()> source) { area_ = std::move(source); }

    // A display's current value.
    std::int32_t Value() const { return value_ ? value_() : 0; }
    void SetValue(std::function<std::int32_t()> source);

    // The last line the status element announced.
    const QString& StatusText() const { return statusText_; }
    // Shows a line on the status element and asks assistive technology to read it out.
    void Announce(const QString& line);

    // What a press does, and the key that does the same.
    void SetPress(std::function<void()> action, const QString& key = {});
    const QString& KeyBinding() const { return key_; }
    // Runs the press from the event loop: an assistive technology's request returns at once, even when the
    // press starts a spin or opens a window.
    void Press();
    bool Enabled() const { return enabled_ ? enabled_() : true; }
    void SetEnabled(std::function<bool()> source) { enabled_ = std::move(source); }
    // The element the keyboard points at inside its owner (the highlighted card, for one).
    bool Focused() const { return focused_ && focused_(); }
    void SetFocused(std::function<bool()> source) { focused_ = std::move(source); }

    // Tells assistive technology what changed since the last call: a display's value, any element's name.
    void Refresh();
    // Tells assistive technology that the keyboard now points here.
    void AnnounceFocus();

private:
    QWidget& owner_;
    const Kind kind_;
    const QString fixedName_;
    QString description_;
    QString statusText_;
    QString key_;
    std::function<QString()> name_;
    std::function<QRect()> area_;
    std::function<std::int32_t()> value_;
    std::function<void()> press_;
    std::function<bool()> enabled_;
    std::function<bool()> focused_;
    std::int32_t shownValue_ = 0;
    QString shownName_;
};

}  // namespace zorvik
