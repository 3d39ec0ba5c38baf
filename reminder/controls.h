// SPDX-License-Identifier: MIT
#pragma once

#include "types.h"

#include <string>
#include <string_view>

// The main window's named controls as the reminder cycle sees them: the only
// way the cycle reads settings or changes what is on the screen. The window
// implements this over real widgets; the tests over a plain model.
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
    virtual void setCheck2Enabled(bool enabled) = 0;
    virtual Colour check2BackColour() const = 0;
    virtual void setCheck2BackColour(Colour colour) = 0;

    virtual CheckValue check3Value() const = 0;
    virtual CheckValue check4Value() const = 0;

    virtual void setTimer1Enabled(bool enabled) = 0;
    virtual void setTitle(std::string_view title) = 0;
    virtual WindowHandle hWnd() const = 0;
    virtual void beep() = 0;
};
