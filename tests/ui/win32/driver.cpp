// SPDX-License-Identifier: MIT
// Drives the Windows program from a second process, as Windows automation
// does: finds the main window by its title, reads its controls by id
// (WM_GETTEXT, BM_GETCHECK, IsWindowEnabled, WS_EX_TOPMOST) and clicks them
// (BM_CLICK). What only the window system shows (the X bell, the X window's
// state, pixels) it asks of the Linux side: it writes "? QUESTION" and reads
// "ok" or "no: WHY" back.
//   driver cycle   the state at start, short cycles tick by tick, the reset by
//                  click, a pause, the overflow, Tab and Space from the keyboard,
//                  Help twice and Exit with help open
//   driver scale   the running program's client area and controls at its DPI
//   driver fit D   the real windows built in this process: every caption fits,
//                  in a font that has all its characters, every control in
//                  place, mirrored where D is rtl
//   driver contrast  likewise: every caption reads on its background, also
//                  on both colours of the prompt
#include "colours.h"
#include "fit.h"
#include "font.h"
#include "form1.h"
#include "layout.h"
#include "text.h"
#include "textfit.h"
#include "translated.h"
#include "wakeprobe.h"

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>

namespace {

int passed = 0, failed = 0;
HWND mainWindow = nullptr;

void check(bool ok, const std::string &what)
{
    (ok ? passed : failed)++;
    std::printf("%s %s\n", ok ? "ok  " : "FAIL", what.c_str());
    std::fflush(stdout);
}

// A question for the Linux side; its answer is a check of ours.
void ask(const std::string &question)
{
    std::printf("? %s\n", question.c_str());
    std::fflush(stdout);
    std::string answer;
    std::getline(std::cin, answer);
    check(answer == "ok", question + (answer == "ok" ? "" : " (" + answer + ")"));
}

// An action of the Linux side (a key, a screenshot): only a failure is a check.
void act(const std::string &action)
{
    std::printf("? %s\n", action.c_str());
    std::fflush(stdout);
    std::string answer;
    std::getline(std::cin, answer);
    if (answer != "ok")
        check(false, action + " (" + answer + ")");
}

// A driver finds a control by its name, as a user's automation tool does.
int idOf(const Layout::Window &layout, std::string_view name)
{
    for (const Layout::Control &c : layout.controls)
        if (c.name == name)
            return c.id;
    return 0;
}

HWND item(std::string_view name) { return GetDlgItem(mainWindow, idOf(Layout::Wakeprobe, name)); }

std::string text(HWND control)
{
    wchar_t buffer[256] = {};
    SendMessageW(control, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(buffer));
    return narrow(buffer);
}

int checked(std::string_view name) { return int(SendMessageW(item(name), BM_GETCHECK, 0, 0)); }
bool enabled(std::string_view name) { return IsWindowEnabled(item(name)) != FALSE; }
bool topmost() { return (GetWindowLongPtrW(mainWindow, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }
void click(HWND control) { SendMessageW(control, BM_CLICK, 0, 0); }
void type(std::string_view name, std::string_view value)
{
    SendMessageW(item(name), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(widen(value).c_str()));
}

template <typename P> bool waitFor(P predicate, DWORD ms = 2500)
{
    for (const DWORD end = GetTickCount() + ms; GetTickCount() < end; Sleep(5))
        if (predicate())
            return true;
    return predicate();
}

std::string nextText1(const std::string &after)
{
    waitFor([&] { return text(item("Text1")) != after; });
    return text(item("Text1"));
}

const std::string Prefix = "Seconds to next Check ";

struct Tick {
    const char *shown; // after the prefix
    bool prompting; // the prompt box enabled and captioned after the tick
    const char *colour; // of the prompt box after the tick
    int bells; // in all, since the start
};

// Interval 0.05 (3 counting ticks) and limit 2 (3 prompt ticks), beep on.
void shortCycle(const Tick (&ticks)[6], std::string &shown)
{
    for (const Tick &t : ticks) {
        shown = nextText1(shown);
        const std::string at = "tick \"" + std::string(t.shown) + "\": ";
        check(shown == Prefix + t.shown, at + "the countdown reads \"" + shown + "\"");
        check(enabled("Check2") == t.prompting, at + "the prompt box enabled only while prompting");
        check(text(item("Check2")) == (t.prompting ? PromptCaption : ""),
            at + "its caption: \"" + text(item("Check2")) + "\"");
        check(topmost() == t.prompting, at + "WS_EX_TOPMOST only while prompting");
        ask("above " + std::to_string(t.prompting));
        ask("colour 86 98 " + std::string(t.colour));
        ask("bells " + std::to_string(t.bells));
    }
}

int cycle()
{
    check(text(mainWindow) == "Wakeprober", "titled Wakeprober");
    for (const Layout::Control &c : Layout::Wakeprobe.controls)
        if (c.kind != Layout::Kind::Label)
            check(text(item(c.name)) == c.text && enabled(c.name) == c.enabled
                    && (c.kind != Layout::Kind::CheckBox || checked(c.name) == int(c.checked)),
                "at start " + std::string(c.name) + " reads \"" + text(item(c.name)) + "\"");
    check(!topmost(), "not topmost at start");
    ask("colour 86 98 FFFFFF");
    act("shot main-window");

    type("Text2", "0.05");
    type("Text3", "2");
    click(item("Check3"));
    click(item("Check1"));
    check(text(item("Check1")) == "Stop Wakeprobe", "Start ticked: captioned Stop Wakeprobe");
    std::string shown;
    const Tick unattended[6] = { { " 2", false, "FFFFFF", 0 }, { " 1", false, "FFFFFF", 0 },
        { " 0", false, "FFFFFF", 0 }, { "-1", true, "00FF00", 1 }, { "-2", true, "FFFFFF", 2 },
        { "-3", false, "FFFFFF", 3 } };
    shortCycle(unattended, shown);

    // A click on the prompt box: one more prompt tick, then the reset.
    for (int i = 0; i < 4; ++i)
        shown = nextText1(shown);
    check(shown == Prefix + "-1" && enabled("Check2"), "the second cycle prompts");
    click(item("Check2"));
    check(checked("Check2") == 1, "a click ticks the prompt box");
    shown = nextText1(shown);
    check(shown == Prefix + "-2", "the click's tick is still a prompt tick: " + shown);
    check(!enabled("Check2") && checked("Check2") == 0 && !topmost(), "then the reset");
    ask("bells 5");

    // A pause during a prompt keeps the prompt; the next tick carries on.
    for (int i = 0; i < 4; ++i)
        shown = nextText1(shown);
    click(item("Check1"));
    check(text(item("Check1")) == "Start Wakeprobe", "paused during a prompt");
    Sleep(1500);
    check(text(item("Text1")) == shown && enabled("Check2") && topmost(),
        "paused: no tick, the prompt and the band stay");
    click(item("Check1"));
    shown = nextText1(shown);
    check(shown == Prefix + "-2", "started again, the prompt goes on: " + shown);

    // Without the beep no bell rings. Minimised, the prompt restores the window
    // at its size and place, into the band.
    click(item("Check3"));
    shown = nextText1(shown);
    RECT placed {}, now {};
    GetWindowRect(mainWindow, &placed);
    ShowWindow(mainWindow, SW_MINIMIZE);
    check(waitFor([] { return IsIconic(mainWindow) != FALSE; }), "minimised from outside");
    for (int i = 0; i < 4; ++i)
        shown = nextText1(shown);
    GetWindowRect(mainWindow, &now);
    check(shown == Prefix + "-1" && !IsIconic(mainWindow) && topmost(),
        "the prompt restores a minimised window into the band: " + shown);
    check(EqualRect(&placed, &now), "at its size and place");
    for (int i = 0; i < 2; ++i)
        shown = nextText1(shown);
    check(shown == Prefix + "-3", "a cycle with the beep off: " + shown);
    ask("bells 7");

    // With "Window to front" unticked a minimised window stays minimised.
    click(item("Check4"));
    ShowWindow(mainWindow, SW_MINIMIZE);
    waitFor([] { return IsIconic(mainWindow) != FALSE; });
    for (int i = 0; i < 5; ++i)
        shown = nextText1(shown);
    check(shown == Prefix + "-2" && IsIconic(mainWindow) && !topmost(),
        "without Window to front the prompt leaves it minimised: " + shown);
    click(item("Check4"));
    ShowWindow(mainWindow, SW_RESTORE);
    check(waitFor([] { return IsIconic(mainWindow) == FALSE; }), "restored from outside");

    // An interval too large pauses with a message and clears the prompt.
    type("Text2", "1e308");
    shown = nextText1(shown);
    check(shown == std::string(OverflowMessage), "the overflow message: " + shown);
    check(checked("Check1") == 0 && text(item("Check1")) == "Start Wakeprobe" && !enabled("Check2")
            && !topmost(),
        "the overflow pauses and clears the prompt");
    return 0;
}

HWND focused()
{
    GUITHREADINFO info {};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(mainWindow, nullptr), &info);
    return info.hwndFocus;
}

std::string focusedName()
{
    for (const Layout::Control &c : Layout::Wakeprobe.controls)
        if (item(c.name) == focused())
            return std::string(c.name);
    return "nothing";
}

// Keys sent from the X side reach the program in their own time: each read
// waits, with a deadline, for what the key is to change.
std::string focusAfter(const std::string &key)
{
    const HWND before = focused();
    act("key " + key);
    waitFor([before] { return focused() != before; });
    return focusedName();
}

bool started(int value, const char *caption)
{
    return checked("Check1") == value && text(item("Check1")) == caption;
}

// Keys come from the X side, as a user's do: Tab and Shift+Tab in tab order
// (not the labels, not the disabled prompt box), Space on the start box.
void keyboard()
{
    act("activate");
    waitFor([] { return focused() != nullptr; });
    std::string order = focusAfter("Tab");
    for (int i = 0; i < 8; ++i)
        order += " " + focusAfter("Tab");
    // Whichever control Tab reached first, the order goes round the tab stops.
    const std::string round = "Check1 Text1 Check3 Text2 Text3 Check4 Command1 Command2 ";
    const std::string stops = round + round;
    check(order.size() > 6 && stops.find(order) != std::string::npos, "Tab order: " + order);
    const std::string before = focusedName();
    const std::string back = focusAfter("shift+Tab");
    check(stops.find(back + " " + before) != std::string::npos,
        "Shift+Tab goes back from " + before + " to " + back);
    for (int i = 0; i < 9 && focusedName() != "Check1"; ++i)
        focusAfter("Tab");
    act("key space");
    check(waitFor([] { return started(1, "Stop Wakeprobe"); }), "Space starts it");
    act("key space");
    check(waitFor([] { return started(0, "Start Wakeprobe"); }), "and pauses it");
    for (int i = 0; i < 9 && focusedName() != "Command1"; ++i)
        focusAfter("Tab");
    act("key Return");
    check(waitFor([] { return FindWindowW(L"Form1", nullptr) != nullptr; }), "Enter presses Help");
}

// Windows of the program's process that are shown, the main one included.
int shownWindows(DWORD pid)
{
    struct Count {
        DWORD pid;
        int n;
    } count { pid, 0 };
    EnumWindows(
        [](HWND w, LPARAM p) {
            auto *c = reinterpret_cast<Count *>(p);
            DWORD owner = 0;
            GetWindowThreadProcessId(w, &owner);
            if (owner == c->pid && IsWindowVisible(w))
                ++c->n;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&count));
    return count.n;
}

void helpAndExit()
{
    DWORD pid = 0;
    GetWindowThreadProcessId(mainWindow, &pid);
    HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
    click(item("Command1"));
    click(item("Command1"));
    check(waitFor([&] { return shownWindows(pid) == 2; }) && shownWindows(pid) == 2,
        "Help twice opens one help window");
    HWND help = FindWindowW(L"Form1", nullptr);
    act("shot help-window");
    check(help != nullptr && text(help).empty(), "the help window has an empty title");
    check(help != nullptr && GetWindow(help, GW_OWNER) == nullptr, "and no owner");
    click(item("Command2"));
    check(waitFor([] { return !IsWindow(mainWindow); }), "Exit closes the main window");
    check(WaitForSingleObject(process, 1000) == WAIT_TIMEOUT,
        "the program runs on while the help window is open");
    click(GetDlgItem(help, idOf(Layout::Form1, "Command1")));
    DWORD status = 1;
    check(WaitForSingleObject(process, 5000) == WAIT_OBJECT_0
            && GetExitCodeProcess(process, &status) && status == 0,
        "closing the help window ends the program with status 0");
    CloseHandle(process);
}

// The running program's client area and controls at the DPI it runs at.
void scale()
{
    const UINT dpi = GetDpiForWindow(mainWindow);
    RECT client {};
    GetClientRect(mainWindow, &client);
    const auto px = [dpi](int twips) { return MulDiv(twips, int(dpi), 1440); };
    check(client.right == px(Layout::Wakeprobe.widthTwips)
            && client.bottom == px(Layout::Wakeprobe.heightTwips),
        "at " + std::to_string(dpi) + " dpi the client area is " + std::to_string(client.right)
            + "x" + std::to_string(client.bottom));
    for (const Layout::Control &c : Layout::Wakeprobe.controls) {
        RECT r {};
        GetWindowRect(item(c.name), &r);
        MapWindowPoints(nullptr, mainWindow, reinterpret_cast<POINT *>(&r), 2);
        check(r.left == px(c.twips.left) && r.top == px(c.twips.top)
                && r.right - r.left == px(c.twips.width) && r.bottom - r.top == px(c.twips.height),
            std::string(c.name) + " scaled evenly");
    }
}

// Whether a control's text, in the font it has, reads in full within it: by
// the rule the program fits its font by (textfit.h).
bool readsInFull(HWND control, Layout::Kind kind, const std::string &shown)
{
    return textFits(control, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), kind,
        widen(shown), GetDpiForWindow(control));
}

// Whether the font the control draws with has a glyph of its own for every
// character shown: no boxes, and no reliance on font linking.
bool inRealGlyphs(HWND control, const std::string &shown)
{
    HDC dc = GetDC(control);
    const bool all = drawsEvery(
        dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), { widen(shown) });
    ReleaseDC(control, dc);
    return all;
}

