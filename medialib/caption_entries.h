#pragma once

// Splitting a caption into its entries, shared by the parser and the caption editing helpers.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

struct CaptionEntry {
    char key = 0;            // first character of the text before ":"; 0 when that text is empty
    std::string_view value;  // up to the next "~", or the rest of the caption
    std::size_t begin = 0;   // where the entry starts in the caption
    std::size_t end = 0;     // one past its "~" (or the caption's end)
};

// The entries of caption in order: the text up to the next ":" gives the key, the text up to the
// next "~" the value (which may hold ":"). Trailing text without ":" is no entry. The views point
// into caption.
std::vector<CaptionEntry> SplitCaptionEntries(std::string_view caption);

// The value of the first entry with that key; "" when there is none.
std::string GetCaptionValue(std::string_view caption, char key);

// The caption with entry ("K:value~") set: an entry with the same key (for the f key, the same
// key and index "f:n#") is replaced up to and including its "~", otherwise the entry is added at
// the end. Keys are only matched where an entry starts, so a value holding "C:" (a file path) is
// never taken for an entry. A missing final "~" is supplied on both sides so that entries never
// run into each other, and a caption without ":" (plain caption text) first becomes its C entry.
// An entry without ":" is not an entry: the caption is returned unchanged.
std::string SetCaptionEntry(std::string_view caption, std::string_view entry);
