#include "runtime/runtime_globals.h"

#include "runtime/transitions/transition_settings.h"

RuntimeGlobals& Globals() {
    static RuntimeGlobals globals;
    return globals;
}

void ResetGlobals() {
    Globals() = RuntimeGlobals{};
    transitions::SetTransitionTiming(transitions::kDefaultTransitionTiming);
}
