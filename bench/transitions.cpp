// Each reveal pattern over a 640 × 480 picture in 2-pixel cells with no block cost, drawn into a
// bitmap through the view's kind of target, beside one memcpy of the same frame.
#include <benchmark/benchmark.h>

#include "platform/gdi/bitmap.h"
#include "platform/gdi/device_context.h"
#include "runtime/transitions/dc_transition_target.h"
#include "runtime/transitions/transition_engine.h"

#include <cstring>

namespace {

using namespace transitions;

constexpr int kWidth = 640;
constexpr int kHeight = 480;

struct Frame {
    gdi::HBITMAP picture = gdi::CreateBitmap(kWidth, kHeight, 32);
    gdi::HBITMAP screen = gdi::CreateBitmap(kWidth, kHeight, 32);
    gdi::DCPtr dc = gdi::CreateCompatibleDC(nullptr);
    Frame() {
        picture->Image().fill(0xFF336699u);
        dc->SelectBitmap(screen);
    }
};

void BM_FrameMemcpy(benchmark::State& state) {
    Frame frame;
    const auto bytes = static_cast<size_t>(frame.picture->Image().sizeInBytes());
    for (auto _ : state) {
        std::memcpy(frame.screen->Image().bits(), frame.picture->Image().constBits(), bytes);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(bytes));
}
BENCHMARK(BM_FrameMemcpy)->Unit(benchmark::kMillisecond);

void BM_Pattern(benchmark::State& state) {
    Frame frame;
    TransitionRecord record;
    record.type = static_cast<std::int16_t>(state.range(0));
    record.direction = static_cast<std::int16_t>(state.range(1));
    record.cellWidth = record.cellHeight = 2;
    record.delay = 0;
    TransitionPacing pacing;
    pacing.copyCost = std::chrono::nanoseconds::zero();
    DCTransitionTarget target(*frame.dc);
    for (auto _ : state) {
        const int rc = RunTransitionEngine(frame.picture, 0, 0, -1, -1, target, 0, 0, record, pacing);
        benchmark::DoNotOptimize(rc);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_Pattern)
    ->ArgNames({"type", "direction"})
    ->Args({kTypeWipe, kDirectionRight})
    ->Args({kTypeWipe, kDirectionDown})
    ->Args({kTypeSlide, kDirectionRight})
    ->Args({kTypeSlide, kDirectionDown})
    ->Args({kTypeBlinds, kBlindsHorizontal})
    ->Args({kTypeBlinds, kBlindsVertical})
    ->Args({kTypeIris, kIrisOpen})
    ->Args({kTypeIris, kIrisClose})
    ->Args({kTypeDissolve, 0})
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
