// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The form's texts are UTF-8; Windows' wide API takes UTF-16. Converted here, at the edge, and
// nowhere else.

#include <string>
#include <string_view>

namespace win32 {

std::wstring wide(std::string_view utf8);
std::string utf8(std::wstring_view wide);

} // namespace win32
