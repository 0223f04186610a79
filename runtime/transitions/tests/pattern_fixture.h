#pragma once

// Pictures and runs shared by the pattern tests.

#include <cstdint>

#include "platform/gdi/bitmap.h"
#include "platform/gdi/device_context.h"
#include "runtime/transitions/tests/recording_target.h"
#include "runtime/transitions/transition_engine.h"

namespace transitions::testing {

// A picture in which every pixel differs from every other.
inline gdi::HBITMAP MakeNumberedPicture(int width, int height) {
    gdi::HBITMAP picture = gdi::CreateBitmap(width, height, 32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture->SetPixel(x, y, static_cast<gdi::COLORREF>(y * width + x + 1));
    return picture;
}

// Pacing without any block cost, on a clock that only moves when waited on.
inline TransitionPacing UnpacedOn(FakeClock& clock) {
    TransitionPacing pacing;
    pacing.copyCost = std::chrono::nanoseconds::zero();
    pacing.clock = &clock;
    return pacing;
}

inline TransitionRecord Record(std::int16_t type, std::int16_t direction, std::int16_t cell) {
    TransitionRecord record;
    record.type = type;
    record.direction = direction;
    record.cellWidth = record.cellHeight = cell;
    record.delay = 0;
    return record;
}

// Runs the engine alone over the whole width × height region and records it.
inline RecordingTarget RunRecorded(const TransitionRecord& record, int width, int height,
                                   int* result = nullptr) {
    FakeClock clock;
    RecordingTarget target;
    const int rc = RunTransitionEngine(MakeNumberedPicture(width, height), 0, 0, -1, -1, target, 0,
                                       0, record, UnpacedOn(clock));
    if (result) *result = rc;
    return target;
}

}  // namespace transitions::testing
