#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// One media command string split into its words: "play Media0 from 0 notify" becomes the verb
// "play", the device "Media0" and the arguments "from", "0", "notify". A word in double quotes may
// hold blanks; inside it a doubled quote stands for one quote character, which is how
// QuoteMciArgument writes a file name that itself holds a quote.
struct MciCommand {
    std::string verb;    // lower case
    std::string device;  // as written (an alias, a quoted file name, or "all")
    std::vector<std::string> arguments;
};

// Longest command string accepted; longer input is refused before it is split.
constexpr std::size_t kMaxMciCommandLength = 8192;

// Splits text into words. On failure returns nullopt and sets error (an mci_error number).
std::optional<std::vector<std::string>> SplitMciWords(std::string_view text, int& error);

// Splits a whole command. Fails on an empty command or one without a device.
std::optional<MciCommand> ParseMciCommand(std::string_view text, int& error);

// The word in double quotes, each quote inside doubled, so that SplitMciWords reads it back
// exactly.
std::string QuoteMciArgument(std::string_view word);

// Reads the arguments of a command from left to right.
class MciArgumentReader {
public:
    explicit MciArgumentReader(const std::vector<std::string>& arguments) : arguments_(arguments) {}

    bool AtEnd() const { return next_ >= arguments_.size(); }
    // The next word in lower case, consumed; empty at the end.
    std::string TakeKeyword();
    // The next word as written, consumed; nullopt at the end.
    std::optional<std::string> TakeWord();
    // The next word as a decimal integer (optionally signed), consumed only when it is one.
    // Sets error to kNoInteger at the end and kBadInteger for a word that is not a number.
    std::optional<std::int64_t> TakeInteger(int& error);

private:
    const std::vector<std::string>& arguments_;
    std::size_t next_ = 0;
};

// Case-insensitive comparison of ASCII words.
bool MciWordEquals(std::string_view a, std::string_view b);
std::string MciLower(std::string_view word);
