// SPDX-License-Identifier: GPL-3.0-or-later
// Something painted on a window that assistive technology should see as if it were a control: a button it
// can press, a display it can read, or the status line that tells the result of each spin.
#include "ui/face/PaintedElement.h"

#include "ui/face/AccessibleEvents.h"
#include "ui/face/AccessibleInterfaces.h"

#include <QAccessible>
#include <QTimer>
#include <QWidget>

namespace zorvik {

PaintedElement::PaintedElement(QWidget& owner, Kind kind, const QString& name)
    : QObject(&owner), owner_(owner), kind_(kind), fixedName_(name), shownName_(name)
{
    InstallAccessibleInterfaces();
    setObjectName(name);
}

void PaintedElement::SetValue(std::function<std::int32_t()> source)
{
    value_ = std::move(source);
    shownValue_ = Value();
}

void PaintedElement::SetPress(std::function<void()> action, const QString& keyName)
{
    press_ = std::move(action);
    key_ = keyName;
}

void PaintedElement::Press()
{
    if (!press_ || !Enabled()) return;
    QTimer::singleShot(0, this, [this] {
        if (press_ && Enabled()) press_();
    });
}

void PaintedElement::Announce(const QString& line)
{
    statusText_ = line;
    if (!AccessibleEventsWanted()) return;
    // The new value first, for clients that read values; then the alert, which desktops that support it
    // speak at once whatever has the focus.
    QAccessibleValueChangeEvent changed(this, line);
    SendAccessibleEvent(changed);
    QAccessibleEvent alert(this, QAccessible::Alert);
    SendAccessibleEvent(alert);
}

void PaintedElement::Refresh()
{
    // The shown values follow even while nobody listens, so a screen reader started later hears no backlog.
    const bool wanted = AccessibleEventsWanted();
    if (kind_ == Kind::Display && value_) {
        const std::int32_t now = Value();
        if (now != shownValue_) {
            shownValue_ = now;
            if (wanted) {
                QAccessibleValueChangeEvent changed(this, now);
                SendAccessibleEvent(changed);
            }
        }
    }
    if (name_) {
        const QString now = Name();
        if (now != shownName_) {
            shownName_ = now;
            if (wanted) {
                QAccessibleEvent renamed(this, QAccessible::NameChanged);
                SendAccessibleEvent(renamed);
            }
        }
    }
}

void PaintedElement::AnnounceFocus()
{
    if (!AccessibleEventsWanted()) return;
    QAccessibleEvent focus(this, QAccessible::Focus);
    SendAccessibleEvent(focus);
}

}  // namespace zorvik
