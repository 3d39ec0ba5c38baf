// SPDX-License-Identifier: MIT
#include "x11.h"

#include <QGuiApplication>

#include <algorithm>
#include <cstring>
#include <iterator>

namespace X11 {

xcb_connection_t *connection()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return nullptr;
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 != nullptr ? x11->connection() : nullptr;
}

xcb_window_t rootOf(xcb_connection_t *c)
{
    return xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
}

xcb_atom_t intern(xcb_connection_t *c, const char *name)
{
    const Reply<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(
            c, xcb_intern_atom(c, 0, std::uint16_t(std::strlen(name)), name), nullptr),
        &std::free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

std::vector<std::uint32_t> words(
    xcb_connection_t *c, xcb_window_t window, xcb_atom_t name, xcb_atom_t type, std::uint32_t count)
{
    const Reply<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(c, xcb_get_property(c, 0, window, name, type, 0, count), nullptr),
        &std::free);
    if (!reply || reply->format != 32)
        return {};
    const auto *value = static_cast<const std::uint32_t *>(xcb_get_property_value(reply.get()));
    return { value, value + xcb_get_property_value_length(reply.get()) / 4 };
}

std::optional<std::uint32_t> cardinal(xcb_connection_t *c, xcb_window_t window, xcb_atom_t name)
{
    const std::vector<std::uint32_t> value = words(c, window, name, XCB_ATOM_CARDINAL, 1);
    return value.empty() ? std::nullopt : std::optional(value.front());
}

void setWords(xcb_connection_t *c, xcb_window_t window, xcb_atom_t name, xcb_atom_t type,
    std::vector<std::uint32_t> value)
{
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, name, type, 32,
        std::uint32_t(value.size()), value.data());
}

void askWindowManager(xcb_connection_t *c, xcb_window_t window, xcb_atom_t type,
    std::initializer_list<std::uint32_t> data)
{
    xcb_client_message_event_t event {};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = window;
    event.type = type;
    std::copy(data.begin(), data.end(), std::begin(event.data.data32));
    xcb_send_event(c, 0, rootOf(c),
        XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
        reinterpret_cast<const char *>(&event));
}

} // namespace X11
