// SPDX-License-Identifier: MIT
#include "cycle.h"

#include "numbers.h"

#include <cmath>
#include <limits>
#include <string>
#include <utility>

namespace {

constexpr double SecondsPerMinute = 60;
constexpr const char *Title = "Wakeprober"; // the program's name, the same in every language

// Counters never wrap: the increment is refused before it is stored.
void increment(std::int16_t &counter, const char *name)
{
    if (counter == std::numeric_limits<std::int16_t>::max())
        throw OverflowError(std::string(name) + " would pass 32767");
    ++counter;
}

double checkedFinite(double value, const char *what)
{
    if (!std::isfinite(value))
        throw OverflowError(std::string(what) + " is out of range");
    return value;
}

double intervalTicks(const WakeprobeControls &window)
{
    return checkedFinite(ReadNumber(window.text2()) * SecondsPerMinute, "interval");
}

} // namespace

ReminderCycle::ReminderCycle(WakeprobeControls &window, SetTopmostFn setTopmost, CycleTexts texts)
    : m_window(window)
    , m_setTopmost(std::move(setTopmost))
    , m_texts(std::move(texts))
{
}

void ReminderCycle::load()
{
    m_window.setTitle(Title);
    SecondCount = 0;
    m_window.setTimer1Enabled(false);
    // The layout gives the prompt box a system colour, which would never
    // compare equal to white: without this the first prompt would paint white.
    m_window.setCheck2BackColour(White);
    FlashCount = 0;
}

void ReminderCycle::check1Clicked()
{
    // Pausing keeps the counters and any prompt as they are.
    if (m_window.check1Value() != 0) {
        m_window.setTimer1Enabled(true);
        m_window.setCheck1Caption(m_texts.running);
    } else {
        m_window.setTimer1Enabled(false);
        m_window.setCheck1Caption(m_texts.paused);
    }
}

void ReminderCycle::timer1Tick()
{
    increment(SecondCount, "SecondCount");
    const double limit = intervalTicks(m_window);
    if (SecondCount > limit)
        prompt();

    m_window.setText1("");
    // The interval is read again: the countdown shows what is typed now.
    const double left = checkedFinite(intervalTicks(m_window) - SecondCount, "countdown");
    m_window.setText1(m_texts.countdownPrefix + FormatSigned(left));

    const double maxFlashes = ReadNumber(m_window.text3());
    const CheckValue resetRequest = m_window.check2Value();
    if (FlashCount > maxFlashes || resetRequest != 0)
        reset();
}

void ReminderCycle::prompt()
{
    m_window.setCheck2Enabled(true);
    increment(FlashCount, "FlashCount");
    if (m_window.check4Value() != 0)
        m_setTopmost(m_window.hWnd(), True);
    setPromptCaption(m_texts.prompt);
    if (m_window.check3Value() != 0)
        m_window.beep();
    m_window.setCheck2BackColour(m_window.check2BackColour() == White ? Green : White);
}

void ReminderCycle::reset()
{
    // Released whether or not the prompt raised the window.
    m_setTopmost(m_window.hWnd(), False);
    SecondCount = 0;
    FlashCount = 0;
    setPromptCaption("");
    m_window.setCheck2Value(0);
    m_window.setCheck2BackColour(White);
    m_window.setCheck2Enabled(false);
}

void ReminderCycle::setPromptCaption(std::string_view caption)
{
    // Every prompt tick sets the same caption: only a change is worth a
    // repaint, and a new name that a screen reader announces. The name is the
    // prompt itself while there is one.
    if (caption == m_promptCaption)
        return;
    m_promptCaption = caption;
    m_window.setCheck2Caption(caption);
    m_window.setCheck2AccessibleName(caption.empty() ? m_texts.promptName : caption);
}

void ReminderCycle::timer1TickOrHalt()
{
    try {
        timer1Tick();
    } catch (const OverflowError &) {
        m_window.setCheck1Value(0);
        check1Clicked();
        reset();
        m_window.setText1(m_texts.overflow);
    }
}
