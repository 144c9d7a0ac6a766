// SPDX-License-Identifier: GPL-3.0-or-later
// Where the simulator's spins get their time-of-day seeds: a generator of its own, or a file of values.
#include "sim/SeedSource.h"

#include <charconv>

namespace zorvik {

namespace {

// A line holds one decimal value, possibly with surrounding spaces or a CR from another system.
bool ParseLine(const std::string& line, bool& blank, std::uint32_t& value)
{
    std::size_t begin = line.find_first_not_of(" \t\r");
    blank = begin == std::string::npos;
    if (blank) return true;
    std::size_t end = line.find_last_not_of(" \t\r") + 1;
    std::uint32_t parsed = 0;
    const auto result = std::from_chars(line.data() + begin, line.data() + end, parsed);
    if (result.ec != std::errc() || result.ptr != line.data() + end || parsed >= MillisecondsPerDay)
        return false;
    value = parsed;
    return true;
}

}  // namespace

bool SeedSource::OpenFile(const std::string& path, std::string& error)
{
    file_.open(path);
    if (!file_) {
        error = "cannot read the seeds file " + path;
        return false;
    }
    // Check every line first, so a bad file fails before any spin instead of in the middle of the run.
    std::size_t lineNumber = 0;
    std::size_t values = 0;
    while (std::getline(file_, line_)) {
        ++lineNumber;
        bool blank = false;
        std::uint32_t value = 0;
        if (!ParseLine(line_, blank, value)) {
            error = path + " line " + std::to_string(lineNumber) +
                    ": not a time of day in milliseconds (0-86399999): '" + line_ + "'";
            return false;
        }
        if (!blank) ++values;
    }
    if (values == 0) {
        error = "the seeds file " + path + " holds no value";
        return false;
    }
    file_.clear();
    file_.seekg(0);
    fromFile_ = true;
    return true;
}

bool SeedSource::ReadValue(std::uint32_t& value)
{
    while (std::getline(file_, line_)) {
        bool blank = false;
        if (ParseLine(line_, blank, value) && !blank) return true;
    }
    return false;
}

std::uint32_t SeedSource::NextFromFile()
{
    std::uint32_t value = 0;
    if (ReadValue(value)) return value;
    wrapped_ = true;
    file_.clear();
    file_.seekg(0);
    ReadValue(value);
    return value;
}

}  // namespace zorvik
