// SPDX-License-Identifier: MIT
#pragma once

#include "win32.h"

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
    void setCheck2Enabled(bool enabled) override;
    Colour check2BackColour() const override;
    void setCheck2BackColour(Colour colour) override;
    CheckValue check3Value() const override;
    CheckValue check4Value() const override;
    void setTimer1Enabled(bool enabled) override;
    void setTitle(std::string_view title) override;
    WindowHandle hWnd() const override;
    void beep() override;

private:
    explicit Wakeprobe(HWND hwnd);
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    HWND control(std::string_view name) const;
    void fitFont(UINT dpi);
    void timer1Tick();
    HBRUSH controlBrush(HWND control, HDC dc);

    HWND m_hwnd;
    Gdi<HFONT> m_font;
    Gdi<HBRUSH> m_white { CreateSolidBrush(White) };
    Gdi<HBRUSH> m_green { CreateSolidBrush(Green) };
    Colour m_check2Colour = HighlightTextColour;
    bool m_timerRunning = false;
    ReminderCycle m_cycle;
};
