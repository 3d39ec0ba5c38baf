// SPDX-License-Identifier: MIT
#pragma once

#include "font.h"
#include "gdi.h"
#include "paint.h"
#include "system.h"

#include "controls.h"
#include "cycle.h"

// The main window on the system's own controls: the layout's named controls,
// the one-second timer, "Help" and "Exit". What the controls mean over time
// is the reminder cycle's business; this class hosts it, forwards its events
// and offers it the controls. It lives as long as its window.
class Wakeprobe final : public WakeprobeControls {
public:
    // Creates, loads and shows the window; it deletes itself when destroyed.
    static HWND open(int showCommand);
    Wakeprobe(const Wakeprobe &) = delete;
    Wakeprobe &operator=(const Wakeprobe &) = delete;

    // WakeprobeControls
    std::string text2() const override;
    std::string text3() const override;
    void setText1(std::string_view text) override;
    CheckValue check1Value() const override;
    void setCheck1Value(CheckValue value) override;
    void setCheck1Caption(std::string_view caption) override;
    CheckValue check2Value() const override;
    void setCheck2Value(CheckValue value) override;
    void setCheck2Caption(std::string_view caption) override;
    void setCheck2AccessibleName(std::string_view name) override;
    void setCheck2Enabled(bool enabled) override;
    CheckValue check3Value() const override;
    CheckValue check4Value() const override;
    void setTitle(std::string_view title) override;
    WindowHandle hWnd() const override;
    void beep() override;

protected:
    void paintCheck2(Colour colour) override;
    void runTimer1(bool running) override;

private:
    explicit Wakeprobe(HWND hwnd);
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    HWND control(Layout::Main c) const { return item(m_hwnd, Layout::control(c)); }
    HBRUSH controlBrush(HWND control, HDC dc);

    HWND m_hwnd;
    WindowFonts m_fonts;
    Painter m_painter;
    ReminderCycle m_cycle;
};
