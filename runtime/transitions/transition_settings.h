#pragma once

// Process-wide settings of the transitions.
//
// The transition timing T is the application's step delay base in milliseconds: the script
// header's TIMING n makes it n × 10; without a TIMING it is 20. The grammar sets it while reading
// the header; StartTransition reads it for every SLOW effect.
//
// The block copy cost is the pacing that keeps a transition visible on fast machines: every block
// copy is charged this much time in the engine's schedule (see transition_engine.h). Tests and the
// headless export set it to 0, which leaves only the records' own delays.

#include <chrono>
#include <cstdint>

namespace transitions {

inline constexpr std::int32_t kDefaultTransitionTiming = 20;
inline constexpr std::chrono::nanoseconds kNominalBlockCopyCost = std::chrono::microseconds(10);
// The engine presents the partly revealed picture once per display frame of its schedule.
inline constexpr std::chrono::nanoseconds kTransitionFrameInterval =
    std::chrono::microseconds(16667);

void SetTransitionTiming(std::int32_t milliseconds);
std::int32_t TransitionTiming();

// A negative cost counts as 0.
void SetTransitionCopyCost(std::chrono::nanoseconds cost);
std::chrono::nanoseconds TransitionCopyCost();

}  // namespace transitions
