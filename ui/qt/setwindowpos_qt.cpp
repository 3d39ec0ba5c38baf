// SPDX-License-Identifier: MIT
#include "desktop.h"
#include "module1.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

// Outside Windows the band is Qt's stays-on-top flag. On X11 it becomes the
// EWMH _NET_WM_STATE_ABOVE state, which the window manager applies to the
// mapped window: no unmap, no new window, no flicker.
std::int32_t Module1::SetWindowPos(WindowHandle hWnd, std::intptr_t hWndInsertAfter, std::int32_t,
    std::int32_t, std::int32_t, std::int32_t, std::uint32_t)
{
    QWidget *window = QWidget::find(static_cast<WId>(hWnd));
    if (window == nullptr || window->windowHandle() == nullptr)
        return 0;
    if (hWndInsertAfter != HWND_TOPMOST && hWndInsertAfter != HWND_NOTOPMOST)
        return 0;

    const bool on = hWndInsertAfter == HWND_TOPMOST;
    // A window brought back from the iconic state takes no focus while it
    // prompts; released, it takes it as any other.
    if (!on)
        returnFocus(window);
    // A window outside the band stays where it is in the stacking order: the
    // call that releases a window changes nothing on one that is not held.
    if (!on && !window->windowFlags().testFlag(Qt::WindowStaysOnTopHint))
        return 1;

    const Qt::WindowFlags flags = window->windowFlags().setFlag(Qt::WindowStaysOnTopHint, on);
    // QWidget::setWindowFlags() would re-create the native window (a new id,
    // an unmap and a map); telling the widget and its QWindow separately keeps
    // the mapped window and only changes its state.
    window->overrideWindowFlags(flags);
    window->windowHandle()->setFlags(flags);

    // Off the offscreen platform only: there raise() merely warns.
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) {
        // Joining the band, on top of it; leaving it, on top of the ordinary
        // windows, as HWND_NOTOPMOST does, instead of just below the active one.
        // Never an activation request: the keyboard stays with whatever the
        // user is typing into.
        window->raise();
    }
    return 1;
}

bool Module1::IsActive(WindowHandle hWnd)
{
    const QWidget *window = QWidget::find(static_cast<WId>(hWnd));
    return window != nullptr && window->isActiveWindow();
}

void Module1::AskForAttention(WindowHandle hWnd, bool on)
{
    QWidget *window = QWidget::find(static_cast<WId>(hWnd));
    // The offscreen platform has nobody to ask.
    if (window != nullptr && window->windowHandle() != nullptr
        && QGuiApplication::platformName() != QLatin1String("offscreen"))
        setDemandsAttention(window->windowHandle(), on);
}
