// SPDX-License-Identifier: MIT
// What one tick of the cycle costs, next to what composing the countdown text
// alone costs: a tick should cost little more than that.
#include "cycle.h"
#include "numbers.h"

#include <benchmark/benchmark.h>

namespace {

// The window reduced to what the cycle reads and writes, recording nothing.
struct LeanWindow final : WakeprobeControls {
    std::string Text1, Text2 = "30", Text3 = "20";
    CheckValue Check1 = 1, Check2 = 0;

    std::string text2() const override { return Text2; }
    std::string text3() const override { return Text3; }
    void setText1(std::string_view t) override { Text1.assign(t); }
    CheckValue check1Value() const override { return Check1; }
    void setCheck1Value(CheckValue v) override { Check1 = v; }
    void setCheck1Caption(std::string_view) override { }
    CheckValue check2Value() const override { return Check2; }
    void setCheck2Value(CheckValue v) override { Check2 = v; }
    void setCheck2Caption(std::string_view) override { }
    void setCheck2AccessibleName(std::string_view) override { }
    void setCheck2Enabled(bool) override { }
    CheckValue check3Value() const override { return 1; }
    CheckValue check4Value() const override { return 1; }
    void setTitle(std::string_view) override { }
    WindowHandle hWnd() const override { return 1; }
    void beep() override { }

protected:
    void paintCheck2(Colour) override { }
    void runTimer1(bool) override { }
};

std::int32_t noTopmost(const WindowHandle &, const Truth &) { return 1; }

void ComposeCountdownText(benchmark::State &state)
{
    std::string text;
    double left = 1799;
    for (auto _ : state) {
        text = "Seconds to next Check " + FormatSigned(left);
        benchmark::DoNotOptimize(text);
        left = left > 0 ? left - 1 : 1799;
    }
}
BENCHMARK(ComposeCountdownText);

void ReadSetting(benchmark::State &state)
{
    const std::string text = "30";
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadNumber(text));
}
BENCHMARK(ReadSetting);

// Ticks one after another with the given settings, starting afresh before the
// tick counter reaches its limit.
void ticks(benchmark::State &state, const char *interval, const char *limit)
{
    LeanWindow w;
    w.Text2 = interval;
    w.Text3 = limit;
    ReminderCycle cycle(w, noTopmost);
    cycle.load();
    int count = 0;
    for (auto _ : state) {
        if (++count == 30000) {
            state.PauseTiming();
            cycle.load();
            count = 0;
            state.ResumeTiming();
        }
        cycle.timer1Tick();
    }
}

void CountingTick(benchmark::State &state) { ticks(state, "1e6", "20"); } // never prompts
BENCHMARK(CountingTick);

void PromptTick(benchmark::State &state) { ticks(state, "0", "1e9"); } // always prompts
BENCHMARK(PromptTick);

void UnattendedCycle(benchmark::State &state)
{
    LeanWindow w;
    ReminderCycle cycle(w, noTopmost);
    cycle.load();
    for (auto _ : state)
        for (int tick = 0; tick < 1821; ++tick)
            cycle.timer1Tick();
    state.SetItemsProcessed(state.iterations() * 1821);
}
BENCHMARK(UnattendedCycle);

} // namespace

BENCHMARK_MAIN();
