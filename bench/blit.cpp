// Frame copies of the drawing layer beside a memcpy of the same number of bytes in the same run:
// a plain 640 × 480 BitBlt, a 320 × 240 picture stretched to 640 × 480, and the masked draw of a
// 200 × 200 sprite and of a full frame. Goals: the plain copy within 2 × its memcpy, the masked
// full frame within 4 ×.

#include "medialib/mask_bmp.h"
#include "platform/gdi/gdi.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

using namespace gdi;

namespace {

HBITMAP Pattern(int w, int h) {
    HBITMAP b = CreateBitmap(w, h, 32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) b->SetPixel(x, y, ((x / 7 + y / 5) % 3 == 0) ? RGB(255, 0, 255) : RGB(x, y, x ^ y));
    return b;
}

struct Frame {
    Frame(int w, int h) : dc(CreateCompatibleDC(nullptr)), bitmap(Pattern(w, h)) { dc->SelectBitmap(bitmap); }
    DCPtr dc;
    HBITMAP bitmap;
};

void Memcpy(benchmark::State& state) {
    const size_t bytes = static_cast<size_t>(state.range(0));
    std::vector<char> from(bytes, 1), to(bytes, 0);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), bytes);
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(bytes));
}

void BitBltFrame(benchmark::State& state) {
    Frame source(640, 480), target(640, 480);
    for (auto _ : state) {
        BitBlt(*target.dc, 0, 0, 640, 480, source.dc.get(), 0, 0, SRCCOPY);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * 640 * 480 * 4);
}

void StretchBltToFrame(benchmark::State& state) {
    Frame source(320, 240), target(640, 480);
    target.dc->SetStretchBltMode(COLORONCOLOR);
    for (auto _ : state) {
        StretchBlt(*target.dc, 0, 0, 640, 480, source.dc.get(), 0, 0, 320, 240, SRCCOPY);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * 640 * 480 * 4);
}

void MaskDraw(benchmark::State& state) {
    const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
    CMaskBmp sprite;
    sprite.Build(Pattern(w, h), nullptr, RGB(255, 0, 255));
    Frame target(640, 480);
    for (auto _ : state) {
        sprite.Draw(*target.dc, 0, 0, -1, -1, 0, 0);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * w * h * 4);
}

}  // namespace

BENCHMARK(Memcpy)->Arg(640 * 480 * 4)->Name("Memcpy/frame_640x480");
BENCHMARK(BitBltFrame)->Name("BitBlt/frame_640x480");
BENCHMARK(StretchBltToFrame)->Name("StretchBlt/320x240_to_640x480");
BENCHMARK(Memcpy)->Arg(200 * 200 * 4)->Name("Memcpy/sprite_200x200");
BENCHMARK(MaskDraw)->Args({200, 200})->Name("CMaskBmp_Draw/sprite_200x200");
BENCHMARK(MaskDraw)->Args({640, 480})->Name("CMaskBmp_Draw/frame_640x480");

BENCHMARK_MAIN();