// Reads in full, and in real glyphs.
void whole(HWND control, Layout::Kind kind, const std::string &shown, const std::string &what)
{
    check(readsInFull(control, kind, shown), what);
    check(inRealGlyphs(control, shown), what + ": every character has its glyph");
}

// Each control where the table puts it, as the screen shows it: in a
// right-to-left window at its mirror image, left edge measured from the right
// of the client area, within a pixel.
void placed(HWND window, const Layout::Window &layout, bool mirrored, const std::string &at)
{
    WINDOWINFO info {};
    info.cbSize = sizeof info;
    GetWindowInfo(window, &info); // the client area on the screen, never mirrored
    const UINT dpi = GetDpiForWindow(window);
    const auto px = [dpi](int twips) { return MulDiv(twips, int(dpi), 1440); };
    for (const Layout::Control &c : layout.controls) {
        RECT r {};
        GetWindowRect(GetDlgItem(window, c.id), &r);
        const int x = r.left - info.rcClient.left;
        const int want = mirrored ? px(layout.widthTwips) - px(c.twips.left) - px(c.twips.width)
                                  : px(c.twips.left);
        check(std::abs(x - want) <= 1 && r.top - info.rcClient.top == px(c.twips.top),
            std::string(layout.name) + " " + std::string(c.name) + " at x " + std::to_string(x)
                + (mirrored ? " mirrored" : "") + at);
    }
}

