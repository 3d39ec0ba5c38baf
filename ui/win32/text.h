// SPDX-License-Identifier: MIT
#pragma once

#include "system.h"

#include <string>
#include <string_view>

// Between the program's UTF-8 and the system's UTF-16.
std::wstring widen(std::string_view utf8);
std::string narrow(std::wstring_view utf16);
std::wstring windowText(HWND hwnd);
