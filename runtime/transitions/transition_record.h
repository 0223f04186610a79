#pragma once

// The transition record: what StartTransition hands to the engine, and the engine's result codes.

#include <cstdint>

namespace transitions {

// Reveal patterns (the record's type).
inline constexpr std::int16_t kTypeBlinds = 1;
inline constexpr std::int16_t kTypeIris = 5;
inline constexpr std::int16_t kTypeDissolve = 6;
inline constexpr std::int16_t kTypeSlide = 8;
inline constexpr std::int16_t kTypeWipe = 12;

// Directions. Wipes and slides use all four; blinds use 1 (horizontal) and 2 (vertical); the iris
// uses 1 (open) and 2 (close); the dissolve has none.
inline constexpr std::int16_t kDirectionLeft = 1;   // wipe: right edge to left; slide: moving left
inline constexpr std::int16_t kDirectionRight = 2;  // wipe: left edge to right; slide: moving right
inline constexpr std::int16_t kDirectionUp = 4;     // bottom edge to top
inline constexpr std::int16_t kDirectionDown = 8;   // top edge to bottom
inline constexpr std::int16_t kBlindsHorizontal = 1;
inline constexpr std::int16_t kBlindsVertical = 2;
inline constexpr std::int16_t kIrisOpen = 1;
inline constexpr std::int16_t kIrisClose = 2;

// The abort filter that ends a transition on a key press or a left, right or middle button press.
inline constexpr std::uint16_t kAbortOnPress = 0xFFFF;

// Results of RunTransitionEngine. Callers that keep a 16-bit value see them as 0xF82B, 0xF82C,
// 0xF82D, 0xF449 and 0xF827.
inline constexpr int kTransitionOk = 0;
inline constexpr int kErrBadCellSize = -2005;
inline constexpr int kErrBadDirection = -2004;
inline constexpr int kErrBadType = -2003;
inline constexpr int kErrCopyFailed = -2999;
inline constexpr int kErrAborted = -2009;

struct TransitionRecord {
    std::int16_t type = kTypeDissolve;
    std::int16_t direction = 0;
    // Non-zero: the region is the whole picture, origins 0. The runtime always passes 0.
    std::int32_t wholeWindow = 0;
    std::int16_t cellWidth = 2;
    std::int16_t cellHeight = 2;
    // Line thickness of one blind step, in pixels.
    std::int16_t step = 1;
    // Milliseconds to wait after every step; 0 or less for none.
    std::int32_t delay = 0;
    std::uint16_t abortFilter = kAbortOnPress;
    friend bool operator==(const TransitionRecord&, const TransitionRecord&) = default;
};

}  // namespace transitions
