#include "runtime/transitions/transition_settings.h"

#include <algorithm>

namespace transitions {

namespace {
// The whole program runs its transitions on the user-interface thread; no lock is needed.
std::int32_t g_timing = kDefaultTransitionTiming;
std::chrono::nanoseconds g_copyCost = kNominalBlockCopyCost;
}  // namespace

void SetTransitionTiming(std::int32_t milliseconds) {
    g_timing = milliseconds;
}
std::int32_t TransitionTiming() {
    return g_timing;
}

void SetTransitionCopyCost(std::chrono::nanoseconds cost) {
    g_copyCost = std::max(cost, std::chrono::nanoseconds::zero());
}
std::chrono::nanoseconds TransitionCopyCost() {
    return g_copyCost;
}

}  // namespace transitions
