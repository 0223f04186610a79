#include "platform/shell/command_line.h"

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

}  // namespace

std::vector<CommandLineWord> SplitCommandLineWords(std::string_view line) {
    std::vector<CommandLineWord> words;
    std::size_t i = 0;
    const std::size_t n = line.size();
    while (true) {
        while (i < n && IsBlank(line[i])) ++i;
        if (i >= n) break;
        CommandLineWord word;
        word.begin = i;
        bool quoted = false;
        while (i < n && (quoted || !IsBlank(line[i]))) {
            const char c = line[i];
            if (c == '\\') {
                std::size_t backslashes = 0;
                while (i < n && line[i] == '\\') {
                    ++backslashes;
                    ++i;
                }
                if (i < n && line[i] == '"') {
                    word.text.append(backslashes / 2, '\\');
                    if (backslashes % 2 == 1) {
                        word.text.push_back('"');
                        word.hadQuote = true;
                        ++i;
                    }
                    // An even count leaves the quote for the next round, which toggles.
                } else {
                    word.text.append(backslashes, '\\');
                }
                continue;
            }
            if (c == '"') {
                word.hadQuote = true;
                if (quoted && i + 1 < n && line[i + 1] == '"') {
                    // A doubled quote inside quotes is one literal quote.
                    word.text.push_back('"');
                    i += 2;
                    continue;
                }
                quoted = !quoted;
                ++i;
                continue;
            }
            word.text.push_back(c);
            ++i;
        }
        word.end = i;
        words.push_back(std::move(word));
    }
    return words;
}

std::vector<std::string> SplitCommandLine(std::string_view line) {
    std::vector<std::string> arguments;
    for (CommandLineWord& word : SplitCommandLineWords(line))
        arguments.push_back(std::move(word.text));
    return arguments;
}

std::string QuoteArgument(std::string_view argument) {
    const bool plain =
        !argument.empty() && argument.find_first_of(" \t\n\r\"") == std::string_view::npos;
    if (plain) return std::string(argument);
    std::string quoted = "\"";
    std::size_t backslashes = 0;
    for (char c : argument) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        if (c == '"') {
            quoted.append(backslashes * 2 + 1, '\\');
        } else {
            quoted.append(backslashes, '\\');
        }
        backslashes = 0;
        quoted.push_back(c);
    }
    // Backslashes before the closing quote are doubled so that they stay literal.
    quoted.append(backslashes * 2, '\\');
    quoted.push_back('"');
    return quoted;
}

std::string CommandLineTakenWhole(const std::vector<std::string>& arguments) {
    std::string whole;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (i > 0) whole.push_back(' ');
        whole += arguments[i];
    }
    if (whole.size() >= 2 && whole.front() == '"' && whole.back() == '"') {
        whole = whole.substr(1, whole.size() - 2);
    }
    return whole;
}

std::string CommandLineTakenWhole(int argc, const char* const* argv) {
    std::vector<std::string> arguments;
    for (int i = 1; i < argc && argv != nullptr; ++i) {
        if (argv[i] != nullptr) arguments.emplace_back(argv[i]);
    }
    return CommandLineTakenWhole(arguments);
}
