// SPDX-License-Identifier: GPL-3.0-or-later
// Number texts of the side windows that follow the player's locale: grouped counts and fixed decimals.
#pragma once

#include <QLocale>
#include <QString>

#include <cstdint>

namespace zorvik {

// A whole number with the locale's thousands separator, right-aligned in at least `width` characters.
QString FormatGrouped(std::int64_t value, int width, const QLocale& locale = QLocale());

// A number with `decimals` places and the locale's decimal point, no grouping, right-aligned in `width`.
QString FormatFixed(double value, int width, int decimals, const QLocale& locale = QLocale());

}  // namespace zorvik
