// SPDX-License-Identifier: MIT
#include "system.h"

std::int32_t Module1::SetWindowPos(WindowHandle hWnd, std::intptr_t hWndInsertAfter, std::int32_t X,
    std::int32_t Y, std::int32_t cx, std::int32_t cy, std::uint32_t wFlags)
{
    return ::SetWindowPos(reinterpret_cast<HWND>(hWnd), reinterpret_cast<HWND>(hWndInsertAfter), X,
               Y, cx, cy, wFlags)
        ? 1
        : 0;
}

void Module1::ShowInView(WindowHandle hWnd)
{
    // SetWindowPos leaves a minimised window minimised. SW_SHOWNOACTIVATE brings
    // it back at its last size and place; activating is left to SetWindowPos.
    const HWND window = reinterpret_cast<HWND>(hWnd);
    if (IsIconic(window))
        ShowWindow(window, SW_SHOWNOACTIVATE);
}

bool Module1::IsActive(WindowHandle hWnd)
{
    return GetForegroundWindow() == reinterpret_cast<HWND>(hWnd);
}

void Module1::AskForAttention(WindowHandle hWnd, bool on)
{
    // The taskbar button flashes until the window comes to the foreground,
    // or until it is told to stop.
    FLASHWINFO flash {};
    flash.cbSize = sizeof flash;
    flash.hwnd = reinterpret_cast<HWND>(hWnd);
    flash.dwFlags = on ? FLASHW_TRAY | FLASHW_TIMERNOFG : FLASHW_STOP;
    FlashWindowEx(&flash);
}
