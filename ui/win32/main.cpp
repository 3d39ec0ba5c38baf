// SPDX-License-Identifier: MIT
#include "wakeprobe.h"

#include <commctrl.h>

// Starts the main window and runs the message loop until the last window of
// the program is gone. Tab, Shift+Tab, Space and Enter move and press within
// whichever of our windows the message is for, as in a dialog box.
int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand)
{
    INITCOMMONCONTROLSEX controls {};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_STANDARD_CLASSES;
    InitCommonControlsEx(&controls);

    if (Wakeprobe::open(showCommand) == nullptr)
        return 1;
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        HWND window = GetAncestor(msg.hwnd, GA_ROOT);
        if (window != nullptr && IsDialogMessageW(window, &msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return int(msg.wParam);
}
