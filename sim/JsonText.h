// SPDX-License-Identifier: GPL-3.0-or-later
// Text as a JSON string, for the simulator's trace lines and its dump of a saved game.
#pragma once

#include <string>
#include <string_view>

namespace zorvik {

// Appends text in quotes: quote and backslash escaped, line breaks and tabs as \r \n \t, every other control
// character and DEL as \u00XX. Other bytes pass unchanged, so UTF-8 stays UTF-8.
void AppendJsonString(std::string& out, std::string_view text);

}  // namespace zorvik
