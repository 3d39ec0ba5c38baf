// SPDX-License-Identifier: MIT
#pragma once

#include "types.h"

#include <string>
#include <string_view>

// The main window's named controls as the reminder cycle sees them: the only
// way the cycle reads settings or changes what is on the screen. The window
// implements this over real widgets; the tests over a plain model. What a
// control remembers for itself (its colour, whether the timer runs) is kept
// here once; a toolkit only draws it.
class WakeprobeControls {
public:
    virtual ~WakeprobeControls() = default;

    virtual std::string text2() const = 0; // interval in minutes
    virtual std::string text3() const = 0; // prompt-tick limit
    virtual void setText1(std::string_view text) = 0;

    virtual CheckValue check1Value() const = 0;
    virtual void setCheck1Value(CheckValue value) = 0;
    virtual void setCheck1Caption(std::string_view caption) = 0;

    virtual CheckValue check2Value() const = 0;
    virtual void setCheck2Value(CheckValue value) = 0;
    virtual void setCheck2Caption(std::string_view caption) = 0;
    // What a screen reader calls the prompt box.
    virtual void setCheck2AccessibleName(std::string_view name) = 0;
    virtual void setCheck2Enabled(bool enabled) = 0;

    // The colour last set: a toolkit cannot give back the window system's
    // colour numbers (a system colour is not a colour), so it is kept here.
    Colour check2BackColour() const { return m_check2BackColour; }
    void setCheck2BackColour(Colour colour)
    {
        m_check2BackColour = colour;
        paintCheck2(colour);
    }

    virtual CheckValue check3Value() const = 0;
    virtual CheckValue check4Value() const = 0;

    // Enabling a running timer changes nothing: restarting it would move its
    // second.
    void setTimer1Enabled(bool enabled)
    {
        if (enabled == m_timer1Enabled)
            return;
        m_timer1Enabled = enabled;
        runTimer1(enabled);
    }

    virtual void setTitle(std::string_view title) = 0;
    virtual WindowHandle hWnd() const = 0;
    virtual void beep() = 0;

protected:
    virtual void paintCheck2(Colour colour) = 0;
    virtual void runTimer1(bool running) = 0;

private:
    Colour m_check2BackColour = HighlightTextColour; // the layout's
    bool m_timer1Enabled = true; // the layout's, until load
};
