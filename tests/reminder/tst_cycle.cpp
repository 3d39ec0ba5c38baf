// SPDX-License-Identifier: MIT
#include "cycle.h"
#include "modelwindow.h"

#include <QTest>

#include <string>

namespace {

const std::string Prompt = "Do wakeprobe. Click to reset timer";

std::string countdown(int secondsLeft)
{
    return (secondsLeft < 0 ? "Seconds to next Check -" : "Seconds to next Check  ")
        + std::to_string(secondsLeft < 0 ? -secondsLeft : secondsLeft);
}

// A loaded main window with its cycle, as the user finds it at start.
struct Rig {
    ModelWindow w;
    ReminderCycle cycle { w, w.recorder() };

    Rig(const std::string &interval = "30", const std::string &limit = "20")
    {
        cycle.load();
        w.Text2 = interval;
        w.Text3 = limit;
    }
    void clickStart()
    {
        w.clickCheck1();
        cycle.check1Clicked();
    }
    void tick(int n = 1)
    {
        for (int i = 0; i < n; ++i)
            cycle.timer1Tick();
    }
    int topmost(Truth on) const
    {
        int n = 0;
        for (const auto &call : w.topmostCalls)
            n += call.on == on && call.handle == ModelWindow::Handle;
        return n;
    }
    bool atRest() const
    {
        return !w.Check2Enabled && w.Check2Caption.empty() && w.Check2 == 0
            && w.Check2Colour == White;
    }
};

} // namespace

class TestCycle : public QObject {
    Q_OBJECT

private slots:
    void loadLeavesItPaused();
    void startAndPause();
    void unattendedCycleTickByTick();
    void firstPromptTick_data();
    void firstPromptTick();
    void intervalOneLimitTwo();
    void clickGivesOneMorePromptTick();
    void twoClicksBetweenTicksGiveNoReset();
    void pauseDuringPromptAndResume();
    void loweringTheIntervalPromptsOnNextTick();
    void limitZeroPromptsAndResetsInOneTick();
    void negativeLimitResetsEveryTick();
    void withoutToFrontOnlyReleases();
    void withoutBeepNoBeep();
    void counterOverflowStopsTheTick();
    void intervalOverflowStopsTheTick();
    void overflowHaltsWithAMessage();
};

void TestCycle::loadLeavesItPaused()
{
    Rig r;
    QCOMPARE(r.w.Title, std::string("Wakeprober"));
    QVERIFY(!r.w.Timer1Enabled);
    QVERIFY(r.atRest());
    QVERIFY(r.w.Text1.empty());
    QCOMPARE(r.w.Check1Caption, std::string("Start Wakeprobe"));
    QCOMPARE(r.cycle.secondCount(), 0);
    QCOMPARE(r.cycle.flashCount(), 0);
    QVERIFY(r.w.topmostCalls.empty());
}

void TestCycle::startAndPause()
{
    Rig r;
    r.clickStart();
    QVERIFY(r.w.Timer1Enabled);
    QCOMPARE(r.w.Check1Caption, std::string("Stop Wakeprobe"));
    r.tick(5);
    r.clickStart();
    QVERIFY(!r.w.Timer1Enabled);
    QCOMPARE(r.w.Check1Caption, std::string("Start Wakeprobe"));
    QCOMPARE(r.cycle.secondCount(), 5);
    r.clickStart();
    r.tick();
    QCOMPARE(r.w.Text1, countdown(1800 - 6));
    // Enabling the running timer again does not restart its second.
    r.w.setTimer1Enabled(true);
    QCOMPARE(r.w.timerStarts, 2);
}

