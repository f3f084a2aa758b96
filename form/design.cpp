// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "design.h"

#include "app_info.h"
#include "stored_primes.h"

#include <string_view>

namespace form {

const ControlRow* rowOf(ControlId id)
{
    for (const ControlRow& row : design) {
        if (row.name == id.name && row.index == id.index)
            return &row;
    }
    for (const ControlRow& row : timeDesign) {
        if (row.name == id.name && row.index == id.index)
            return &row;
    }
    return nullptr;
}

std::string designName(const ControlRow& row)
{
    constexpr const char* names[] = { "Text1", "Label1", "List1", "List2", "Frame1", "Frame2",
        "Option1", "Option2", "Label2" };
    std::string name = names[static_cast<std::size_t>(row.name)];
    if (row.name == Name::Frame1 || row.name == Name::Frame2)
        return name;
    return name + '(' + std::to_string(row.index) + ')';
}

std::span<const char* const> initialRows(const ControlRow& row)
{
    if (row.name != Name::List2)
        return {};
    return primes::storedPrimes(static_cast<std::size_t>(row.index));
}

std::string windowTitle()
{
    std::string_view host = appinfo::homepage;
    if (const auto scheme = host.find("://"); scheme != std::string_view::npos)
        host.remove_prefix(scheme + 3);
    host = host.substr(0, host.find('/'));
    return std::string(host) + texts::titleSeparator + texts::windowTitleEnd;
}

} // namespace form
