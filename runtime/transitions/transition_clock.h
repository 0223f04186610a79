#pragma once

// The clock that paces a transition. The steady clock is the real one; tests pass their own.

#include <chrono>

namespace transitions {

class TransitionClock {
public:
    virtual ~TransitionClock() = default;
    // Time since an arbitrary fixed point.
    virtual std::chrono::nanoseconds Now() = 0;
    // Returns at or soon after the given time (at once when it has passed).
    virtual void WaitUntil(std::chrono::nanoseconds when) = 0;
};

// std::chrono::steady_clock; waits sleep the thread, since nothing else runs on it meanwhile.
TransitionClock& SteadyTransitionClock();

}  // namespace transitions
