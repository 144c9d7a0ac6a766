// SPDX-License-Identifier: GPL-3.0-or-later
// One picture button of the control panel, as assistive technology sees it: a button with its caption as
// name, its tooltip as description and a press action; the four switches also say whether they are on.
#include "ui/face/PanelButton.h"

#include "ui/face/AccessibleEvents.h"
#include "ui/face/AccessibleInterfaces.h"

#include <QAccessible>
#include <QTimer>

namespace zorvik {

PanelButton::PanelButton(QWidget* parent) : QLabel(parent)
{
    InstallAccessibleInterfaces();
}

void PanelButton::Press()
{
    if (!press_) return;
    QTimer::singleShot(0, this, [this] {
        if (press_) press_();
    });
}

void PanelButton::SetSwitch(std::function<bool()> source)
{
    on_ = std::move(source);
    shownOn_ = on_ && on_();
}

std::optional<bool> PanelButton::SwitchedOn() const
{
    if (!on_) return std::nullopt;
    return on_();
}

void PanelButton::RefreshSwitch()
{
    if (!on_ || on_() == shownOn_) return;
    shownOn_ = !shownOn_;
    if (!AccessibleEventsWanted()) return;
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(this, changed);
    SendAccessibleEvent(event);
}

}  // namespace zorvik
