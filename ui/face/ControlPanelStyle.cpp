// SPDX-License-Identifier: GPL-3.0-or-later
// The style of the control-panel buttons: the application's own style with tooltips after a 50 ms pause.
#include "ui/face/ControlPanelStyle.h"

#include <QApplication>
#include <QStyleFactory>

namespace zorvik {

ControlPanelStyle::ControlPanelStyle() : QProxyStyle(QStyleFactory::create(QApplication::style()->name())) {}

int ControlPanelStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                                 QStyleHintReturn* returnData) const
{
    // Tooltips of the panel appear almost at once: the captions are short, the tooltips say what they do.
    if (hint == SH_ToolTip_WakeUpDelay) return HintPauseMs;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

}  // namespace zorvik
