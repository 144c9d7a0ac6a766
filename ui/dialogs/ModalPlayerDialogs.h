// SPDX-License-Identifier: GPL-3.0-or-later
// The player's questions as the desktop's modal message boxes and input box, titled with the game's name.
#pragma once

#include "ui/dialogs/PlayerDialogs.h"

namespace zorvik {

class ModalPlayerDialogs final : public PlayerDialogs {
public:
    bool Show(QWidget* parent, Kind kind, const QString& text) override;
    std::optional<QString> AskText(QWidget* parent, const QString& caption, const QString& prompt,
                                   const QString& proposal) override;
};

}  // namespace zorvik
