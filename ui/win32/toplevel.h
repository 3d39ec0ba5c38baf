// SPDX-License-Identifier: MIT
#pragma once

#include "system.h"

// A top-level window of ours, not yet shown: the program's icon, a fixed
// frame (a caption, a system menu and a minimise box, no sizing border), Tab
// among its controls, no owner, and mirrored in a right-to-left language.
HWND createTopLevel(const wchar_t *className, HBRUSH background);

// The program ends when the last of its windows is destroyed.
void windowOpened();
void windowClosed();

// Hands a window's messages to its object from now on, and counts it open.
template <typename T> void attach(HWND hwnd, T *object, WNDPROC windowProc)
{
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(object));
    SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(windowProc));
    windowOpened();
}
