// SPDX-License-Identifier: MIT
#pragma once

#include "types.h"

#include <cstdint>

// Moving the main window into and out of the always-on-top band: the one place
// where the program talks to the window system's stacking directly.
namespace Module1 {

constexpr std::intptr_t HWND_TOPMOST = -1;
constexpr std::intptr_t HWND_NOTOPMOST = -2;
constexpr std::uint32_t SWP_NOSIZE = 1;
constexpr std::uint32_t SWP_NOMOVE = 2;

// The window system's SetWindowPos. Only the calls SetTopmost makes are
// supported; each window system has its own body, chosen at build time.
// Returns non-zero on success.
std::int32_t SetWindowPos(WindowHandle hWnd, std::intptr_t hWndInsertAfter, std::int32_t X,
    std::int32_t Y, std::int32_t cx, std::int32_t cy, std::uint32_t wFlags);

// With on exactly True, joins the band and returns SetWindowPos's result;
// with any other value, leaves it and returns 0.
std::int32_t SetTopmost(const WindowHandle &hWnd, const Truth &on);

// Brings a window that is minimised, or on a workspace that is not shown, back
// to where the user is looking, keeping its size and place. Each window system
// has its own body; where it cannot, it leaves the window as it is.
void ShowInView(WindowHandle hWnd);

// Whether the user is using the window: it is the one in the foreground.
bool IsActive(WindowHandle hWnd);

// Marks the window as asking for the user's attention, as a taskbar or pager
// shows it, or no longer; never asks for the keyboard.
void AskForAttention(WindowHandle hWnd, bool on);

// What a prompt asks of the window: with on exactly True it is first shown in
// view, then joins the band, and asks for attention unless it is in use;
// otherwise it leaves the band and stops asking.
std::int32_t SetTopmostInView(const WindowHandle &hWnd, const Truth &on);

} // namespace Module1
