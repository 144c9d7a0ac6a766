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
    if (!press) return;
    QTimer::singleShot(0, this, [this] {
        if (press) press();
    });
}

void PanelButton::SetSwitch(std::function<bool()> source)
{
    on = std::move(source);
    shownOn = on && on();
}

std::optional<bool> PanelButton::SwitchedOn() const
{
    if (!on) return std::nullopt;
    return on();
}

void PanelButton::RefreshSwitch()
{
    if (!on || on() == shownOn) return;
    shownOn = !shownOn;
    if (!AccessibleEventsWanted()) return;
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(this, changed);
    SendAccessibleEvent(event);
}

}  // namespace zorvik
