// SPDX-License-Identifier: MIT
#include "paint.h"

#include "controls.h"

namespace {

bool highContrast()
{
    HIGHCONTRASTW contrast {};
    contrast.cbSize = sizeof contrast;
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0)
        && (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

// GetSysColor gives 0x00BBGGRR, the layout's own form.
Colour systemColour(Colours::System s) { return GetSysColor(int(s)); }

} // namespace

HBRUSH Painter::brush(Colour colour)
{
    auto [at, made] = m_brushes.try_emplace(colour);
    if (made)
        at->second = Gdi<HBRUSH>(CreateSolidBrush(colour));
    return at->second.get();
}

HBRUSH Painter::control(HDC dc, HWND control, Colours::Surface surface)
{
    const Colours::Pair pair = Colours::of(surface, highContrast(), systemColour);
    SetBkColor(dc, pair.back);
    SetTextColor(dc, IsWindowEnabled(control) ? pair.text : Colours::disabledText(systemColour));
    return brush(pair.back);
}

void Painter::window(HDC dc, HWND window, Colours::Surface surface)
{
    RECT client {};
    GetClientRect(window, &client);
    FillRect(dc, &client, brush(Colours::of(surface, highContrast(), systemColour).back));
}
