#include "runtime/file_lookup.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace {

bool SameIgnoringCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
               return std::tolower(x) == std::tolower(y);
           });
}

// The entry of folder named part, exactly or else ignoring case; empty when there is none.
fs::path FindPart(const fs::path& folder, const std::string& part) {
    std::error_code error;
    fs::path exact = folder / part;
    if (fs::exists(exact, error)) return exact;
    std::vector<fs::path> matches;
    for (fs::directory_iterator it(folder.empty() ? fs::path(".") : folder, error), end;
         !error && it != end; it.increment(error)) {
        if (SameIgnoringCase(it->path().filename().string(), part)) matches.push_back(it->path());
    }
    if (matches.empty()) return {};
    std::sort(matches.begin(), matches.end());
    return folder.empty() ? matches.front().filename() : matches.front();
}

}  // namespace

std::string WithForwardSlashes(std::string text) {
    std::replace(text.begin(), text.end(), '\\', '/');
    return text;
}

std::string FindExistingFile(const std::string& folder, const std::string& name) {
    if (name.empty()) return {};
    const std::string relative = WithForwardSlashes(name);
    std::error_code error;
    const fs::path exact = fs::path(WithForwardSlashes(folder)) / relative;
    if (fs::is_regular_file(exact, error)) return exact.string();

    fs::path current = fs::path(WithForwardSlashes(folder));
    if (!current.empty() && current.filename().empty()) current = current.parent_path();
    size_t begin = 0;
    while (begin <= relative.size()) {
        size_t slash = relative.find('/', begin);
        if (slash == std::string::npos) slash = relative.size();
        std::string part = relative.substr(begin, slash - begin);
        begin = slash + 1;
        if (part.empty() || part == ".") continue;
        if (part == "..") {
            current /= part;
            continue;
        }
        current = FindPart(current, part);
        if (current.empty()) return {};
    }
    if (!fs::is_regular_file(current, error)) return {};
    return current.string();
}
