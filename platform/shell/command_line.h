#pragma once

#include <string>
#include <string_view>
#include <vector>

// Command lines as one text, the way the suite's programs hand them to each other.
//
// Splitting follows the usual rules: blanks and tabs separate arguments; double quotes group, so
// a quoted path with blanks stays one argument; inside quotes, "" stands for one literal quote;
// backslashes are literal except directly before a quote, where 2n backslashes give n and open or
// close the quotes, and 2n+1 give n and a literal quote. Paths with backslashes pass unchanged.

// One argument of a split line, with the place it came from, so that a caller can join the
// unquoted words of a program path that holds blanks.
struct CommandLineWord {
    std::string text;       // the argument after quote removal
    std::size_t begin = 0;  // offset of its first character in the line
    std::size_t end = 0;    // offset one past its last character
    bool hadQuote = false;  // a quote character appeared in its raw text
};

// Splits line into its words; an empty or blank line gives none.
std::vector<CommandLineWord> SplitCommandLineWords(std::string_view line);

// Splits line into its arguments.
std::vector<std::string> SplitCommandLine(std::string_view line);

// Quotes argument so that splitting gives it back unchanged; plain words stay as they are.
std::string QuoteArgument(std::string_view argument);

// The whole text after the program name, taken as one path: the arguments joined by single
// blanks, then one pair of surrounding double quotes removed.
std::string CommandLineTakenWhole(const std::vector<std::string>& arguments);

// The same for main's argc and argv (argv[0], the program name, is skipped).
std::string CommandLineTakenWhole(int argc, const char* const* argv);
