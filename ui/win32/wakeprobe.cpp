// SPDX-License-Identifier: MIT
#include "wakeprobe.h"

#include "form1.h"
#include "texts.h"

namespace {

constexpr wchar_t ClassName[] = L"Wakeprobe";
constexpr UINT_PTR Timer1 = 1;
constexpr UINT_PTR TimerInterval = 1000;
// Posted once the window is shown: naming controls starts COM, which need
// not hold up the first paint.
constexpr UINT NameControls = WM_APP;

int idOf(std::string_view name) { return Layout::find(Layout::Wakeprobe, name)->id; }

} // namespace

HWND Wakeprobe::open(int showCommand)
{
    static Gdi<HBRUSH> background { CreateSolidBrush(Layout::WakeprobeBackColour) };
    HWND hwnd = createTopLevel(ClassName, background.get());
    if (hwnd == nullptr)
        return nullptr;
    attach(hwnd, new Wakeprobe(hwnd), &Wakeprobe::windowProc);
    ShowWindow(hwnd, showCommand);
    PostMessageW(hwnd, NameControls, 0, 0);
    return hwnd;
}

Wakeprobe::Wakeprobe(HWND hwnd)
    : m_hwnd(hwnd)
    , m_cycle(*this, &Module1::SetTopmostInView, translatedCycleTexts())
{
    const UINT dpi = GetDpiForWindow(m_hwnd);
    createControls(m_hwnd, Layout::Wakeprobe, dpi);
    sizeClientArea(m_hwnd, Layout::Wakeprobe, dpi);
    fitFont(dpi);
    m_cycle.load();
}

void Wakeprobe::fitFont(UINT dpi)
{
    std::vector<std::pair<std::string_view, std::string>> later {
        { "Check2", translated("Wakeprobe", PromptCaption) },
        { "Check1", translatedCycleTexts().running }
    };
    for (std::string &shown : widestCountdowns())
        later.emplace_back("Text1", std::move(shown));
    m_font = fittedFont(m_hwnd, Layout::Wakeprobe, dpi, later);
    for (const Layout::Control &c : Layout::Wakeprobe.controls)
        if (c.name != "Label3")
            SendMessageW(GetDlgItem(m_hwnd, c.id), WM_SETFONT, WPARAM(m_font.get()), FALSE);
}

LRESULT CALLBACK Wakeprobe::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto *window = reinterpret_cast<Wakeprobe *>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (message == WM_NCDESTROY) {
        delete window;
        windowClosed();
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    return window->handle(message, wParam, lParam);
}

LRESULT Wakeprobe::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED) {
            const int id = LOWORD(wParam);
            if (id == idOf("Check1"))
                m_cycle.check1Clicked();
            else if (id == idOf("Command1"))
                Form1::show();
            else if (id == idOf("Command2"))
                DestroyWindow(m_hwnd);
        }
        return 0;
    case NameControls:
        nameControls(m_hwnd, Layout::Wakeprobe);
        return 0;
    case WM_TIMER:
        if (wParam == Timer1)
            timer1Tick();
        return 0;
    case WM_DRAWITEM:
        drawFromTheRight(*reinterpret_cast<const DRAWITEMSTRUCT *>(lParam));
        return TRUE;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        if (HBRUSH brush
            = controlBrush(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam)))
            return reinterpret_cast<LRESULT>(brush);
        break;
    case WM_DPICHANGED:
        // Follow the monitor.
        fitFont(followDpi(m_hwnd, Layout::Wakeprobe, wParam, lParam));
        return 0;
    default:
        break;
    }
    return DefWindowProcW(m_hwnd, message, wParam, lParam);
}

