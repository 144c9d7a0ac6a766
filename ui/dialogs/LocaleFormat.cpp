// SPDX-License-Identifier: GPL-3.0-or-later
// Number texts of the side windows that follow the player's locale: grouped counts and fixed decimals.
#include "ui/dialogs/LocaleFormat.h"

namespace zorvik {

QString FormatGrouped(std::int64_t value, int width, const QLocale& locale)
{
    QLocale grouped = locale;
    grouped.setNumberOptions(grouped.numberOptions() & ~QLocale::OmitGroupSeparator);
    return grouped.toString(static_cast<qlonglong>(value)).rightJustified(width, u' ');
}

QString FormatFixed(double value, int width, int decimals, const QLocale& locale)
{
    QLocale plain = locale;
    plain.setNumberOptions(plain.numberOptions() | QLocale::OmitGroupSeparator);
    return plain.toString(value, 'f', decimals).rightJustified(width, u' ');
}

}  // namespace zorvik
