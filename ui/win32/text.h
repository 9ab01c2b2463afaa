// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The game speaks UTF-8; Windows' wide functions take UTF-16.
#pragma once

#include <string>
#include <string_view>

namespace vorn::win32 {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

// Line ends as Windows' edit controls and message boxes want them: "\n" becomes "\r\n".
std::wstring WithCrLf(std::wstring_view text);

}  // namespace vorn::win32
