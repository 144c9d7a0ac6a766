// SPDX-License-Identifier: GPL-3.0-or-later
// The style of the control-panel buttons: the application's own style with tooltips after a 50 ms pause.
#pragma once

#include <QProxyStyle>

namespace zorvik {

class ControlPanelStyle : public QProxyStyle {
    Q_OBJECT

public:
    static constexpr int HintPauseMs = 50;

    // Follows whatever style the application uses, so the buttons' tooltips look like every other tooltip.
    ControlPanelStyle();

    int styleHint(StyleHint hint, const QStyleOption* option = nullptr, const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;
};

}  // namespace zorvik
