// SPDX-License-Identifier: MIT
#include "module1.h"

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
    return SetTopmost(hWnd, on);
}
