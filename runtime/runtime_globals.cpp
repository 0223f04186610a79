#include "runtime/runtime_globals.h"

RuntimeGlobals& Globals() {
    static RuntimeGlobals globals;
    return globals;
}

void ResetGlobals() { Globals() = RuntimeGlobals{}; }
