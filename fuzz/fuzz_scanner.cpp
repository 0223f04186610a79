// Any bytes scan to a token list that ends with exactly one end token, with a report that returns.
#include <cstdlib>
#include <string_view>

#include "script/script_reader.h"
#include "script/token_kind.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CScriptReader reader;
    RecordingErrorReport report;
    reader.SetErrorReport(&report);
    reader.OpenScriptText(std::string_view(reinterpret_cast<const char*>(data), size));
    const auto& tokens = reader.Tokens();
    if (tokens.Count() == 0 || tokens[tokens.Count() - 1].kind != Kind::End) std::abort();
    for (int32_t i = 0; i + 1 < tokens.Count(); ++i)
        if (tokens[i].kind == Kind::End) std::abort();
    (void)reader.TokenListing();
    return 0;
}
