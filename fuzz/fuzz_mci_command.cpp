// Any bytes split into media command words or give an error; words written back with
// QuoteMciArgument split into the same words again.
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/mci/mci_command.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    int error = 0;
    const auto words = SplitMciWords(text, error);
    if (!words) {
        if (error == 0) std::abort();
        return 0;
    }
    std::string rebuilt;
    for (const std::string& word : *words) rebuilt += QuoteMciArgument(word) + " ";
    if (rebuilt.size() > kMaxMciCommandLength) return 0;
    const auto again = SplitMciWords(rebuilt, error);
    if (!again || *again != *words) std::abort();
    if (const auto command = ParseMciCommand(text, error)) {
        MciArgumentReader reader(command->arguments);
        while (!reader.AtEnd()) {
            if (!reader.TakeInteger(error)) reader.TakeKeyword();
        }
    }
    return 0;
}
