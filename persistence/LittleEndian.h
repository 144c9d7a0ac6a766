// SPDX-License-Identifier: GPL-3.0-or-later
// Numbers as little-endian bytes, lowest first, as the record of recent spins and the lock file keep them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zorvik {

// Appends the low `bytes` bytes of value.
inline void PutLittleEndian(std::string& out, std::uint64_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out += static_cast<char>((value >> (8 * i)) & 0xFFu);
}

// The number in the `bytes` bytes of data from at; the caller has checked that they are there.
inline std::uint64_t GetLittleEndian(std::string_view data, std::size_t at, int bytes)
{
    std::uint64_t value = 0;
    for (int i = 0; i < bytes; ++i)
        value |= std::uint64_t{static_cast<unsigned char>(data[at + i])} << (8 * i);
    return value;
}

}  // namespace zorvik
