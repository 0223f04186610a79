#pragma once

// The media library's process-wide last-error cell. Operations write it only when they fail; a
// success never clears it, so a caller that wants to know about one call sets it to 0 first.

namespace media_error {
constexpr int kReadFailure = 2;
constexpr int kNotABitmap = 3;
constexpr int kOutOfMemory = 6;
constexpr int kPaletteFailure = 7;
constexpr int kNoScreenDC = 8;
constexpr int kBitmapCreation = 9;
}  // namespace media_error

int GetLastMediaError();
void SetLastMediaError(int code);
