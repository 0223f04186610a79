// Splits arbitrary bytes as a command line and checks that quoting gives every argument back.
#include "platform/shell/command_line.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/shell/program_start.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 4096) return 0;
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    const std::vector<CommandLineWord> words = SplitCommandLineWords(line);
    std::string requoted;
    std::vector<std::string> texts;
    std::size_t previousEnd = 0;
    for (const CommandLineWord& word : words) {
        if (word.begin < previousEnd || word.end <= word.begin || word.end > size) std::abort();
        if (word.text.size() > word.end - word.begin) std::abort();
        previousEnd = word.end;
        if (!requoted.empty()) requoted.push_back(' ');
        requoted += QuoteArgument(word.text);
        texts.push_back(word.text);
    }
    if (SplitCommandLine(requoted) != texts) std::abort();
    (void)CommandLineTakenWhole(texts);
    // Resolving looks files up but never starts anything.
    (void)ParseProgramCommand(line);
    return 0;
}