void fit(bool mirrored)
{
    mainWindow = Wakeprobe::open(SW_SHOW);
    const std::string at = " at " + std::to_string(GetDpiForWindow(mainWindow)) + " dpi";
    for (const Layout::ShownText &shown : Layout::textsToFit(Layout::Wakeprobe))
        whole(item(shown.control->name), shown.control->kind, shown.text,
            std::string(shown.control->name) + " \"" + shown.text + "\"" + at);
    HWND help = Form1::show();
    placed(mainWindow, Layout::Wakeprobe, mirrored, at);
    placed(help, Layout::Form1, mirrored, at);
    for (const Layout::Control &c : Layout::Form1.controls)
        whole(GetDlgItem(help, c.id), c.kind, narrow(windowText(GetDlgItem(help, c.id))),
            "help " + std::string(c.name) + at);

    // For the Linux side, which knows the catalogues: the fitted font's
    // height in pixels, and what each control says in this language.
    const auto height = [](HWND control) {
        LOGFONTW font {};
        GetObjectW(
            reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font, &font);
        return std::labs(font.lfHeight);
    };
    std::printf("font %u %ld %ld\n", GetDpiForWindow(mainWindow), height(item("Check1")),
        height(GetDlgItem(help, idOf(Layout::Form1, "Label1"))));
    for (const auto &[window, layout] :
        { std::pair { mainWindow, &Layout::Wakeprobe }, std::pair { help, &Layout::Form1 } })
        for (const Layout::Control &c : layout->controls) {
            const auto oneLine = [](std::string text) {
                for (std::size_t at = 0; (at = text.find('\n', at)) != std::string::npos;)
                    text.replace(at, 1, "\\n");
                return text;
            };
            std::printf("text %s\t%s\t%s\n", std::string(layout->name).c_str(),
                oneLine(std::string(c.text)).c_str(),
                oneLine(narrow(windowText(GetDlgItem(window, c.id)))).c_str());
        }
}

