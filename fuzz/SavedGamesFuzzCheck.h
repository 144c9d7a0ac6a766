// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz inputs through the saved-game file, in memory and on disk, with every promise checked.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace zorvik {

// Each returns an empty string when every promise held, otherwise what broke. Shared by the libFuzzer
// targets and the corpus replay in the normal test suite; every input is valid for both.

// The input as the text of "Zorvik.ini", read into every slot and saved back, in memory.
std::string CheckSavedGamesInput(const std::uint8_t* data, std::size_t size);

// The input as "Zorvik.ini" on disk, through the real load, two saves and a reload after each: the size
// limit, the lock, the temporary file and the sweep of abandoned ones included. The first four bytes steer
// the run, the rest is the file:
//   bytes 0 and 1   the slots (modulo 9) of the first and the second save;
//   bytes 2 and 3   when the top four bits of byte 2 are set, the file is padded to near the size limit:
//                   bit 3 of byte 2 and byte 3 give its distance below the limit, less 256 (so -256 to
//                   255); bit 2 puts the padding before the rest instead of after it; bits 0-1 choose
//                   comment lines ending in LF, CR or CR LF, or key lines. Padding is slow, so it is rare.
// The saves are named by bytes of the input. Works in a scratch folder under $TMPDIR that lasts as long as
// the process.
std::string CheckSavedGamesOnDisk(const std::uint8_t* data, std::size_t size);

}  // namespace zorvik
