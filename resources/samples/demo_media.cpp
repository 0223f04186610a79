#include "resources/samples/demo_media.h"

#include <cmath>
#include <cstdint>

namespace {

void Put16(std::string& out, uint32_t v) {
    out += static_cast<char>(v & 0xff);
    out += static_cast<char>((v >> 8) & 0xff);
}

void Put32(std::string& out, uint32_t v) {
    Put16(out, v & 0xffff);
    Put16(out, v >> 16);
}

constexpr int kWidth = 200;
constexpr int kHeight = 120;

// Palette: 0 magenta key, 1..100 sky from deep blue to orange, 101..150 hills, 151..255 sun.
uint8_t PixelAt(int x, int y) {
    const double sunX = 100, sunY = 70, sunR = 28;
    const double hill = 88 + 10 * std::sin(x / 23.0) + 6 * std::sin(x / 9.0 + 1.0);
    const double corner = std::hypot(x < 100 ? x : kWidth - 1 - x, y);
    if (corner < 18) return 0;
    if (y > hill) return static_cast<uint8_t>(101 + std::min(49, (y - static_cast<int>(hill)) * 2));
    double d = std::hypot(x - sunX, y - sunY);
    if (d < sunR) return static_cast<uint8_t>(151 + std::min(104.0, d * 104 / sunR));
    return static_cast<uint8_t>(1 + std::min(99, y * 100 / kHeight));
}

void PutPaletteEntry(std::string& out, int r, int g, int b) {
    out += static_cast<char>(b);
    out += static_cast<char>(g);
    out += static_cast<char>(r);
    out += '\0';
}

}  // namespace

std::string MakeSunsetBmp() {
    const uint32_t stride = (kWidth + 3) & ~3u;
    const uint32_t imageSize = stride * kHeight;
    const uint32_t bitsOffset = 14 + 40 + 256 * 4;
    std::string out;
    out += "BM";
    Put32(out, bitsOffset + imageSize);
    Put32(out, 0);
    Put32(out, bitsOffset);
    Put32(out, 40);
    Put32(out, kWidth);
    Put32(out, kHeight);
    Put16(out, 1);
    Put16(out, 8);
    Put32(out, 0);
    Put32(out, imageSize);
    Put32(out, 2835);
    Put32(out, 2835);
    Put32(out, 256);
    Put32(out, 0);
    PutPaletteEntry(out, 255, 0, 255);
    for (int i = 1; i <= 100; ++i) PutPaletteEntry(out, 20 + i * 2, 30 + i, 120 - i / 2);
    for (int i = 0; i < 50; ++i) PutPaletteEntry(out, 20 + i, 90 - i, 30);
    for (int i = 0; i < 105; ++i) PutPaletteEntry(out, 255, 240 - i, 120 - i);
    for (int y = kHeight - 1; y >= 0; --y) {  // bottom-up rows
        for (int x = 0; x < kWidth; ++x) out += static_cast<char>(PixelAt(x, y));
        for (uint32_t pad = kWidth; pad < stride; ++pad) out += '\0';
    }
    return out;
}

std::string MakeChimeWav() {
    const uint32_t rate = 11025;
    const uint32_t count = rate * 2 / 5;
    std::string samples;
    for (uint32_t i = 0; i < count; ++i) {
        double t = static_cast<double>(i) / rate;
        double frequency = i < count / 2 ? 880.0 : 660.0;
        double envelope = std::exp(-6.0 * std::fmod(t, 0.2));
        double v = 0.6 * envelope * std::sin(2 * M_PI * frequency * t);
        samples += static_cast<char>(static_cast<uint8_t>(std::lround(128 + 127 * v)));
    }
    std::string out;
    out += "RIFF";
    Put32(out, 36 + count);
    out += "WAVEfmt ";
    Put32(out, 16);
    Put16(out, 1);
    Put16(out, 1);
    Put32(out, rate);
    Put32(out, rate);
    Put16(out, 1);
    Put16(out, 8);
    out += "data";
    Put32(out, count);
    out += samples;
    return out;
}
