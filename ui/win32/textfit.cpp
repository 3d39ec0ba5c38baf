// SPDX-License-Identifier: MIT
#include "textfit.h"

#include "fit.h"
#include "fromtheright.h"

bool textFits(HWND control, HFONT font, Layout::Kind kind, std::wstring_view text, UINT dpi)
{
    HDC dc = GetDC(control);
    HGDIOBJ old = SelectObject(dc, font);
    RECT room {};
    GetClientRect(control, &room);
    const auto px = [dpi](int at96) { return MulDiv(at96, int(dpi), 96); };
    switch (kind) {
    case Layout::Kind::CheckBox: {
        INT digit = 0;
        GetCharWidth32W(dc, L'0', L'0', &digit);
        room.left += GetSystemMetricsForDpi(SM_CXMENUCHECK, dpi) + digit / 2;
        room.right -= px(2);
        break;
    }
    case Layout::Kind::TextBox:
    case Layout::Kind::CommandButton:
        InflateRect(&room, -px(Layout::CaptionMarginX), -px(Layout::CaptionMarginY));
        break;
    case Layout::Kind::Label:
        if ((GetWindowLongPtrW(control, GWL_EXSTYLE) & WS_EX_RTLREADING) != 0)
            room = fromTheRightRoom(control, dpi);
        break;
    }
    RECT needed { 0, 0, room.right - room.left, 0 };
    DrawTextW(dc, text.data(), int(text.size()), &needed,
        DT_CALCRECT | DT_NOPREFIX | (Layout::wraps(kind) ? DT_WORDBREAK : DT_SINGLELINE));
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return needed.right <= room.right - room.left && needed.bottom <= room.bottom - room.top;
}
