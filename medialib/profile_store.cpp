#include "medialib/profile_store.h"

#include <charconv>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <random>
#include <system_error>

namespace {

constexpr std::string_view kBlanks = " \t";

std::string_view Trim(std::string_view text) {
    const std::size_t begin = text.find_first_not_of(kBlanks);
    if (begin == std::string_view::npos) return {};
    const std::size_t end = text.find_last_not_of(kBlanks);
    return text.substr(begin, end - begin + 1);
}

bool HasLineBreak(std::string_view text) {
    return text.find_first_of("\r\n") != std::string_view::npos;
}

std::optional<long> ParseInteger(std::string_view text) {
    text = Trim(text);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    long value = 0;
    const auto [end, failure] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || failure != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::string Fold(const std::string& value) {
    std::string folded;
    for (std::size_t i = 0; i < value.size(); ++i) {
        const char c = value[i];
        if (c == '\r' && i + 1 < value.size() && value[i + 1] == '\n')
            continue;  // CR LF is one break
        folded += c == '\r' || c == '\n' ? ProfileStore::kFoldedBreak : c;
    }
    return folded;
}

}  // namespace

bool ProfileStore::Open(const std::filesystem::path& path, bool writable) {
    path_ = path;
    writable_ = writable;
    dirty_ = false;
    sections_.clear();
    error_.clear();
    std::error_code failure;
    const std::uintmax_t size = std::filesystem::file_size(path, failure);
    if (failure) {
        error_ = path.string() + ": cannot be read (" + failure.message() + ")";
        return false;
    }
    if (size > kMaxFileSize) {
        error_ = path.string() + ": too large for a settings file";
        return false;
    }
    std::ifstream in(path, std::ios::binary);
    std::string text(std::istreambuf_iterator<char>(in), {});
    if (!in && !in.eof()) {
        error_ = path.string() + ": cannot be read";
        return false;
    }
    Parse(text);
    return true;
}

void ProfileStore::Parse(std::string_view text) {
    Section* current = nullptr;
    while (!text.empty()) {
        const std::size_t newline = text.find('\n');
        std::string_view line = text.substr(0, newline);
        text.remove_prefix(newline == std::string_view::npos ? text.size() : newline + 1);
        // Files from other systems end their lines with CR LF; the CR is part of the line end.
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.size() <= 2) continue;
        line = Trim(line);
        if (line.empty() || line.front() == ';') continue;
        if (line.front() == '[') {
            // A header without its "]" names the section by the rest of the line.
            const std::string_view name = line.substr(1, line.find(']') - 1);
            current = &sections_[std::string(name)];
            continue;
        }
        const std::size_t equals = line.find('=');
        if (!current || equals == std::string_view::npos) continue;
        (*current)[std::string(line.substr(0, equals))] = std::string(line.substr(equals + 1));
    }
}

std::optional<std::string> ProfileStore::ReadString(const std::string& section,
                                                    const std::string& key, bool unfold) const {
    const auto s = sections_.find(section);
    if (s == sections_.end()) return std::nullopt;
    const auto k = s->second.find(key);
    if (k == s->second.end()) return std::nullopt;
    std::string value = k->second;
    if (unfold) {
        for (char& c : value) {
            if (c == kFoldedBreak) c = '\n';
        }
    }
    return value;
}

bool ProfileStore::WriteString(const std::string& section, const std::string& key,
                               const std::string& value, bool fold) {
    const bool goodSection =
        !section.empty() && section.find(']') == std::string::npos && !HasLineBreak(section);
    const bool goodKey = !key.empty() && key.find_first_of(";[ \t") != 0 &&
                         key.find('=') == std::string::npos && !HasLineBreak(key);
    if (!goodSection || !goodKey || (!fold && HasLineBreak(value))) return false;

    if (value.empty()) {
        const auto s = sections_.find(section);
        if (s != sections_.end() && s->second.erase(key) > 0) dirty_ = true;
        return true;
    }
    std::string stored = fold ? Fold(value) : value;
    std::string& slot = sections_[section][key];
    if (slot != stored) {
        slot = std::move(stored);
        dirty_ = true;
    }
    return true;
}

std::optional<std::int16_t> ProfileStore::ReadInt16(const std::string& section,
                                                    const std::string& key) const {
    const auto value = ReadString(section, key);
    if (!value) return std::nullopt;
    const auto number = ParseInteger(*value);
    if (!number || *number < INT16_MIN || *number > INT16_MAX) return std::nullopt;
    return static_cast<std::int16_t>(*number);
}

bool ProfileStore::WriteInt16(const std::string& section, const std::string& key,
                              std::int16_t value) {
    return WriteString(section, key, std::to_string(value));
}

std::optional<std::array<int, 4>> ProfileStore::ReadFourInts(const std::string& section,
                                                             const std::string& key) const {
    const auto value = ReadString(section, key);
    if (!value) return std::nullopt;
    std::array<int, 4> numbers{};
    std::string_view rest = *value;
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        const std::size_t comma = rest.find(',');
        if ((comma == std::string_view::npos) != (i + 1 == numbers.size())) return std::nullopt;
        const auto number = ParseInteger(rest.substr(0, comma));
        if (!number || *number < INT32_MIN || *number > INT32_MAX) return std::nullopt;
        numbers[i] = static_cast<int>(*number);
        if (comma != std::string_view::npos) rest.remove_prefix(comma + 1);
    }
    return numbers;
}

std::optional<std::string> ProfileStore::ReadNumbered(const std::string& section,
                                                      int number) const {
    return ReadString(section, std::to_string(number));
}

bool ProfileStore::WriteNumbered(const std::string& section, int number, const std::string& value) {
    return WriteString(section, std::to_string(number), value);
}

std::string ProfileStore::ToText() const {
    std::string text;
    for (const auto& [name, keys] : sections_) {
        if (keys.empty()) continue;
        text += '[' + name + "]\n";
        for (const auto& [key, value] : keys) text += key + '=' + value + '\n';
    }
    return text;
}

bool ProfileStore::Save() {
    if (!dirty_) return true;
    if (!writable_) {
        error_ = path_.string() + ": the settings were opened read-only";
        return false;
    }
    std::filesystem::path temporary = path_;
    temporary += ".tmp" + std::to_string(std::random_device{}() % 1000000);
    const std::string text = ToText();
    bool written = false;
    if (std::FILE* file = std::fopen(temporary.string().c_str(), "wb")) {
        written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
        written = std::fclose(file) == 0 && written;
    }
    std::error_code failure;
    if (written) std::filesystem::rename(temporary, path_, failure);
    if (!written || failure) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        error_ = path_.string() + ": the settings cannot be written";
        return false;
    }
    dirty_ = false;
    return true;
}
