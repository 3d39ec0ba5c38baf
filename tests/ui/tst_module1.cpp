// SPDX-License-Identifier: MIT
#include "module1.h"

#include <QTest>

#include <vector>

namespace {

struct Call {
    WindowHandle hWnd;
    std::intptr_t after;
    std::uint32_t flags;
};
std::vector<Call> calls;
std::vector<WindowHandle> shownInView; // and when: how many calls had come before
std::size_t callsBeforeShown = 0;
std::int32_t nextResult = 1;
bool activeWindow = false;
std::vector<bool> attention; // each request: asked (true) or told to stop

} // namespace

// Stands in for the window system's call, recording what it is asked.
std::int32_t Module1::SetWindowPos(WindowHandle hWnd, std::intptr_t after, std::int32_t,
    std::int32_t, std::int32_t, std::int32_t, std::uint32_t flags)
{
    calls.push_back({ hWnd, after, flags });
    return nextResult;
}

bool Module1::IsActive(WindowHandle) { return activeWindow; }
void Module1::AskForAttention(WindowHandle, bool on) { attention.push_back(on); }

void Module1::ShowInView(WindowHandle hWnd)
{
    shownInView.push_back(hWnd);
    callsBeforeShown = calls.size();
}

class TestModule1 : public QObject {
    Q_OBJECT

private slots:
    void setTopmost_data();
    void setTopmost();
    void attentionWhileElsewhere_data();
    void attentionWhileElsewhere();
};

void TestModule1::setTopmost_data()
{
    QTest::addColumn<bool>("inView");
    QTest::addColumn<int>("on");
    QTest::addColumn<int>("systemResult");
    QTest::addColumn<qint64>("expectedAfter");
    QTest::addColumn<int>("expectedResult");

    // SetTopmostInView makes the same call and gives the same result.
    for (const bool inView : { false, true }) {
        const auto row = [inView](const char *name) -> QTestData & {
            return QTest::addRow("%s%s", inView ? "in view, " : "", name) << inView;
        };
        row("true succeeds") << -1 << 1 << qint64(-1) << 1;
        row("true fails") << -1 << 0 << qint64(-1) << 0;
        row("true passes the call's value") << -1 << 7 << qint64(-1) << 7;
        row("false") << 0 << 1 << qint64(-2) << 0;
        row("false when the call fails") << 0 << 0 << qint64(-2) << 0;
        row("one is not true") << 1 << 1 << qint64(-2) << 0;
        row("other value") << 255 << 1 << qint64(-2) << 0;
    }
}

void TestModule1::setTopmost()
{
    QFETCH(bool, inView);
    QFETCH(int, on);
    QFETCH(int, systemResult);
    QFETCH(qint64, expectedAfter);
    QFETCH(int, expectedResult);

    calls.clear();
    shownInView.clear();
    nextResult = systemResult;
    const WindowHandle hWnd = 0x4600003;
    const Truth flag = static_cast<Truth>(on);
    const auto call = inView ? &Module1::SetTopmostInView : &Module1::SetTopmost;
    QCOMPARE(call(hWnd, flag), expectedResult);
    QCOMPARE(calls.size(), std::size_t(1));
    const Call &c = calls.front();
    QCOMPARE(c.hWnd, hWnd);
    QCOMPARE(qint64(c.after), expectedAfter);
    // The window keeps its place and size.
    QCOMPARE(c.flags, Module1::SWP_NOMOVE | Module1::SWP_NOSIZE);

    // Only a call to join the band shows the window first, before the band.
    const bool shows = inView && on == -1;
    QCOMPARE(
        shownInView, shows ? std::vector<WindowHandle> { hWnd } : std::vector<WindowHandle> {});
    if (shows)
        QCOMPARE(callsBeforeShown, std::size_t(0));
}

void TestModule1::attentionWhileElsewhere_data()
{
    // Prompt ticks (true) and resets (false), the user in the window or not,
    // and the requests the window makes.
    QTest::addColumn<QList<bool>>("ticks");
    QTest::addColumn<QList<bool>>("inUse");
    QTest::addColumn<QList<bool>>("requests");
    QTest::newRow("asks while the user is elsewhere, each prompt tick")
        << QList { true, true } << QList { false, false } << QList { true, true };
    QTest::newRow("stops at the reset")
        << QList { true, false } << QList { false, false } << QList { true, false };
    QTest::newRow("never asks while in use")
        << QList { true, false } << QList { true, true } << QList<bool> {};
    QTest::newRow("stops once the user comes to it")
        << QList { true, true, false } << QList { false, true, true } << QList { true, false };
    QTest::newRow("a reset without a prompt asks nothing")
        << QList { false, false } << QList { false, false } << QList<bool> {};
}

void TestModule1::attentionWhileElsewhere()
{
    QFETCH(QList<bool>, ticks);
    QFETCH(QList<bool>, inUse);
    QFETCH(QList<bool>, requests);
    attention.clear();
    // A window of its own for each row: the module remembers which ones asked.
    static WindowHandle hWnd = 0x4600005;
    ++hWnd;
    for (qsizetype i = 0; i < ticks.size(); ++i) {
        activeWindow = inUse[i];
        Module1::SetTopmostInView(hWnd, ticks[i] ? True : False);
    }
    QCOMPARE(QList<bool>(attention.begin(), attention.end()), requests);
}

QTEST_APPLESS_MAIN(TestModule1)
#include "tst_module1.moc"
