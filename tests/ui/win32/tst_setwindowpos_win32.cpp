// SPDX-License-Identifier: MIT
// SetTopmost's Win32 body against a real window: whether the window is in the
// always-on-top band is read back from its extended style.
#include "module1.h"

// After our header: windows.h defines HWND_TOPMOST and friends as macros.
#include <windows.h>

#include <cstdio>

namespace {

int passed = 0, failed = 0;

void check(bool ok, const char *what)
{
    (ok ? passed : failed)++;
    std::printf("%s %s\n", ok ? "ok  " : "FAIL", what);
}

bool topmost(HWND w) { return (GetWindowLongW(w, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

HWND makeWindow()
{
    WNDCLASSW wc {};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"WakeprobeTest";
    RegisterClassW(&wc);
    HWND w = CreateWindowExW(0, wc.lpszClassName, L"Wakeprober", WS_OVERLAPPEDWINDOW, 10, 10, 373,
        331, nullptr, nullptr, wc.hInstance, nullptr);
    ShowWindow(w, SW_SHOW);
    return w;
}

} // namespace

int main()
{
    HWND w = makeWindow();
    const WindowHandle h = reinterpret_cast<WindowHandle>(w);
    RECT before, after;
    GetWindowRect(w, &before);

    check(!topmost(w), "a new window is outside the band");
    check(
        Module1::SetTopmost(h, False) == 0 && !topmost(w), "false outside the band leaves it out");
    check(Module1::SetTopmost(h, True) == 1 && topmost(w), "true enters the band and returns 1");
    check(Module1::SetTopmost(h, True) == 1 && topmost(w), "true twice stays in");
    check(Module1::SetTopmost(h, False) == 0 && !topmost(w), "false leaves it and returns 0");
    Module1::SetTopmost(h, True);
    check(Module1::SetTopmost(h, 1) == 0 && !topmost(w), "1 is not true: leaves it, returns 0");
    GetWindowRect(w, &after);
    check(EqualRect(&before, &after) != 0, "neither moved nor resized");

    // A failing call: with true its result comes back, with false it is 0 all the same.
    const WindowHandle gone = reinterpret_cast<WindowHandle>(w);
    DestroyWindow(w);
    check(Module1::SetTopmost(gone, True) == 0, "true returns the failed call's 0");
    check(Module1::SetTopmost(gone, False) == 0, "false returns 0");

    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
