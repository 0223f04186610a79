#pragma once

// The 27 effect keywords and the transition record each one stands for.

#include <cstdint>
#include <optional>

#include "runtime/transitions/transition_record.h"

namespace transitions {

// The record for an effect keyword (a token kind) under the transition timing T in milliseconds.
// NONE has no record: a picture without effect is copied plainly. Any other keyword that is not an
// effect gives the plain fast dissolve.
std::optional<TransitionRecord> MakeTransitionRecord(std::int32_t effect, std::int32_t timing);

}  // namespace transitions
