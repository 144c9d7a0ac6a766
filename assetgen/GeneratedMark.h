// SPDX-License-Identifier: GPL-3.0-or-later
// The mark our generator leaves in the bitmap files it writes, so the game can tell its own pictures apart.
#pragma once

namespace zorvik::art {

// Stored in the four reserved bytes of the bitmap file header (offset 6), which readers ignore. The game
// draws a marked picture afresh at the scale of a zoomed window; a picture without the mark is a player's
// own, and is scaled as it stands.
inline constexpr char GeneratedBitmapMark[4] = {'Z', 'g', 'e', 'n'};
inline constexpr int GeneratedBitmapMarkOffset = 6;

}  // namespace zorvik::art
