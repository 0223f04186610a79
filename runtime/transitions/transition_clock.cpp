#include "runtime/transitions/transition_clock.h"

#include <thread>

namespace transitions {

namespace {

class SteadyClock final : public TransitionClock {
public:
    std::chrono::nanoseconds Now() override {
        return std::chrono::duration_cast<std::chrono::nanoseconds>(
            std::chrono::steady_clock::now().time_since_epoch());
    }
    void WaitUntil(std::chrono::nanoseconds when) override {
        std::this_thread::sleep_until(std::chrono::steady_clock::time_point(
            std::chrono::duration_cast<std::chrono::steady_clock::duration>(when)));
    }
};

}  // namespace

TransitionClock& SteadyTransitionClock() {
    static SteadyClock clock;
    return clock;
}

}  // namespace transitions
