#include "runtime/runtime_strings.h"

std::string RuntimeString(int32_t id) {
    switch (id) {
        case kStringSocketsFailed: return "Windows sockets initialization failed.";
        case kStringResourceMissing: return "Could not find the following resource:";
        case kStringObjectNotFound: return "Object not found:";
        case kStringNotAnimation: return "Not a valid animation object:";
        case kStringSceneMarkerMissing: return "Scene has no SCENE marker in the DO section:";
        default: return {};
    }
}
