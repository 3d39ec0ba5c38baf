// SPDX-License-Identifier: MIT
#include "fromtheright.h"

#include "text.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace {

// The text's lines as DrawText's word break makes them: each paragraph broken
// at the blank before the first word that would pass the width.
std::vector<std::wstring> wrappedLines(HDC dc, std::wstring_view text, int width)
{
    std::vector<std::wstring> lines;
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t end = std::min(text.find(L'\n', start), text.size());
        std::wstring line;
        for (std::size_t at = start; at < end;) {
            const std::size_t next = std::min(text.find(L' ', at), end);
            const std::wstring word(text.substr(at, next - at));
            const std::wstring longer = line.empty() ? word : line + L' ' + word;
            SIZE size {};
            GetTextExtentPoint32W(dc, longer.c_str(), int(longer.size()), &size);
            const bool full = size.cx > width && !line.empty();
            if (full)
                lines.push_back(line);
            line = full ? word : longer;
            at = next + 1;
        }
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

} // namespace

RECT fromTheRightRoom(HWND label, UINT dpi)
{
    RECT r {};
    GetClientRect(label, &r);
    const int pixel = MulDiv(1, int(dpi), 96);
    r.top += pixel;
    r.right -= pixel;
    return r;
}

void drawFromTheRight(const DRAWITEMSTRUCT &item)
{
    HWND label = item.hwndItem;
    // In the colours the window gives its labels.
    auto *brush = reinterpret_cast<HBRUSH>(
        SendMessageW(GetParent(label), WM_CTLCOLORSTATIC, WPARAM(item.hDC), LPARAM(label)));
    FillRect(item.hDC, &item.rcItem, brush != nullptr ? brush : GetSysColorBrush(COLOR_BTNFACE));
    const RECT room = fromTheRightRoom(label, GetDpiForWindow(label));
    HGDIOBJ old
        = SelectObject(item.hDC, reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0)));
    SetBkMode(item.hDC, TRANSPARENT);
    // Each line ends at the edge where its shaped text ends: the system
    // places it by its end.
    SetTextAlign(item.hDC, TA_RIGHT | TA_TOP | TA_RTLREADING);
    TEXTMETRICW metrics {};
    GetTextMetricsW(item.hDC, &metrics);
    int y = room.top;
    for (const std::wstring &line :
        wrappedLines(item.hDC, windowText(label), room.right - room.left)) {
        ExtTextOutW(item.hDC, room.right, y, ETO_CLIPPED | ETO_RTLREADING, &item.rcItem,
            line.c_str(), UINT(line.size()), nullptr);
        y += metrics.tmHeight;
    }
    SelectObject(item.hDC, old);
}
