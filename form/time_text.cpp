// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "time_text.h"

#include <algorithm>

namespace form {

std::string durationText(std::int64_t nanoseconds, int digits)
{
    digits = std::clamp(digits, 1, 3);
    std::int64_t top = 1; // 10 to the power of digits
    for (int i = 0; i < digits; ++i)
        top *= 10;
    if (nanoseconds < top)
        return std::to_string(std::max<std::int64_t>(nanoseconds, 0)) + " нс";

    // Round to the significant digits before choosing the unit, so that 999 600 ns reads
    // "1,00 мс", not "1000 мкс".
    std::int64_t step = 1;
    while (nanoseconds / step >= top)
        step *= 10;
    std::int64_t rounded = (nanoseconds + step / 2) / step * step;
    if (rounded / step >= top)
        step *= 10;

    struct Unit {
        std::int64_t nanoseconds;
        const char* name;
    };
    constexpr Unit units[]
        = { { 1'000'000'000, "с" }, { 1'000'000, "мс" }, { 1'000, "мкс" }, { 1, "нс" } };
    const Unit unit = *std::find_if(std::begin(units), std::end(units) - 1,
        [rounded](const Unit& u) { return rounded >= u.nanoseconds; });

    const std::string whole = std::to_string(rounded / unit.nanoseconds);
    std::string text = whole;
    const auto wanted = static_cast<std::size_t>(digits);
    if (whole.size() < wanted) {
        // The significant digits, of which `whole` holds the first.
        const std::string significant = std::to_string(rounded / step);
        text += ',' + significant.substr(whole.size(), wanted - whole.size());
    }
    return text + ' ' + unit.name;
}

std::string microsecondsNumber(std::int64_t nanoseconds, int digits)
{
    digits = std::clamp(digits, 1, 3);
    nanoseconds = std::max<std::int64_t>(nanoseconds, 0);
    std::int64_t top = 1; // 10 to the power of digits
    for (int i = 0; i < digits; ++i)
        top *= 10;
    // Rounded to the significant digits, never finer than the nanosecond, as durationText does.
    std::int64_t step = 1;
    while (nanoseconds / step >= top)
        step *= 10;
    const std::int64_t rounded = (nanoseconds + step / 2) / step * step;
    if (rounded / step >= top)
        step *= 10;
    // The decimals of a microsecond that the last significant digit reaches.
    int decimals = 3;
    for (std::int64_t s = step; s > 1 && decimals > 0; s /= 10)
        --decimals;
    std::string text = std::to_string(rounded / 1000);
    if (decimals > 0)
        text += ','
            + std::to_string(1000 + rounded % 1000).substr(1, static_cast<std::size_t>(decimals));
    return text;
}

std::string countText(std::int64_t count)
{
    const std::string digits = std::to_string(count);
    if (digits.size() < 5)
        return digits;
    std::string text;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            text += "\u00a0";
        text += digits[i];
    }
    return text;
}

} // namespace form