void TestCycle::unattendedCycleTickByTick()
{
    Rig r;
    r.w.Check3 = 1;
    r.clickStart();
    for (int t = 1; t <= 1821; ++t) {
        const std::size_t writesBefore = r.w.text1Writes.size();
        r.tick();
        const QByteArray where = "tick " + QByteArray::number(t);
        QVERIFY2(r.w.Text1 == countdown(1800 - t), where);
        // The display is cleared and then written, once each per tick.
        QVERIFY2(
            r.w.text1Writes.size() == writesBefore + 2 && r.w.text1Writes[writesBefore].empty(),
            where);
        const int flashes = t > 1800 ? t - 1800 : 0;
        QVERIFY2(r.w.beeps == flashes, where);
        QVERIFY2(r.topmost(True) == flashes, where);
        if (t <= 1800) {
            QVERIFY2(r.atRest() && r.w.topmostCalls.empty(), where);
            QVERIFY2(r.w.check2Captioned == 0 && r.w.Check2Name == "Prompt", where);
        } else if (t < 1821) {
            QVERIFY2(r.w.Check2Enabled && r.w.Check2Caption == Prompt, where);
            // Set once, on the first prompt tick: a screen reader announces a
            // change, and the name is the prompt while there is one.
            QVERIFY2(r.w.check2Captioned == 1 && r.w.Check2Name == Prompt, where);
            QVERIFY2(r.w.Check2Colour == (flashes % 2 ? Green : White), where);
            QVERIFY2(r.topmost(False) == 0 && r.cycle.flashCount() == flashes, where);
        }
    }
    // The 21st prompt tick passes the limit of 20 and resets in the same tick.
    QVERIFY(r.atRest());
    QVERIFY(r.w.check2Captioned == 2 && r.w.Check2Name == "Prompt");
    QCOMPARE(r.w.topmostCalls.size(), std::size_t(22));
    QCOMPARE(r.w.topmostCalls.back().on, False);
    QCOMPARE(r.cycle.secondCount(), 0);
    QCOMPARE(r.cycle.flashCount(), 0);

    r.tick();
    QCOMPARE(r.w.Text1, countdown(1799));
    QVERIFY(r.atRest());
    QCOMPARE(r.w.beeps, 21);
}

void TestCycle::firstPromptTick_data()
{
    QTest::addColumn<QString>("interval");
    QTest::addColumn<int>("tick");
    QTest::addColumn<QString>("shows");
    QTest::newRow("half a minute") << "0.5" << 31 << "-1";
    QTest::newRow("one minute") << "1" << 61 << "-1";
    QTest::newRow("blank between digits") << "1 5" << 901 << "-1";
    QTest::newRow("hex") << "&H2" << 121 << "-1";
    QTest::newRow("fraction of a second") << "0.01" << 1 << "-0.4";
    QTest::newRow("zero") << "0" << 1 << "-1";
    QTest::newRow("empty") << "" << 1 << "-1";
    QTest::newRow("not a number") << "soon" << 1 << "-1";
    QTest::newRow("negative") << "-3" << 1 << "-181";
}

void TestCycle::firstPromptTick()
{
    QFETCH(QString, interval);
    QFETCH(int, tick);
    QFETCH(QString, shows);
    Rig r(interval.toStdString());
    r.clickStart();
    r.tick(tick - 1);
    QVERIFY(!r.w.Check2Enabled);
    r.tick();
    QVERIFY(r.w.Check2Enabled);
    QCOMPARE(r.w.Check2Colour, Green);
    QCOMPARE(QString::fromStdString(r.w.Text1), "Seconds to next Check " + shows);
}

void TestCycle::intervalOneLimitTwo()
{
    Rig r("1", "2");
    r.clickStart();
    r.tick(60);
    QCOMPARE(r.w.Text1, countdown(0));
    QVERIFY(r.atRest());
    r.tick(2);
    QCOMPARE(r.w.Text1, countdown(-2));
    QCOMPARE(r.w.Check2Colour, White); // green on 61, white on 62
    QCOMPARE(r.cycle.flashCount(), 2);
    r.tick(); // 63: third prompt tick, then the reset
    QCOMPARE(r.w.Text1, countdown(-3));
    QVERIFY(r.atRest());
    QCOMPARE(r.topmost(True), 3);
    QCOMPARE(r.topmost(False), 1);
    r.tick();
    QCOMPARE(r.w.Text1, countdown(59));
}

void TestCycle::clickGivesOneMorePromptTick()
{
    Rig r("0.05");
    r.w.Check3 = 1;
    r.clickStart();
    r.tick(4);
    QCOMPARE(r.w.Check2Colour, Green);
    r.w.clickCheck2();
    QCOMPARE(r.w.Check2, 1);
    r.tick();
    QCOMPARE(r.w.beeps, 2); // the click's tick still prompts
    QCOMPARE(r.w.Text1, countdown(-2));
    QVERIFY(r.atRest());
    QCOMPARE(r.cycle.secondCount(), 0);
    QCOMPARE(r.topmost(False), 1);
    r.tick();
    QCOMPARE(r.w.Text1, countdown(2));
    QCOMPARE(r.w.beeps, 2);
}

void TestCycle::twoClicksBetweenTicksGiveNoReset()
{
    Rig r("0.05");
    r.clickStart();
    r.tick(4);
    r.w.clickCheck2();
    r.w.clickCheck2();
    r.tick();
    QVERIFY(r.w.Check2Enabled);
    QCOMPARE(r.cycle.flashCount(), 2);
    QCOMPARE(r.topmost(False), 0);
}

