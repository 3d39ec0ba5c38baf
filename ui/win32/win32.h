// SPDX-License-Identifier: MIT
#pragma once

// After our headers: windows.h defines HWND_TOPMOST and friends as macros.
#include "layout.h"
#include "module1.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

// What both Win32 windows share: text conversion, GDI ownership, the
// layout table turned into the system's standard controls at a DPI, the
// fitted font, and the count of open windows that ends the program.

std::wstring widen(std::string_view utf8);
std::string narrow(std::wstring_view utf16);
std::wstring windowText(HWND hwnd);

// Owns one GDI object (a brush or a font) and deletes it once.
template <typename H> class Gdi {
public:
    Gdi() = default;
    explicit Gdi(H handle)
        : m_handle(handle)
    {
    }
    Gdi(Gdi &&other) noexcept { std::swap(m_handle, other.m_handle); }
    Gdi(const Gdi &) = delete;
    Gdi &operator=(const Gdi &) = delete;
    Gdi &operator=(Gdi &&other) noexcept
    {
        std::swap(m_handle, other.m_handle);
        return *this;
    }
    ~Gdi()
    {
        if (m_handle != nullptr)
            DeleteObject(m_handle);
    }
    H get() const { return m_handle; }

private:
    H m_handle = nullptr;
};

inline int twipsToPixels(int twips, UINT dpi)
{
    return MulDiv(twips, static_cast<int>(dpi), Layout::TwipsPerInch);
}

// The layout's controls as standard controls, created in tab order (the z-order
// that Tab follows), each with its Win32 id, in place for this DPI.
void createControls(HWND parent, const Layout::Window &layout, UINT dpi);

// The client area for this DPI, and every control moved to its place there.
void sizeClientArea(HWND window, const Layout::Window &layout, UINT dpi);
void placeControls(HWND window, const Layout::Window &layout, UINT dpi);
// On WM_DPICHANGED: the suggested frame, then the layout at the new DPI, which
// it returns; the caller fits its font to it.
UINT followDpi(HWND window, const Layout::Window &layout, WPARAM wParam, LPARAM lParam);

// The system's message font at this DPI, shrunk until every text of the
// window, including extra ones it will show later, reads in full in its
// control. Its face is the one Windows gives the display language's
// interface where the message font cannot draw the texts.
Gdi<HFONT> fittedFont(HWND window, const Layout::Window &layout, UINT dpi,
    const std::vector<std::pair<std::string_view, std::string>> &later = {});

// Whether the font has a glyph of its own for every character of the texts.
bool drawsEvery(HDC dc, HFONT font, const std::vector<std::wstring> &texts);

// The program ends when the last of its windows is destroyed.
void windowOpened();
void windowClosed();

// A top-level window of ours, not yet shown: the program's icon, a fixed
// frame (a caption, a system menu and a minimise box, no sizing border), Tab
// among its controls, no owner, and mirrored in a right-to-left language.
HWND createTopLevel(const wchar_t *className, HBRUSH background);

// Hands a window's messages to its object from now on, and counts it open.
template <typename T> void attach(HWND hwnd, T *object, WNDPROC windowProc)
{
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(object));
    SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(windowProc));
    windowOpened();
}

// On WM_DRAWITEM: a label made to read from the right (WS_EX_RTLREADING) draws
// its text, wrapped as DrawText wraps it, each line ending at its right edge.
void drawFromTheRight(const DRAWITEMSTRUCT &item);

// Names a control for screen readers where the label does not precede it;
// nameControls names each control that the layout gives a name of its own.
void setAccessibleName(HWND control, std::string_view name);
void nameControls(HWND window, const Layout::Window &layout);
