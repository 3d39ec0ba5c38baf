// SPDX-License-Identifier: MIT
#include "font.h"

#include "controls.h"
#include "fit.h"
#include "text.h"
#include "textfit.h"

#include <cmath>

namespace {

// The faces Windows gives an East Asian display language's interface, best
// first: Segoe UI, or Tahoma under Wine, has none of their characters.
std::vector<const wchar_t *> interfaceFaces(LANGID language)
{
    switch (PRIMARYLANGID(language)) {
    case LANG_JAPANESE:
        return { L"Yu Gothic UI", L"Meiryo UI", L"MS UI Gothic" };
    case LANG_KOREAN:
        return { L"Malgun Gothic", L"Gulim" };
    case LANG_CHINESE:
        if (SUBLANGID(language) == SUBLANG_CHINESE_SIMPLIFIED
            || SUBLANGID(language) == SUBLANG_CHINESE_SINGAPORE)
            return { L"Microsoft YaHei UI", L"SimSun" };
        return { L"Microsoft JhengHei UI", L"PMingLiU" };
    default:
        return {};
    }
}

// The face's own name as the font mapper gave it, which differs from the one
// asked for when that face is not installed.
std::wstring faceOf(HDC dc, HFONT font)
{
    wchar_t face[LF_FACESIZE] = {};
    HGDIOBJ old = SelectObject(dc, font);
    GetTextFaceW(dc, LF_FACESIZE, face);
    SelectObject(dc, old);
    return face;
}

// The message font's face where it draws every character of the texts;
// otherwise the first installed face of the display language's interface
// that does, as Windows itself shows that language.
void chooseFace(HDC dc, LOGFONTW &font, const std::vector<std::wstring> &texts)
{
    if (Gdi<HFONT> message(CreateFontIndirectW(&font)); drawsEvery(dc, message.get(), texts))
        return;
    for (const wchar_t *face : interfaceFaces(GetUserDefaultUILanguage())) {
        LOGFONTW candidate = font;
        lstrcpynW(candidate.lfFaceName, face, LF_FACESIZE);
        const Gdi<HFONT> made(CreateFontIndirectW(&candidate));
        if (lstrcmpiW(faceOf(dc, made.get()).c_str(), face) == 0
            && drawsEvery(dc, made.get(), texts)) {
            font = candidate;
            return;
        }
    }
}

} // namespace

bool drawsEvery(HDC dc, HFONT font, const std::vector<std::wstring> &texts)
{
    HGDIOBJ old = SelectObject(dc, font);
    bool all = true;
    for (const std::wstring &text : texts) {
        std::vector<WORD> glyphs(text.size());
        GetGlyphIndicesW(
            dc, text.c_str(), int(text.size()), glyphs.data(), GGI_MARK_NONEXISTING_GLYPHS);
        for (std::size_t i = 0; i < text.size(); ++i)
            all = all && (text[i] < L' ' || glyphs[i] != 0xFFFF); // line breaks draw nothing
    }
    SelectObject(dc, old);
    return all;
}

Gdi<HFONT> fittedFont(HWND window, const Layout::Window &layout, UINT dpi)
{
    NONCLIENTMETRICSW metrics {};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi);
    LOGFONTW font = metrics.lfMessageFont;
    const int largest = std::abs(font.lfHeight);
    const int smallest = int(std::lround(Layout::SmallestFontPoints * dpi / 72));
    const std::vector<Layout::ShownText> shown = Layout::textsToFit(layout);
    std::vector<std::wstring> texts;
    for (const Layout::ShownText &t : shown)
        texts.push_back(widen(t.text));
    HDC dc = GetDC(window);
    chooseFace(dc, font, texts);
    Gdi<HFONT> fitted;
    for (int height = largest; height >= smallest; --height) {
        font.lfHeight = -height;
        fitted = Gdi<HFONT>(CreateFontIndirectW(&font));
        bool all = true;
        for (std::size_t i = 0; all && i < shown.size(); ++i)
            all = textFits(item(window, *shown[i].control), fitted.get(), shown[i].control->kind,
                texts[i], dpi);
        if (all)
            break;
    }
    ReleaseDC(window, dc);
    return fitted;
}

void setFonts(HWND window, const Layout::Window &layout, UINT dpi, WindowFonts &fonts)
{
    fonts.fitted = fittedFont(window, layout, dpi);
    fonts.own.clear();
    for (const Layout::Control &c : layout.controls) {
        HFONT font = fonts.fitted.get();
        if (!c.fontFamily.empty()) {
            LOGFONTW own {};
            own.lfHeight = -MulDiv(c.fontPoints, int(dpi), 72);
            own.lfWeight = FW_NORMAL;
            lstrcpynW(own.lfFaceName, widen(c.fontFamily).c_str(), LF_FACESIZE);
            font = fonts.own.emplace_back(CreateFontIndirectW(&own)).get();
        }
        SendMessageW(item(window, c), WM_SETFONT, WPARAM(font), FALSE);
    }
}
