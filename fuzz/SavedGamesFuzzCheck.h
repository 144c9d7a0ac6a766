// SPDX-License-Identifier: GPL-3.0-or-later
// One fuzz input through the profile reader, the slot reading and a save, with every promise checked.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace zorvik {

// Returns an empty string when every promise held, otherwise what broke. Shared by the libFuzzer target and
// the corpus replay in the normal test suite.
std::string CheckSavedGamesInput(const std::uint8_t* data, std::size_t size);

}  // namespace zorvik
