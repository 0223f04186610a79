// Each reveal pattern over a 640 × 480 picture in 2-pixel cells (and the FAST effects' own cells
// where they differ) with no block cost, drawn into a bitmap through the view's kind of target,
// beside one memcpy of the same frame.
#include <benchmark/benchmark.h>

#include <cstring>

#include "platform/gdi/bitmap.h"
#include "platform/gdi/device_context.h"
#include "runtime/transitions/dc_transition_target.h"
#include "runtime/transitions/transition_engine.h"

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
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(bytes));
}
BENCHMARK(BM_FrameMemcpy)->Unit(benchmark::kMillisecond);

void BM_Pattern(benchmark::State& state) {
    Frame frame;
    TransitionRecord record;
    record.type = static_cast<std::int16_t>(state.range(0));
    record.direction = static_cast<std::int16_t>(state.range(1));
    record.cellWidth = record.cellHeight = static_cast<std::int16_t>(state.range(2));
    record.delay = 0;
    TransitionPacing pacing;
    pacing.copyCost = std::chrono::nanoseconds::zero();
    DCTransitionTarget target(*frame.dc);
    for (auto _ : state) {
        const int rc =
            RunTransitionEngine(frame.picture, 0, 0, -1, -1, target, 0, 0, record, pacing);
        benchmark::DoNotOptimize(rc);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_Pattern)
    ->ArgNames({"type", "direction", "cell"})
    ->Args({kTypeWipe, kDirectionRight, 2})
    ->Args({kTypeWipe, kDirectionDown, 2})
    ->Args({kTypeSlide, kDirectionRight, 2})
    ->Args({kTypeSlide, kDirectionDown, 2})
    ->Args({kTypeSlide, kDirectionDown, 4})  // FASTSLIDEDOWN as the effect table gives it
    ->Args({kTypeBlinds, kBlindsHorizontal, 2})
    ->Args({kTypeBlinds, kBlindsVertical, 2})
    ->Args({kTypeBlinds, kBlindsHorizontal, 20})  // FASTBLINDHORIZONTAL
    ->Args({kTypeBlinds, kBlindsVertical, 10})    // FASTBLINDVERTICAL
    ->Args({kTypeIris, kIrisOpen, 2})
    ->Args({kTypeIris, kIrisClose, 2})
    ->Args({kTypeDissolve, 0, 2})
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
