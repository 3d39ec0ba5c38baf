// SPDX-License-Identifier: MIT
#pragma once

#include "system.h"

// The layout table turned into the system's standard controls, placed for a
// DPI; in a right-to-left language the window is mirrored by the system.

inline int twipsToPixels(int twips, UINT dpi)
{
    return MulDiv(twips, static_cast<int>(dpi), Layout::TwipsPerInch);
}

inline HWND item(HWND window, const Layout::Control &c) { return GetDlgItem(window, c.id); }

// The control of the layout that has this Win32 id, or nullptr.
const Layout::Control *byId(const Layout::Window &layout, int id);

// The layout's controls as standard controls, created in tab order (the
// z-order that Tab follows), each with its Win32 id, in place for this DPI.
void createControls(HWND parent, const Layout::Window &layout, UINT dpi);

// The client area for this DPI, and every control moved to its place there.
void sizeClientArea(HWND window, const Layout::Window &layout, UINT dpi);
void placeControls(HWND window, const Layout::Window &layout, UINT dpi);
// On WM_DPICHANGED: the suggested frame, then the layout at the new DPI, which
// it returns; the caller fits its font to it.
UINT followDpi(HWND window, const Layout::Window &layout, WPARAM wParam, LPARAM lParam);
