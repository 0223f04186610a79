#include "medialib/split_at.h"

bool SplitAt(std::string& text, std::string_view separator, std::string& head) {
    if (separator.empty()) return false;
    const size_t at = text.find(separator);
    if (at == std::string::npos) return false;
    head = text.substr(0, at);
    text.erase(0, at + separator.size());
    return true;
}
