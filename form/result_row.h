// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <string_view>

namespace form {

// One row of a result list: a number's decimal text, kept in the row itself. Copying a row is then
// the same eight bytes in every window. A string's copy is each C++ library's own: a call to
// memcpy in a desktop's, the string's few words in a browser's, and several times apart.
class ResultRow {
public:
    // The longest row: every number of the intervals, and any std::int16_t.
    static constexpr std::size_t capacity = 7;

    constexpr ResultRow() = default;
    // Text longer than a row holds is cut; the stored lists' rows are four digits at most.
    explicit constexpr ResultRow(std::string_view text)
        : size_(static_cast<std::uint8_t>(std::min(text.size(), capacity)))
    {
        std::copy_n(text.begin(), size_, text_.begin());
    }
    explicit ResultRow(std::int16_t number)
    {
        size_ = static_cast<std::uint8_t>(
            std::to_chars(text_.data(), text_.data() + capacity, number).ptr - text_.data());
    }

    constexpr std::string_view text() const { return { text_.data(), size_ }; }
    friend constexpr bool operator==(const ResultRow&, const ResultRow&) = default;

private:
    std::array<char, capacity> text_ {};
    std::uint8_t size_ = 0;
};

} // namespace form
