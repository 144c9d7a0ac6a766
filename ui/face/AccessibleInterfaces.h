// SPDX-License-Identifier: GPL-3.0-or-later
// How assistive technology sees the game's painted controls: the interfaces of the panel buttons, of the
// painted elements and of the windows that paint them.
#pragma once

namespace zorvik {

// Registers the interfaces with Qt; safe to call any number of times, and before any interface is asked for.
void InstallAccessibleInterfaces();

}  // namespace zorvik
