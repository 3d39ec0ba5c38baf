// SPDX-License-Identifier: MIT
#pragma once

#include "controls.h"
#include "translatable.h"

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>

//: The flashing prompt box's caption: wraps in about 55 x 62 px, four short lines.
inline constexpr std::string_view PromptCaption
    = Translatable("Wakeprobe", "Do wakeprobe. Click to reset timer");

//: What a screen reader calls the prompt box while it has no caption.
inline constexpr std::string_view PromptName = Translatable("Wakeprobe", "Prompt");

//: Shown in the countdown box, on one line of about 160 px, when a setting is too large.
inline constexpr std::string_view OverflowMessage
    = Translatable("Wakeprobe", "Interval or limit too large");

// The texts the cycle writes into the window. English unless the shell hands
// it the user's language's; the room each has is the layout's (at 96 dpi).
struct CycleTexts {
    //: The start box's caption while paused: wraps in about 55 x 70 px, three short lines.
    std::string paused = Translatable("Wakeprobe", "Start Wakeprobe");
    //: The start box's caption while running: wraps in about 55 x 70 px, three short lines.
    std::string running = Translatable("Wakeprobe", "Stop Wakeprobe");
    //: Shown before the seconds left, on one line of about 160 px with " 1799" after it.
    //: Keep the blank at the end.
    std::string countdownPrefix = Translatable("Wakeprobe", "Seconds to next Check ");
    std::string prompt { PromptCaption };
    std::string promptName { PromptName };
    std::string overflow { OverflowMessage };
};

// Raised when a tick counter would pass 32767, or when the interval arithmetic
// leaves the range of a double. The tick that raised it stops at that point.
class OverflowError : public std::overflow_error {
public:
    using std::overflow_error::overflow_error;
};

// The reminder behind the main window: counts ticks, compares them with the
// interval, shows the seconds left, prompts with a flashing box, beeps, brings
// the window to the front and resets. It is driven from outside (load, click
// of the start box, tick) and owns no timer, reads no clock and never waits:
// keeping time is the window's task.
class ReminderCycle {
public:
    using SetTopmostFn = std::function<std::int32_t(const WindowHandle &, const Truth &)>;

    ReminderCycle(WakeprobeControls &window, SetTopmostFn setTopmost, CycleTexts texts = {});

    void load();
    void check1Clicked();
    void timer1Tick(); // throws OverflowError

    // Timer1's tick as the window handles it. After an overflow the cycle
    // halts: it pauses, ends any prompt, starts counting afresh and says why
    // in the countdown box, so that the user can correct the settings and
    // start again; ending the program would lose them.
    void timer1TickOrHalt();

    std::int16_t secondCount() const { return SecondCount; }
    std::int16_t flashCount() const { return FlashCount; }

private:
    void prompt();
    void reset();
    void setPromptCaption(std::string_view caption);

    WakeprobeControls &m_window;
    SetTopmostFn m_setTopmost;
    CycleTexts m_texts;
    std::string m_promptCaption; // as the layout leaves it: none
    std::int16_t SecondCount = 0; // ticks since the last reset
    std::int16_t FlashCount = 0; // prompt ticks since the last reset
};
