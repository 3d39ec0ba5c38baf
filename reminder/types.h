// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

// Value types shared by the reminder cycle and the windows that host it.

// A colour laid out 0x00BBGGRR; with the top bit set, the low byte names a
// system colour of the window system instead.
using Colour = std::uint32_t;

constexpr Colour White = 0x00FFFFFF;
constexpr Colour Green = 0x0000FF00;
constexpr Colour SystemColourFlag = 0x80000000;
constexpr Colour HighlightTextColour = SystemColourFlag | 0x0E;

constexpr bool isSystemColour(Colour c) { return (c & SystemColourFlag) != 0; }

// Check box value: 0 unchecked, 1 checked, 2 greyed; set when not 0.
using CheckValue = std::int16_t;

// Truth value as the window system passes it: true is -1 (all bits set).
using Truth = std::int16_t;
constexpr Truth True = -1;
constexpr Truth False = 0;

// The window system's handle of a top-level window (HWND, X11 window id, ...).
using WindowHandle = std::uintptr_t;
