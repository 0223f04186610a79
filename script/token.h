#pragma once

#include <cstdint>
#include <string>

// One scanned token. Positions count characters from 1; tokens read from TVData.bin have 0.
// The numbers come first so that a token takes 48 bytes: a script may hold millions.
struct CToken {
    int32_t kind = 0;
    int32_t value = 0;  // the number of an integer token, else 0
    int32_t start = 0;
    int32_t end = 0;
    std::string text;  // identifier as written, string after escapes, or comment body
};
