// SPDX-License-Identifier: GPL-3.0-or-later
// Counts of 64-bit keys in an open-addressed table: an enumeration's tallies, where few keys recur often.
#pragma once

#include <cstdint>
#include <map>
#include <vector>

namespace zorvik {

class KeyCounter {
public:
    void Add(std::uint64_t key, std::uint64_t count = 1)
    {
        const std::uint64_t stored = key + 1;  // 0 marks an empty slot
        std::size_t i = Hash(stored) & (slots_.size() - 1);
        while (slots_[i].Key != 0 && slots_[i].Key != stored)
            i = (i + 1) & (slots_.size() - 1);
        slots_[i].Count += count;
        if (slots_[i].Key == 0) {
            slots_[i].Key = stored;
            if (++used_ * 2 > slots_.size()) Grow();
        }
    }

    // Adds every key's count into totals, which orders them whatever the order of counting was.
    void AddTo(std::map<std::uint64_t, std::uint64_t>& totals) const
    {
        for (const Slot& slot : slots_)
            if (slot.Key != 0) totals[slot.Key - 1] += slot.Count;
    }

private:
    struct Slot {
        std::uint64_t Key = 0;
        std::uint64_t Count = 0;
    };
    static std::size_t Hash(std::uint64_t key)
    {
        key ^= key >> 33;
        key *= 0xff51afd7ed558ccdull;
        key ^= key >> 33;
        return static_cast<std::size_t>(key);
    }
    void Grow()
    {
        std::vector<Slot> old(slots_.size() * 2);
        old.swap(slots_);
        used_ = 0;
        for (const Slot& slot : old)
            if (slot.Key != 0) Add(slot.Key - 1, slot.Count);
    }

    std::vector<Slot> slots_ = std::vector<Slot>(1024);
    std::size_t used_ = 0;
};

}  // namespace zorvik
