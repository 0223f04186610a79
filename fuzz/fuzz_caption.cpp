// Captions come from dialog templates and from text that the programs put into them at run time.
#include "medialib/caption.h"
#include "medialib/caption_entries.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const CaptionStringLookup strings = [](int id) -> std::optional<std::string> {
        if (id == 1) return "9A0C8E,2,3,0,4,5,1,6,7,0";
        return std::nullopt;
    };
    const ParsedCaption parsed = ParseCaption(text, strings);
    (void)ParseFontEntry(parsed.font);
    // The first line is an entry to set on the rest.
    const std::size_t newline = text.find('\n');
    if (newline != std::string_view::npos) {
        const std::string edited = SetCaptionEntry(text.substr(newline + 1), text.substr(0, newline));
        (void)ParseCaption(edited, strings);
        (void)GetCaptionValue(edited, 'C');
    }
    return 0;
}
