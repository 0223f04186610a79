#pragma once

// A transition target for tests: records every block copy with the number of the step it belongs
// to, counts presents, can end the transition at a chosen abort poll, can refuse copies, and can
// draw into a DC as the view's target does.

#include <chrono>
#include <memory>
#include <vector>

#include "runtime/transitions/dc_transition_target.h"
#include "runtime/transitions/transition_clock.h"

namespace transitions::testing {

struct RecordedCopy {
    int srcX, srcY, dstX, dstY, width, height;
    int step;  // abort polls before this copy; without pacing that is the step number
    friend bool operator==(const RecordedCopy&, const RecordedCopy&) = default;
};

class RecordingTarget final : public TransitionTarget {
public:
    explicit RecordingTarget(gdi::DC* draw = nullptr) {
        if (draw) drawTo_ = std::make_unique<DCTransitionTarget>(*draw);
    }

    bool CopyBlock(const gdi::Bitmap& source, int srcX, int srcY, int dstX, int dstY, int width,
                   int height) override {
        copies.push_back({srcX, srcY, dstX, dstY, width, height, polls});
        if (refuseCopies) return false;
        return !drawTo_ || drawTo_->CopyBlock(source, srcX, srcY, dstX, dstY, width, height);
    }
    void Present() override {
        ++presents;
        if (drawTo_) drawTo_->Present();
    }
    bool PollAbort() override { return ++polls == abortAtPoll; }

    std::vector<RecordedCopy> copies;
    int polls = 0;
    int presents = 0;
    int abortAtPoll = -1;
    bool refuseCopies = false;

private:
    std::unique_ptr<DCTransitionTarget> drawTo_;
};

// A clock that only moves when waited on.
class FakeClock final : public TransitionClock {
public:
    std::chrono::nanoseconds Now() override { return now; }
    void WaitUntil(std::chrono::nanoseconds when) override {
        ++waits;
        if (when > now) now = when;
    }
    std::chrono::nanoseconds now{std::chrono::seconds(1)};
    int waits = 0;
};

}  // namespace transitions::testing
