#include "medialib/caption_entries.h"

namespace {

// The key text that identifies an entry: "K:" or, for the f key, "f:n#".
std::string EntryKey(std::string_view entry) {
    const std::size_t colon = entry.find(':');
    if (colon == std::string_view::npos || colon == 0) return {};
    std::string key{entry[0], ':'};
    if (entry[0] == 'f') {
        const std::size_t hash = entry.find('#', colon + 1);
        const std::size_t tilde = entry.find('~', colon + 1);
        if (hash != std::string_view::npos && hash < tilde) key += entry.substr(colon + 1, hash - colon);
    }
    return key;
}

bool EntryHasKey(const CaptionEntry& e, const std::string& key) {
    if (e.key != key[0]) return false;
    if (key.size() == 2) return true;
    const std::string_view index = std::string_view(key).substr(2);
    return e.value.substr(0, index.size()) == index;
}

}  // namespace

std::vector<CaptionEntry> SplitCaptionEntries(std::string_view caption) {
    std::vector<CaptionEntry> entries;
    std::size_t pos = 0;
    while (pos < caption.size()) {
        const std::size_t colon = caption.find(':', pos);
        if (colon == std::string_view::npos) break;
        CaptionEntry e;
        e.begin = pos;
        e.key = colon > pos ? caption[pos] : 0;
        const std::size_t tilde = caption.find('~', colon + 1);
        if (tilde == std::string_view::npos) {
            e.value = caption.substr(colon + 1);
            e.end = caption.size();
        } else {
            e.value = caption.substr(colon + 1, tilde - colon - 1);
            e.end = tilde + 1;
        }
        entries.push_back(e);
        pos = e.end;
    }
    return entries;
}

std::string GetCaptionValue(std::string_view caption, char key) {
    for (const CaptionEntry& e : SplitCaptionEntries(caption))
        if (e.key == key) return std::string(e.value);
    return {};
}

std::string SetCaptionEntry(std::string_view caption, std::string_view entry) {
    const std::string key = EntryKey(entry);
    if (key.empty()) return std::string(caption);
    std::string complete(entry);
    if (complete.back() != '~') complete += '~';

    std::string result;
    if (!caption.empty() && caption.find(':') == std::string_view::npos) {
        result = "C:" + std::string(caption) + "~";
    } else {
        for (const CaptionEntry& e : SplitCaptionEntries(caption)) {
            if (EntryHasKey(e, key)) {
                result = std::string(caption.substr(0, e.begin)) + complete + std::string(caption.substr(e.end));
                return result;
            }
        }
        result = std::string(caption);
    }
    if (!result.empty() && result.back() != '~') result += '~';
    return result + complete;
}
