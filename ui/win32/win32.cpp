// SPDX-License-Identifier: MIT
#include "win32.h"

#include "textfit.h"
#include "texts.h"

#include <commctrl.h>
#include <initguid.h> // after windows.h: defines the accessibility GUIDs here
#include <oleacc.h>

#include <algorithm>

std::wstring widen(std::string_view utf8)
{
    const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), nullptr, 0);
    std::wstring out(std::size_t(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), out.data(), n);
    return out;
}

std::string narrow(std::wstring_view utf16)
{
    const int n = WideCharToMultiByte(
        CP_UTF8, 0, utf16.data(), int(utf16.size()), nullptr, 0, nullptr, nullptr);
    std::string out(std::size_t(n), '\0');
    WideCharToMultiByte(
        CP_UTF8, 0, utf16.data(), int(utf16.size()), out.data(), n, nullptr, nullptr);
    return out;
}

std::wstring windowText(HWND hwnd)
{
    std::wstring text(std::size_t(GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(std::size_t(GetWindowTextW(hwnd, text.data(), int(text.size()))));
    return text;
}

namespace {

struct ControlClass {
    const wchar_t *name;
    DWORD style;
    DWORD exStyle;
};

ControlClass controlClass(Layout::Kind kind)
{
    switch (kind) {
    case Layout::Kind::CheckBox:
        // The whole rectangle takes the click; the caption wraps within it.
        return { WC_BUTTONW, BS_AUTOCHECKBOX | BS_MULTILINE | BS_VCENTER | WS_TABSTOP, 0 };
    case Layout::Kind::TextBox:
        return { WC_EDITW, ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE };
    case Layout::Kind::Label:
        return { WC_STATICW, SS_LEFT | SS_NOPREFIX, 0 };
    case Layout::Kind::CommandButton:
        return { WC_BUTTONW, BS_PUSHBUTTON | WS_TABSTOP, 0 };
    }
    return {};
}

int windowCount = 0;

// The system mirrors a window made with WS_EX_LAYOUTRTL: its children's x is
// measured from the right, and a child that inherits the style is drawn
// mirrored too (a check box with its box on the right). The table's places
// are mirrored there once, by the system.
Layout::Rect placeIn(HWND window, const Layout::Window &layout, const Layout::Control &c)
{
    const bool mirrored = (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_LAYOUTRTL) != 0;
    return Layout::place(layout, c,
        mirrored ? Layout::Direction::RightToLeft : Layout::Direction::LeftToRight,
        Layout::Origin::ReadingStart);
}

} // namespace

void createControls(HWND parent, const Layout::Window &layout, UINT dpi)
{
    for (const Layout::Control &c : layout.controls) {
        const ControlClass cls = controlClass(c.kind);
        DWORD style = WS_CHILD | cls.style;
        if (c.visible)
            style |= WS_VISIBLE;
        if (!c.enabled)
            style |= WS_DISABLED;
        // Made where they belong: moving them afterwards costs each a round of messages.
        const auto [left, top, width, height] = placeIn(parent, layout, c);
        // In a mirrored window the text boxes and labels are made unmirrored,
        // right-aligned and reading from the right by their own styles: the
        // reading order a mirrored control's text gets from the mirroring is
        // not what every system gives it (under Wine a typed 0.05 shows as 05.0).
        const bool readsFromTheRight
            = (GetWindowLongPtrW(parent, GWL_EXSTYLE) & WS_EX_LAYOUTRTL) != 0
            && (c.kind == Layout::Kind::TextBox || c.kind == Layout::Kind::Label);
        DWORD exStyle = cls.exStyle;
        if (readsFromTheRight) {
            exStyle |= WS_EX_RIGHT | WS_EX_RTLREADING;
            if (c.kind == Layout::Kind::Label)
                style = (style & ~DWORD(SS_LEFT)) | SS_RIGHT;
        }
        HWND hwnd = CreateWindowExW(exStyle, cls.name,
            widen(translated(layout.name, c.text)).c_str(), style, twipsToPixels(left, dpi),
            twipsToPixels(top, dpi), twipsToPixels(width, dpi), twipsToPixels(height, dpi), parent,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)), GetModuleHandleW(nullptr),
            nullptr);
        if (readsFromTheRight) // placed by the mirrored parent all the same
            SetWindowLongPtrW(
                hwnd, GWL_EXSTYLE, GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & ~WS_EX_LAYOUTRTL);
        if (c.checked)
            SendMessageW(hwnd, BM_SETCHECK, BST_CHECKED, 0);
    }
}

