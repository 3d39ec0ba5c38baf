// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <cstdlib>
#include <initializer_list>
#include <memory>
#include <optional>
#include <vector>
#include <xcb/xcb.h>

// The few X11 requests the window's desktop integration makes. Each asks the
// X server alone, never the window manager, so that a busy window manager
// cannot hold up a tick.
namespace X11 {

template <typename T> using Reply = std::unique_ptr<T, decltype(&std::free)>;

// The X connection, where the program runs on X11: the offscreen and Wayland
// platforms have none to ask.
xcb_connection_t *connection();
xcb_window_t rootOf(xcb_connection_t *c);
xcb_atom_t intern(xcb_connection_t *c, const char *name);

// The first 32-bit words of a property of that type; fewer where it is
// shorter or absent.
std::vector<std::uint32_t> words(xcb_connection_t *c, xcb_window_t window, xcb_atom_t name,
    xcb_atom_t type, std::uint32_t count);
std::optional<std::uint32_t> cardinal(xcb_connection_t *c, xcb_window_t window, xcb_atom_t name);
// Replaces a property that the client owns.
void setWords(xcb_connection_t *c, xcb_window_t window, xcb_atom_t name, xcb_atom_t type,
    std::vector<std::uint32_t> value);

// EWMH: a client asks the window manager to change what it manages with a
// message to the root.
void askWindowManager(xcb_connection_t *c, xcb_window_t window, xcb_atom_t type,
    std::initializer_list<std::uint32_t> data);
// In such a message, the source that says it comes from an ordinary application.
constexpr std::uint32_t FromApplication = 1;

// ICCCM: WM_HINTS is nine 32-bit words, the first of them its flags.
constexpr std::uint32_t WmHintsWords = 9;

} // namespace X11
