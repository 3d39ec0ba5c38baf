// SPDX-License-Identifier: MIT
// A long random run of the cycle: random settings, clicks, double clicks,
// pauses and option changes, and after every tick what must hold of any
// tick, checked from what the window shows and what it was asked.
#include "cycle.h"
#include "modelwindow.h"
#include "numbers.h"

#include <QTest>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>

namespace {

// A setting's text together with the number it stands for, made so that the
// value is known without reading the text back.
struct Setting {
    std::string text;
    double value;
};

class SettingMaker {
public:
    explicit SettingMaker(std::mt19937_64 &rng)
        : m_rng(rng)
    {
    }

    Setting operator()()
    {
        switch (pick(10)) {
        case 0:
            return { "", 0 };
        case 1: {
            static const char *junk[]
                = { "abc", "-", "+", ".", "&", "&H", "e5", "soon", "\xe5\x8d\x81" };
            return { junk[pick(9)], 0 };
        }
        case 2: {
            const int n = pick(200);
            char buf[32];
            std::snprintf(buf, sizeof buf, "&h%x", n);
            return { buf, double(n) };
        }
        case 3: {
            const int hundredths = pick(300);
            char buf[32];
            std::snprintf(buf, sizeof buf, "%d.%02d", hundredths / 100, hundredths % 100);
            return { buf, std::strtod(buf, nullptr) };
        }
        case 4:
            return pick(2) ? Setting { "1e308", 1e308 } : Setting { "-1e308", -1e308 };
        case 5:
            return { std::to_string(400 + pick(800)) + "min", 0 }; // fixed up below
        default: {
            const int n = pick(46) - 5;
            std::string text = std::to_string(n);
            if (pick(3) == 0)
                text.insert(text.size() / 2, " ");
            if (pick(4) == 0)
                text = "\t" + text + "  ";
            return { text, double(n) };
        }
        }
    }

private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_rng); }
    std::mt19937_64 &m_rng;
};

} // namespace

class TestSimulation : public QObject {
    Q_OBJECT

private slots:
    void millionTicksKeepTheRules();
};

void TestSimulation::millionTicksKeepTheRules()
{
    const char *seedText = std::getenv("WAKEPROBER_SEED");
    const unsigned long long seed = seedText ? std::strtoull(seedText, nullptr, 10) : 20261208;
    qInfo("seed %llu (replay with WAKEPROBER_SEED=%llu)", seed, seed);
    std::mt19937_64 rng(seed);
    SettingMaker makeSetting(rng);
    auto chance
        = [&rng](int inN) { return std::uniform_int_distribution<int>(0, inN - 1)(rng) == 0; };

    ModelWindow w;
    ReminderCycle cycle(w, w.recorder());
    cycle.load();
    long ticks = 0, overflows = 0, prompts = 0, resets = 0;

    for (long step = 0; ticks < 1'000'000; ++step) {
        if (chance(3000))
            w.Text2 = makeSetting().text;
        if (chance(3000))
            w.Text3 = makeSetting().text;
        if (chance(500)) {
            w.clickCheck1();
            cycle.check1Clicked();
        }
        if (chance(40)) // a click, sometimes a double click
            for (int clicks = chance(5) ? 2 : 1; clicks > 0; --clicks)
                w.clickCheck2();
        if (chance(700))
            w.Check3 = w.Check3 ? 0 : 1;
        if (chance(700))
            w.Check4 = w.Check4 ? 0 : 1;
        QCOMPARE(w.Timer1Enabled, w.Check1 != 0);
        if (!w.Timer1Enabled)
            continue;

        ++ticks;
        const int secondsBefore = cycle.secondCount(), flashesBefore = cycle.flashCount();
        const int beepsBefore = w.beeps;
        const CheckValue clicked = w.Check2, toFront = w.Check4, beep = w.Check3;
        w.topmostCalls.clear();
        cycle.timer1TickOrHalt();
        const QByteArray at = "tick " + QByteArray::number(ticks);

        if (w.Text1 == "Interval or limit too large") {
            // Halted: paused, the prompt over, counting afresh.
            ++overflows;
            QVERIFY2(w.Check1 == 0 && !w.Timer1Enabled && cycle.secondCount() == 0, at);
            QVERIFY2(!w.topmostCalls.empty() && w.topmostCalls.back().on == False, at);
            continue;
        }
        // Counted, never past what a counter holds, prompt ticks within ticks.
        QVERIFY2(cycle.flashCount() >= 0 && cycle.flashCount() <= cycle.secondCount(), at);
        // The countdown is what is left of the interval as it reads now.
        const double interval = ReadNumber(w.Text2) * 60, limit = ReadNumber(w.Text3);
        const double left = interval - cycle.secondCount();
        const bool reset = cycle.secondCount() == 0;
        if (!reset)
            QVERIFY2(w.Text1 == "Seconds to next Check " + FormatSigned(left), at);
        if (!reset) {
            // A prompt tick raises the window (when asked), beeps (when
            // asked) and flips the box's colour; no other tick does any of it.
            const bool prompted = cycle.flashCount() == flashesBefore + 1;
            QVERIFY2(cycle.flashCount() == flashesBefore || prompted, at);
            // A prompt tick is one past the interval; the limit ends the prompt.
            QVERIFY2(prompted == (cycle.secondCount() > interval), at);
            QVERIFY2(cycle.flashCount() <= limit, at);
            QVERIFY2(w.beeps == beepsBefore + int(prompted && beep != 0), at);
            QVERIFY2(w.topmostCalls.size() == std::size_t(prompted && toFront != 0), at);
            QVERIFY2(w.topmostCalls.empty() || w.topmostCalls.front().on == True, at);
            QVERIFY2(w.Check2Enabled == (cycle.flashCount() > 0), at);
            if (cycle.flashCount() > 0)
                QVERIFY2(w.Check2Caption == "Do wakeprobe. Click to reset timer"
                        && w.Check2Colour == (cycle.flashCount() % 2 ? Green : White)
                        && w.Check2Name == w.Check2Caption,
                    at);
            // A box set by a click is a reset, always.
            QVERIFY2(clicked == 0 && w.Check2 == 0, at);
        } else {
            // Only a click or passing the limit resets; a reset releases the
            // window, whether or not it was raised, and leaves the prompt box
            // at rest.
            ++resets;
            QVERIFY2(clicked != 0 || flashesBefore + int(secondsBefore + 1 > interval) > limit, at);
            QVERIFY2(!w.topmostCalls.empty() && w.topmostCalls.back().on == False, at);
            QVERIFY2(!w.Check2Enabled && w.Check2Caption.empty() && w.Check2 == 0
                    && w.Check2Colour == White && w.Check2Name == "Prompt",
                at);
        }
        prompts += cycle.flashCount() > 0;
    }
    qInfo("%ld ticks, %ld prompt ticks, %ld resets, %ld overflows", ticks, prompts, resets,
        overflows);
    QVERIFY(prompts > 10000); // the run must reach the interesting states
    QVERIFY(resets > 1000 && overflows > 0);
}

QTEST_APPLESS_MAIN(TestSimulation)
#include "tst_simulation.moc"
