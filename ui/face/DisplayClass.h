// SPDX-License-Identifier: GPL-3.0-or-later
// The three display classes the screen width puts the machine face into, and the picture set that goes with
// them.
#pragma once

namespace zorvik {

enum class DisplayClass { Small, Medium, Large };

// Layout and painting: small below 700, medium 700-999, large from 1000. Screens wider than 10000 pixels
// have no class of their own; they get the large one rather than a face with nothing on it.
constexpr DisplayClass LayoutClass(int screenWidth)
{
    if (screenWidth < 700) return DisplayClass::Small;
    if (screenWidth < 1000) return DisplayClass::Medium;
    return DisplayClass::Large;
}

// The picture set uses slightly different bounds, so 691-699 gets the medium pictures with the small layout.
constexpr DisplayClass PictureSetClass(int screenWidth)
{
    if (screenWidth <= 690) return DisplayClass::Small;
    if (screenWidth < 1000) return DisplayClass::Medium;
    return DisplayClass::Large;
}

// Digits are 32 x 42 on large screens, 16 x 21 otherwise, in every window.
constexpr bool UsesLargeDigits(int screenWidth)
{
    return screenWidth >= 1000;
}

}  // namespace zorvik
