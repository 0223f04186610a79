#pragma once

// Feedback masks of maximal-length shift registers: entry n drives an (n + 1)-bit register through
// all 2^(n+1) - 1 non-zero values before it returns to its start.

#include <array>
#include <cstdint>

namespace transitions {

// Entry 15 is 0xB400: 0x8400 (taps 16 and 11), which some tables give, is not maximal and returns
// after 16383 of the 65535 values, so a grid of 15 address bits (such as 160 × 120 cells) would
// leave three quarters of its cells for the final copy.
inline constexpr std::array<std::uint32_t, 32> kDissolveMasks = {
    0x1,       0x3,       0x6,       0xC,       0x14,       0x30,       0x60,       0xB8,
    0x110,     0x240,     0x500,     0xCA0,     0x1B00,     0x3500,     0x6000,     0xB400,
    0x12000,   0x20400,   0x72000,   0x90000,   0x140000,   0x300000,   0x420000,   0xD80000,
    0x1200000, 0x3880000, 0x7200000, 0x9000000, 0x14000000, 0x32800000, 0x48000000, 0xA3000000,
};

}  // namespace transitions
