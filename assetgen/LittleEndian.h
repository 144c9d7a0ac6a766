// SPDX-License-Identifier: GPL-3.0-or-later
// Writing the little-endian numbers and the letter tags that bitmap and wave files are made of, byte by byte.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace zorvik::art {

inline void Put16(std::vector<std::uint8_t>& out, std::uint16_t v)
{
    out.push_back(v & 0xff);
    out.push_back(v >> 8);
}

inline void Put32(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out.push_back((v >> (8 * i)) & 0xff);
}

// The tag's letters as they are, without a terminator ("BM", "RIFF").
inline void PutTag(std::vector<std::uint8_t>& out, std::string_view tag)
{
    out.insert(out.end(), tag.begin(), tag.end());
}

}  // namespace zorvik::art
