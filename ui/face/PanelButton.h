// SPDX-License-Identifier: GPL-3.0-or-later
// One picture button of the control panel, as assistive technology sees it: a button with its caption as
// name, its tooltip as description and a press action; the four switches also say whether they are on.
#pragma once

#include <QLabel>

#include <functional>
#include <optional>

namespace zorvik {

class PanelButton : public QLabel {
    Q_OBJECT

public:
    explicit PanelButton(QWidget* parent);

    // What pressing the button does; run from the event loop, so a request from assistive technology
    // returns at once even when the button opens a window.
    void SetPress(std::function<void()> action) { press_ = std::move(action); }
    void Press();
    // For the switches: whether the option is on. Buttons without a switch leave it empty.
    void SetSwitch(std::function<bool()> on);
    std::optional<bool> SwitchedOn() const;
    // Tells assistive technology when the switch has changed since the last call.
    void RefreshSwitch();

private:
    std::function<void()> press_;
    std::function<bool()> on_;
    bool shownOn_ = false;
};

}  // namespace zorvik
