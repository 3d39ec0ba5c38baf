// SPDX-License-Identifier: MIT
// A long random run of the cycle against a reference written for this test:
// random settings, clicks, double clicks, pauses and option changes, and after
// every step the window must look exactly as the reference says.
#include "cycle.h"
#include "modelwindow.h"

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

// What the main window should show, computed the plain way.
struct Reference {
    long seconds = 0, flashes = 0;
    double interval = 30, limit = 20;
    bool running = false, enabled = false, check2 = false, beep = false, toFront = true;
    bool green = false; // white otherwise
    int beeps = 0, raises = 0, releases = 0;
    std::string text1;

    static std::string format(double v)
    {
        char buf[64];
        const double mag = std::fabs(v);
        if (mag == std::floor(mag) && mag < 1e15)
            std::snprintf(buf, sizeof buf, "%.0f", mag);
        else
            std::snprintf(buf, sizeof buf, "%.15G", mag);
        return (v < 0 ? "-" : " ") + std::string(buf);
    }

    // Returns false where the tick overflows and stops.
    bool tick()
    {
        if (seconds == 32767)
            return false;
        ++seconds;
        if (!std::isfinite(interval * 60))
            return false;
        if (seconds > interval * 60) {
            enabled = true;
            ++flashes;
            raises += toFront;
            beeps += beep;
            green = !green;
        }
        text1 = "Seconds to next Check " + format(interval * 60 - double(seconds));
        if (flashes > limit || check2)
            reset();
        return true;
    }

    void reset()
    {
        ++releases;
        seconds = flashes = 0;
        enabled = check2 = green = false;
    }
};

} // namespace

class TestSimulation : public QObject {
    Q_OBJECT

private slots:
    void millionTicksMatchTheReference();
};

void TestSimulation::millionTicksMatchTheReference()
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
    Reference ref;
    long ticks = 0, overflows = 0, prompts = 0;
    int raises = 0, releases = 0;

    for (long step = 0; ticks < 1'000'000; ++step) {
        if (chance(3000)) {
            const Setting s = makeSetting();
            w.Text2 = s.text;
            ref.interval = s.text.find("min") != std::string::npos ? std::stod(s.text) : s.value;
        }
        if (chance(3000)) {
            const Setting s = makeSetting();
            w.Text3 = s.text;
            ref.limit = s.text.find("min") != std::string::npos ? std::stod(s.text) : s.value;
        }
        if (chance(500)) {
            w.clickCheck1();
            cycle.check1Clicked();
            ref.running = !ref.running;
        }
        if (chance(40)) { // a click, sometimes a double click
            const int clicks = chance(5) ? 2 : 1;
            for (int i = 0; i < clicks; ++i) {
                w.clickCheck2();
                if (ref.enabled)
                    ref.check2 = !ref.check2;
            }
        }
        if (chance(700))
            ref.beep = (w.Check3 = w.Check3 ? 0 : 1) != 0;
        if (chance(700))
            ref.toFront = (w.Check4 = w.Check4 ? 0 : 1) != 0;
        if (!ref.running)
            continue;

        ++ticks;
        bool threw = false;
        try {
            cycle.timer1Tick();
        } catch (const OverflowError &) {
            threw = true;
        }
        const bool refOk = ref.tick();
        QVERIFY2(threw == !refOk, qPrintable(QString("overflow differs at tick %1").arg(ticks)));
        if (threw) {
            ++overflows;
            cycle.haltAfterOverflow();
            ref.reset();
            ref.running = false;
        }
        prompts += ref.enabled;

        QVERIFY(cycle.flashCount() <= cycle.secondCount());
        QVERIFY(cycle.secondCount() == ref.seconds && cycle.flashCount() == ref.flashes);
        const bool same = w.Text1 == ref.text1 && w.Check2Enabled == ref.enabled
            && w.Check2 == CheckValue(ref.check2) && w.Check2Colour == (ref.green ? Green : White)
            && w.Check2Caption == (ref.enabled ? "Do wakeprobe. Click to reset timer" : "")
            && w.beeps == ref.beeps && w.Timer1Enabled == ref.running;
        if (!same)
            QFAIL(qPrintable(
                QString("tick %1: shows \"%2\", expected \"%3\"")
                    .arg(ticks)
                    .arg(QString::fromStdString(w.Text1), QString::fromStdString(ref.text1))));
        for (const auto &call : w.topmostCalls)
            (call.on == True ? raises : releases)++;
        w.topmostCalls.clear();
        w.text1Writes.clear();
        QVERIFY(raises == ref.raises && releases == ref.releases);
    }
    qInfo("%ld ticks, %ld prompt ticks, %ld overflows", ticks, prompts, overflows);
    QVERIFY(prompts > 10000); // the run must reach the interesting states
    QVERIFY(overflows > 0);
}

QTEST_APPLESS_MAIN(TestSimulation)
#include "tst_simulation.moc"
