// SPDX-License-Identifier: MIT
#include "wakeprobe.h"

#include "accessibility.h"
#include "form1.h"
#include "fromtheright.h"
#include "text.h"
#include "toplevel.h"
#include "translated.h"

namespace {

constexpr wchar_t ClassName[] = L"Wakeprobe";
constexpr UINT_PTR Timer1 = 1;
constexpr UINT_PTR TimerInterval = 1000;
// Posted once the window is shown: naming controls starts COM, which need
// not hold up the first paint.
constexpr UINT NameControls = WM_APP;

int idOf(Layout::Main c) { return Layout::control(c).id; }

} // namespace

HWND Wakeprobe::open(int showCommand)
{
    // The background is painted on WM_ERASEBKGND, in the colours of the moment.
    HWND hwnd = createTopLevel(ClassName, nullptr);
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
    setFonts(m_hwnd, Layout::Wakeprobe, dpi, m_fonts);
    m_cycle.load();
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
            if (id == idOf(Layout::Main::Check1))
                m_cycle.check1Clicked();
            else if (id == idOf(Layout::Main::Command1))
                Form1::show();
            else if (id == idOf(Layout::Main::Command2))
                DestroyWindow(m_hwnd);
        }
        return 0;
    case NameControls:
        nameControls(m_hwnd, Layout::Wakeprobe);
        return 0;
    case WM_TIMER:
        if (wParam == Timer1)
            m_cycle.timer1TickOrHalt();
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
    case WM_ERASEBKGND:
        m_painter.window(reinterpret_cast<HDC>(wParam), m_hwnd, Colours::Surface::MainWindow);
        return 1;
    case WM_SYSCOLORCHANGE:
    case WM_SETTINGCHANGE: // high contrast turned on or off
        m_painter.forget();
        InvalidateRect(m_hwnd, nullptr, TRUE);
        break;
    case WM_DPICHANGED:
        // Follow the monitor.
        setFonts(m_hwnd, Layout::Wakeprobe, followDpi(m_hwnd, Layout::Wakeprobe, wParam, lParam),
            m_fonts);
        return 0;
    default:
        break;
    }
    return DefWindowProcW(m_hwnd, message, wParam, lParam);
}

// Check boxes and labels, the prompt box in the colour the cycle gave it;
// text boxes and buttons as the system draws them.
HBRUSH Wakeprobe::controlBrush(HWND child, HDC dc)
{
    const Layout::Control *c = byId(Layout::Wakeprobe, GetDlgCtrlID(child));
    if (c == nullptr || !Layout::onHighlightText(c->kind))
        return nullptr;
    return m_painter.control(dc, child,
        c == &Layout::control(Layout::Main::Check2) ? Colours::promptSurface(check2BackColour())
                                                    : Colours::Surface::Caption);
}

std::string Wakeprobe::text2() const { return narrow(windowText(control(Layout::Main::Text2))); }
std::string Wakeprobe::text3() const { return narrow(windowText(control(Layout::Main::Text3))); }
void Wakeprobe::setText1(std::string_view text)
{
    SetWindowTextW(control(Layout::Main::Text1), widen(text).c_str());
}

static CheckValue checkValue(HWND box) { return CheckValue(SendMessageW(box, BM_GETCHECK, 0, 0)); }
static void setCheckValue(HWND box, CheckValue value)
{
    SendMessageW(box, BM_SETCHECK, WPARAM(value), 0);
}

CheckValue Wakeprobe::check1Value() const { return checkValue(control(Layout::Main::Check1)); }
void Wakeprobe::setCheck1Value(CheckValue value)
{
    setCheckValue(control(Layout::Main::Check1), value);
}
void Wakeprobe::setCheck1Caption(std::string_view caption)
{
    SetWindowTextW(control(Layout::Main::Check1), widen(caption).c_str());
}
CheckValue Wakeprobe::check2Value() const { return checkValue(control(Layout::Main::Check2)); }
void Wakeprobe::setCheck2Value(CheckValue value)
{
    setCheckValue(control(Layout::Main::Check2), value);
}
void Wakeprobe::setCheck2Caption(std::string_view caption)
{
    SetWindowTextW(control(Layout::Main::Check2), widen(caption).c_str());
}
void Wakeprobe::setCheck2AccessibleName(std::string_view name)
{
    setAccessibleName(control(Layout::Main::Check2), name);
}
void Wakeprobe::setCheck2Enabled(bool enabled)
{
    EnableWindow(control(Layout::Main::Check2), enabled);
}
void Wakeprobe::paintCheck2(Colour)
{
    InvalidateRect(control(Layout::Main::Check2), nullptr, TRUE);
}
CheckValue Wakeprobe::check3Value() const { return checkValue(control(Layout::Main::Check3)); }
CheckValue Wakeprobe::check4Value() const { return checkValue(control(Layout::Main::Check4)); }

void Wakeprobe::runTimer1(bool running)
{
    if (running)
        SetTimer(m_hwnd, Timer1, TimerInterval, nullptr);
    else
        KillTimer(m_hwnd, Timer1);
}

void Wakeprobe::setTitle(std::string_view title) { SetWindowTextW(m_hwnd, widen(title).c_str()); }
WindowHandle Wakeprobe::hWnd() const { return reinterpret_cast<WindowHandle>(m_hwnd); }
void Wakeprobe::beep() { MessageBeep(MB_OK); }