// Check boxes and labels on the system colour for highlighted text, the prompt
// box white or green, each with dark text; text boxes and buttons as the system draws them.
HBRUSH Wakeprobe::controlBrush(HWND child, HDC dc)
{
    const int id = GetDlgCtrlID(child);
    const Layout::Control *c = nullptr;
    for (const Layout::Control &each : Layout::Wakeprobe.controls)
        if (each.id == id)
            c = &each;
    if (c == nullptr || !Layout::onHighlightText(c->kind))
        return nullptr;
    HBRUSH brush = GetSysColorBrush(COLOR_HIGHLIGHTTEXT);
    COLORREF colour = GetSysColor(COLOR_HIGHLIGHTTEXT);
    if (c->name == "Check2" && !isSystemColour(m_check2Colour)) {
        brush = m_check2Colour == Green ? m_green.get() : m_white.get();
        colour = m_check2Colour == Green ? Green : White;
    }
    SetBkColor(dc, colour);
    SetTextColor(dc, IsWindowEnabled(child) ? RGB(0, 0, 0) : GetSysColor(COLOR_GRAYTEXT));
    return brush;
}

void Wakeprobe::timer1Tick()
{
    try {
        m_cycle.timer1Tick();
    } catch (const OverflowError &) {
        // Ending the program here would lose what the user set. Stop, clear
        // the prompt and say why; the settings stay for the user to correct.
        m_cycle.haltAfterOverflow();
        setText1(translated("Wakeprobe", Layout::OverflowMessage));
    }
}

HWND Wakeprobe::control(std::string_view name) const { return GetDlgItem(m_hwnd, idOf(name)); }

std::string Wakeprobe::text2() const { return narrow(windowText(control("Text2"))); }
std::string Wakeprobe::text3() const { return narrow(windowText(control("Text3"))); }
void Wakeprobe::setText1(std::string_view text)
{
    SetWindowTextW(control("Text1"), widen(text).c_str());
}

static CheckValue checkValue(HWND box) { return CheckValue(SendMessageW(box, BM_GETCHECK, 0, 0)); }
static void setCheckValue(HWND box, CheckValue value)
{
    SendMessageW(box, BM_SETCHECK, WPARAM(value), 0);
}

CheckValue Wakeprobe::check1Value() const { return checkValue(control("Check1")); }
void Wakeprobe::setCheck1Value(CheckValue value) { setCheckValue(control("Check1"), value); }
void Wakeprobe::setCheck1Caption(std::string_view caption)
{
    SetWindowTextW(control("Check1"), widen(caption).c_str());
}
CheckValue Wakeprobe::check2Value() const { return checkValue(control("Check2")); }
void Wakeprobe::setCheck2Value(CheckValue value) { setCheckValue(control("Check2"), value); }
void Wakeprobe::setCheck2Caption(std::string_view caption)
{
    // Every prompt tick sets the same caption: only a change is worth a
    // repaint and a new name for screen readers.
    const std::wstring wide = widen(caption);
    if (windowText(control("Check2")) == wide)
        return;
    SetWindowTextW(control("Check2"), wide.c_str());
    // A screen reader announces the prompt itself while there is one.
    setAccessibleName(control("Check2"),
        caption.empty() ? translated("Wakeprobe", Layout::PromptAccessibleName)
                        : std::string(caption));
}
void Wakeprobe::setCheck2Enabled(bool enabled) { EnableWindow(control("Check2"), enabled); }
Colour Wakeprobe::check2BackColour() const { return m_check2Colour; }
void Wakeprobe::setCheck2BackColour(Colour colour)
{
    m_check2Colour = colour;
    InvalidateRect(control("Check2"), nullptr, TRUE);
}
CheckValue Wakeprobe::check3Value() const { return checkValue(control("Check3")); }
CheckValue Wakeprobe::check4Value() const { return checkValue(control("Check4")); }

void Wakeprobe::setTimer1Enabled(bool enabled)
{
    // SetTimer on a running timer would restart its second.
    if (enabled && !m_timerRunning)
        SetTimer(m_hwnd, Timer1, TimerInterval, nullptr);
    else if (!enabled && m_timerRunning)
        KillTimer(m_hwnd, Timer1);
    m_timerRunning = enabled;
}

void Wakeprobe::setTitle(std::string_view title) { SetWindowTextW(m_hwnd, widen(title).c_str()); }
WindowHandle Wakeprobe::hWnd() const { return reinterpret_cast<WindowHandle>(m_hwnd); }
void Wakeprobe::beep() { MessageBeep(MB_OK); }
