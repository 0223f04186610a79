#include "medialib/last_error.h"

#include <atomic>

namespace {
std::atomic<int> lastError{0};
}

int GetLastMediaError() { return lastError.load(); }
void SetLastMediaError(int code) { lastError.store(code); }