void TestCycle::pauseDuringPromptAndResume()
{
    Rig r("0.05");
    r.clickStart();
    r.tick(4);
    r.clickStart(); // pause
    QVERIFY(!r.w.Timer1Enabled);
    QVERIFY(r.w.Check2Enabled);
    QCOMPARE(r.w.Check2Colour, Green);
    QCOMPARE(r.w.Check2Caption, Prompt);
    QCOMPARE(r.topmost(False), 0); // still above all others
    r.clickStart(); // resume
    r.tick();
    QCOMPARE(r.cycle.flashCount(), 2);
    QCOMPARE(r.w.Check2Colour, White);
    QCOMPARE(r.w.Text1, countdown(-2));
}

void TestCycle::loweringTheIntervalPromptsOnNextTick()
{
    Rig r;
    r.clickStart();
    r.tick(100);
    QCOMPARE(r.w.Text1, countdown(1700));
    r.w.Text2 = "1";
    r.tick();
    QVERIFY(r.w.Check2Enabled);
    QCOMPARE(r.w.Text1, countdown(60 - 101));
}

void TestCycle::limitZeroPromptsAndResetsInOneTick()
{
    Rig r("0.05", "0");
    r.w.Check3 = 1;
    r.clickStart();
    r.tick(4);
    QCOMPARE(r.w.beeps, 1);
    QCOMPARE(r.topmost(True), 1);
    QCOMPARE(r.w.topmostCalls.back().on, False);
    QVERIFY(r.atRest());
    QCOMPARE(r.w.Text1, countdown(-1));
}

void TestCycle::negativeLimitResetsEveryTick()
{
    Rig r("30", "-1");
    r.clickStart();
    for (int t = 1; t <= 50; ++t) {
        r.tick();
        QCOMPARE(r.w.Text1, countdown(1799));
        QCOMPARE(r.cycle.secondCount(), 0);
    }
    QCOMPARE(r.topmost(False), 50);
    QCOMPARE(r.topmost(True), 0);
}

void TestCycle::withoutToFrontOnlyReleases()
{
    Rig r("0.05", "1");
    r.w.Check4 = 0;
    r.clickStart();
    r.tick(2 * 5); // two whole cycles of 3 counting and 2 prompt ticks
    QCOMPARE(r.topmost(True), 0);
    QCOMPARE(r.topmost(False), 2);
}

void TestCycle::withoutBeepNoBeep()
{
    Rig r("0.05", "1");
    r.clickStart();
    r.tick(10);
    QCOMPARE(r.topmost(True), 4);
    QCOMPARE(r.w.beeps, 0);
}

void TestCycle::counterOverflowStopsTheTick()
{
    Rig r("1000"); // 60000 ticks: more than the counter holds
    r.clickStart();
    r.tick(32767);
    QCOMPARE(r.w.Text1, countdown(60000 - 32767));
    const std::size_t writes = r.w.text1Writes.size();
    QVERIFY_THROWS_EXCEPTION(OverflowError, r.tick());
    QCOMPARE(r.cycle.secondCount(), 32767);
    QCOMPARE(r.w.text1Writes.size(), writes);
}

void TestCycle::intervalOverflowStopsTheTick()
{
    Rig r("1e308");
    r.clickStart();
    QVERIFY_THROWS_EXCEPTION(OverflowError, r.tick());
    QCOMPARE(r.cycle.secondCount(), 1);
    QVERIFY(r.w.text1Writes.empty());
    QVERIFY(r.atRest());

    Rig huge("-1e400");
    huge.clickStart();
    QVERIFY_THROWS_EXCEPTION(OverflowError, huge.tick());
}

void TestCycle::overflowHaltsWithAMessage()
{
    Rig r("0.05");
    r.clickStart();
    r.tick(5);
    QVERIFY(r.w.Check2Enabled);
    r.w.Text2 = "1e308";
    r.cycle.timer1TickOrHalt();
    // Paused, the prompt ended, counting afresh, and why in the countdown box;
    // the setting stays for the user to correct.
    QCOMPARE(r.w.Check1, 0);
    QCOMPARE(r.w.Check1Caption, std::string("Start Wakeprobe"));
    QVERIFY(!r.w.Timer1Enabled);
    QVERIFY(r.atRest());
    QCOMPARE(r.w.topmostCalls.back().on, False);
    QCOMPARE(r.cycle.secondCount(), 0);
    QCOMPARE(r.cycle.flashCount(), 0);
    QCOMPARE(r.w.Text1, std::string("Interval or limit too large"));
    QCOMPARE(r.w.Text2, std::string("1e308"));

    // Corrected and started again, it counts from the start.
    r.w.Text2 = "30";
    r.clickStart();
    r.cycle.timer1TickOrHalt();
    QCOMPARE(r.w.Text1, countdown(1799));
}

QTEST_APPLESS_MAIN(TestCycle)
#include "tst_cycle.moc"
