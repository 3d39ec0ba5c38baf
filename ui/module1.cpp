// SPDX-License-Identifier: MIT
#include "module1.h"

#include <set>

std::int32_t Module1::SetTopmost(const WindowHandle &hWnd, const Truth &on)
{
    constexpr std::uint32_t keepPlaceAndSize = SWP_NOMOVE | SWP_NOSIZE;
    if (on == True)
        return SetWindowPos(hWnd, HWND_TOPMOST, 0, 0, 0, 0, keepPlaceAndSize);
    SetWindowPos(hWnd, HWND_NOTOPMOST, 0, 0, 0, 0, keepPlaceAndSize);
    return 0;
}

std::int32_t Module1::SetTopmostInView(const WindowHandle &hWnd, const Truth &on)
{
    // A window in the band is still unseen while minimised or on another workspace.
    if (on == True)
        ShowInView(hWnd);
    const std::int32_t result = SetTopmost(hWnd, on);
    // A window that wants to be seen asks for attention, not for the keyboard,
    // while the user works elsewhere, and stops asking once it leaves the band
    // or is in use. A window that never asked is not told to stop.
    static std::set<WindowHandle> asking;
    if (on == True && !IsActive(hWnd)) {
        AskForAttention(hWnd, true);
        asking.insert(hWnd);
    } else if (asking.erase(hWnd) != 0) {
        AskForAttention(hWnd, false);
    }
    return result;
}
