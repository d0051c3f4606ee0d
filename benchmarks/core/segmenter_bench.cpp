// Throughput of the cut, and what a tick costs on a book that is one huge
// line (a book with LF line ends) once that line has been cut.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "core/ports.h"
#include "core/reader.h"
#include "core/segmenter.h"

namespace tq {
namespace {

constexpr std::int32_t kWidth = 10;
constexpr std::size_t kOneMegabyte = std::size_t{1} << 20;

// Mixed Chinese and ASCII in code page 936, with blanks, repeated to size.
std::string mixed_line(std::size_t bytes) {
    const std::string pattern = "第一章 天地玄黄，宇宙洪荒。Hello, world! 日月盈昃 42 辰宿列张。";
    std::string line;
    line.reserve(bytes + pattern.size());
    while (line.size() < bytes) line += pattern;
    return line;
}

void BM_SegmentLine(benchmark::State& state) {
    const std::string line = mixed_line(static_cast<std::size_t>(state.range(0)) * kOneMegabyte);
    std::size_t segments = 0;
    for (auto _ : state) {
        TextArray cut = segment_line(line, kWidth);
        segments = cut.size();
        benchmark::DoNotOptimize(cut);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(line.size()));
    state.counters["segments"] = static_cast<double>(segments);
}
BENCHMARK(BM_SegmentLine)->Arg(1)->Arg(50)->Unit(benchmark::kMillisecond);

class QuietTimer : public ReadingTimer {
public:
    void set_period(std::int32_t ms) override { period_ = ms < 0 ? 0 : ms; }
    std::int32_t period() const override { return period_; }

private:
    std::int32_t period_ = 0;
};

class FixedControls : public ReaderControls {
public:
    std::int32_t segment_width() const override { return kWidth; }
    std::int32_t dwell_seconds() const override { return 5; }
    std::int32_t jump_target() const override { return 1; }
    DisplayMode checked_mode() const override { return DisplayMode::TrayTip; }
};

class DiscardingSinks : public DisplaySinks {
public:
    void show_in_tray(const Text& tip) override { benchmark::DoNotOptimize(tip.data()); }
    void show_in_balloon(std::int32_t, std::int32_t, const Text& text) override {
        benchmark::DoNotOptimize(text.data());
    }
    void show_in_caption(const Text& text) override { benchmark::DoNotOptimize(text.data()); }
};

class SilentBoxes : public MessageBoxes {
public:
    MessageAnswer show(const Text&, const Text&, MessageButtons, MessageIcon) override {
        return MessageAnswer::Ok;
    }
};

void BM_TimerTickOnFiftyMegabyteLine(benchmark::State& state) {
    ReadingState reading;
    QuietTimer timer;
    FixedControls controls;
    DiscardingSinks sinks;
    SilentBoxes boxes;
    Reader reader(reading, timer, controls, sinks, boxes);
    TextArray book;
    book.push_back(mixed_line(50 * kOneMegabyte));
    reader.replace_book(std::move(book));
    reading.current_line = 1;
    reading.current_segment = 1;
    reader.show_and_rearm();  // the first, full cut
    const auto last = static_cast<std::int32_t>(reading.line_segments.size());
    for (auto _ : state) {
        reader.timer_tick();
        // Stay inside the line so that every tick is an ordinary advance.
        if (reading.current_segment >= last) reading.current_segment = 1;
    }
}
BENCHMARK(BM_TimerTickOnFiftyMegabyteLine)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kNanosecond);

}  // namespace
}  // namespace tq

BENCHMARK_MAIN();
