#pragma once

// What every image reader's fuzz target does with a decoded picture: turn it into a device
// bitmap and its palette, as LoadImageFile would.

#include "medialib/dib.h"
#include "medialib/dib_convert.h"
#include "platform/message/message_display.h"

#include <optional>

inline void ConvertDecoded(const std::optional<PackedDib>& dib) {
    if (!dib) return;
    const gdi::HPALETTE palette = CreateDibPalette(*dib);
    (void)DibToBitmap(*dib, palette);
}

// The JPEG glue shows its failures; fuzzing wants them silent.
inline void SilenceMessages() {
    static const bool done = [] {
        SetMessageDisplay([](const std::string&, const std::string&) {});
        return true;
    }();
    (void)done;
}