// The colours a window gives a check box or label, read the way it paints
// them: the text's contrast on the background, and both as 0xBBGGRR.
std::pair<double, std::string> textContrast(HWND window, HWND control, const Layout::Control &c)
{
    HDC dc = CreateCompatibleDC(nullptr);
    SendMessageW(window, c.kind == Layout::Kind::Label ? WM_CTLCOLORSTATIC : WM_CTLCOLORBTN,
        WPARAM(dc), LPARAM(control));
    const COLORREF text = GetTextColor(dc), back = GetBkColor(dc);
    DeleteDC(dc);
    char colours[32];
    std::snprintf(colours, sizeof colours, "%06lX on %06lX", text, back);
    return { Colours::contrast(text, back), colours };
}

// Every caption of both windows reads on its background, at WCAG's 4.5:1 or
// more: at rest, and the prompt box on both its colours.
void contrast()
{
    mainWindow = Wakeprobe::open(SW_SHOW);
    HWND help = Form1::show();
    HIGHCONTRASTW scheme {};
    scheme.cbSize = sizeof scheme;
    SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof scheme, &scheme, 0);
    const std::string in = (scheme.dwFlags & HCF_HIGHCONTRASTON) != 0 ? " in high contrast"
                                                                      : " in the usual colours";
    const auto captions = [in](HWND window, const Layout::Window &layout, const std::string &when) {
        for (const Layout::Control &c : layout.controls)
            if (Layout::onHighlightText(c.kind) && c.visible
                && IsWindowEnabled(GetDlgItem(window, c.id))) {
                const auto [ratio, colours] = textContrast(window, GetDlgItem(window, c.id), c);
                check(ratio >= 4.5,
                    std::string(layout.name) + " " + std::string(c.name) + when + in + ": "
                        + colours + ", " + std::to_string(ratio) + ":1");
            }
    };
    captions(mainWindow, Layout::Wakeprobe, " at rest");
    captions(help, Layout::Form1, " at rest");
    // Ticks handled here, in this process: the first prompts at once.
    type("Text2", "0");
    click(item("Check1"));
    for (const char *when : { " flashing", " back on white" }) {
        SendMessageW(mainWindow, WM_TIMER, 1, 0);
        check(enabled("Check2"), std::string("the prompt box") + when);
        captions(mainWindow, Layout::Wakeprobe, when);
    }
}

} // namespace

int main(int argc, char **argv)
{
    const std::string mode = argc > 1 ? argv[1] : "";
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    if (mode == "fit") {
        fit(argc > 2 && std::string(argv[2]) == "rtl");
    } else if (mode == "contrast") {
        contrast();
    } else {
        waitFor(
            [] { return (mainWindow = FindWindowW(nullptr, L"Wakeprober")) != nullptr; }, 20000);
        check(mainWindow != nullptr, "found the window titled Wakeprober");
        if (mainWindow == nullptr)
            return 1;
        if (mode == "scale") {
            scale();
        } else {
            cycle();
            keyboard();
            helpAndExit();
        }
    }
    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