void sizeClientArea(HWND window, const Layout::Window &layout, UINT dpi)
{
    RECT frame { 0, 0, twipsToPixels(layout.widthTwips, dpi),
        twipsToPixels(layout.heightTwips, dpi) };
    const auto style = DWORD(GetWindowLongPtrW(window, GWL_STYLE));
    const auto exStyle = DWORD(GetWindowLongPtrW(window, GWL_EXSTYLE));
    AdjustWindowRectExForDpi(&frame, style, FALSE, exStyle, dpi);
    SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
        SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void placeControls(HWND window, const Layout::Window &layout, UINT dpi)
{
    for (const Layout::Control &c : layout.controls) {
        const auto [left, top, width, height] = placeIn(window, layout, c);
        SetWindowPos(GetDlgItem(window, c.id), nullptr, twipsToPixels(left, dpi),
            twipsToPixels(top, dpi), twipsToPixels(width, dpi), twipsToPixels(height, dpi),
            SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

UINT followDpi(HWND window, const Layout::Window &layout, WPARAM wParam, LPARAM lParam)
{
    const UINT dpi = HIWORD(wParam);
    const auto *frame = reinterpret_cast<const RECT *>(lParam);
    SetWindowPos(window, nullptr, frame->left, frame->top, frame->right - frame->left,
        frame->bottom - frame->top, SWP_NOZORDER | SWP_NOACTIVATE);
    sizeClientArea(window, layout, dpi);
    placeControls(window, layout, dpi);
    // Repainted, controls and all, once the caller has set the new font.
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    return dpi;
}

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

Gdi<HFONT> fittedFont(HWND window, const Layout::Window &layout, UINT dpi,
    const std::vector<std::pair<std::string_view, std::string>> &later)
{
    NONCLIENTMETRICSW metrics {};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi);
    LOGFONTW font = metrics.lfMessageFont;
    const int largest = std::abs(font.lfHeight);
    const int smallest = MulDiv(8, int(dpi), 96); // 6 points: smaller is not read
    HDC dc = GetDC(window);
    std::vector<std::wstring> texts;
    for (const Layout::Control &c : layout.controls)
        if (c.visible)
            texts.push_back(windowText(GetDlgItem(window, c.id)));
    for (const auto &[name, text] : later)
        texts.push_back(widen(text));
    chooseFace(dc, font, texts);
    Gdi<HFONT> fitted;
    for (int height = largest; height >= smallest; --height) {
        font.lfHeight = -height;
        fitted = Gdi<HFONT>(CreateFontIndirectW(&font));
        bool all = true;
        for (const Layout::Control &c : layout.controls) {
            HWND control = GetDlgItem(window, c.id);
            if (c.visible)
                all = all && textFits(control, fitted.get(), c.kind, windowText(control), dpi);
        }
        for (const auto &[name, text] : later) {
            const Layout::Control *c = Layout::find(layout, name);
            all = all
                && textFits(GetDlgItem(window, c->id), fitted.get(), c->kind, widen(text), dpi);
        }
        if (all)
            break;
    }
    ReleaseDC(window, dc);
    return fitted;
}

HWND createTopLevel(const wchar_t *className, HBRUSH background)
{
    WNDCLASSEXW wc {};
    wc.cbSize = sizeof wc;
    // The window procedure is the object's, set once the object is attached.
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hIcon = LoadIconW(wc.hInstance, MAKEINTRESOURCEW(1));
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = background;
    wc.lpszClassName = className;
    RegisterClassExW(&wc);
    constexpr DWORD fixedFrame = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    // The language's string table says whether the window reads from the right.
    const DWORD mirrored
        = readingDirection() == Layout::Direction::RightToLeft ? WS_EX_LAYOUTRTL : 0;
    return CreateWindowExW(WS_EX_CONTROLPARENT | mirrored, className, L"", fixedFrame,
        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, wc.hInstance,
        nullptr);
}

namespace {

// Dynamic annotation: the documented way to name a standard control that has
// no label just before it. COM is started on the first use, once the window
// is on the screen, and the service kept for the life of the program.
IAccPropServices *annotation()
{
    static IAccPropServices *const services = [] {
        IAccPropServices *s = nullptr;
        if (SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)))
            CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                IID_IAccPropServices, reinterpret_cast<void **>(&s));
        return s;
    }();
    return services;
}

} // namespace

void setAccessibleName(HWND control, std::string_view name)
{
    if (IAccPropServices *services = annotation())
        services->SetHwndPropStr(
            control, DWORD(OBJID_CLIENT), CHILDID_SELF, PROPID_ACC_NAME, widen(name).c_str());
}

void nameControls(HWND window, const Layout::Window &layout)
{
    for (const Layout::Control &c : layout.controls)
        if (!c.accessibleName.empty())
            setAccessibleName(GetDlgItem(window, c.id), translated(layout.name, c.accessibleName));
}

void readAsMade(HWND control, HDC dc)
{
    if ((GetWindowLongPtrW(control, GWL_EXSTYLE) & WS_EX_RTLREADING) != 0)
        SetTextAlign(dc, GetTextAlign(dc) | TA_RTLREADING);
}

void windowOpened() { ++windowCount; }

void windowClosed()
{
    if (--windowCount == 0)
        PostQuitMessage(0);
}
