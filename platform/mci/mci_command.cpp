#include "platform/mci/mci_command.h"

#include <charconv>

#include "platform/mci/mci_errors.h"

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

}  // namespace

std::string MciLower(std::string_view word) {
    std::string lower(word);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return lower;
}

bool MciWordEquals(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    return MciLower(a) == MciLower(b);
}

std::optional<std::vector<std::string>> SplitMciWords(std::string_view text, int& error) {
    if (text.size() > kMaxMciCommandLength) {
        error = mci_error::kParamOverflow;
        return std::nullopt;
    }
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < text.size()) {
        if (IsBlank(text[i])) {
            ++i;
            continue;
        }
        std::string word;
        if (text[i] == '"') {
            ++i;
            bool closed = false;
            while (i < text.size()) {
                if (text[i] == '"') {
                    if (i + 1 < text.size() && text[i + 1] == '"') {
                        word += '"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    closed = true;
                    break;
                }
                word += text[i++];
            }
            if (!closed) {
                error = mci_error::kNoClosingQuote;
                return std::nullopt;
            }
        } else {
            while (i < text.size() && !IsBlank(text[i])) word += text[i++];
        }
        words.push_back(std::move(word));
    }
    error = mci_error::kNone;
    return words;
}

std::optional<MciCommand> ParseMciCommand(std::string_view text, int& error) {
    std::optional<std::vector<std::string>> words = SplitMciWords(text, error);
    if (!words) return std::nullopt;
    if (words->empty()) {
        error = mci_error::kMissingCommandString;
        return std::nullopt;
    }
    if (words->size() < 2 || (*words)[1].empty()) {
        error = mci_error::kMissingDeviceName;
        return std::nullopt;
    }
    MciCommand command;
    command.verb = MciLower((*words)[0]);
    command.device = std::move((*words)[1]);
    command.arguments.assign(std::make_move_iterator(words->begin() + 2),
                             std::make_move_iterator(words->end()));
    error = mci_error::kNone;
    return command;
}

std::string QuoteMciArgument(std::string_view word) {
    std::string quoted = "\"";
    for (char c : word) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    quoted += '"';
    return quoted;
}

std::string MciArgumentReader::TakeKeyword() {
    if (AtEnd()) return {};
    return MciLower(arguments_[next_++]);
}

std::optional<std::string> MciArgumentReader::TakeWord() {
    if (AtEnd()) return std::nullopt;
    return arguments_[next_++];
}

std::optional<std::int64_t> MciArgumentReader::TakeInteger(int& error) {
    if (AtEnd()) {
        error = mci_error::kNoInteger;
        return std::nullopt;
    }
    const std::string& word = arguments_[next_];
    std::int64_t value = 0;
    const char* begin = word.data();
    const char* end = word.data() + word.size();
    if (begin != end && *begin == '+') ++begin;
    const auto [ptr, ec] = std::from_chars(begin, end, value);
    if (begin == end || ec != std::errc() || ptr != end) {
        error = mci_error::kBadInteger;
        return std::nullopt;
    }
    ++next_;
    error = mci_error::kNone;
    return value;
}
