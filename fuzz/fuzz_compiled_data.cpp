// Any bytes read as TVData.bin either fail or give a list whose re-written form reads back the same.
#include <cstdlib>
#include <string_view>

#include "script/owner_text.h"
#include "script/script_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CScriptReader reader;
    if (!reader.ReadCompiledBytes(std::string_view(reinterpret_cast<const char*>(data), size)))
        return 0;
    // An owner text that starts with a zero byte reads as empty, and an empty one is never written.
    if (OwnerText().empty()) return 0;
    std::string written = reader.CompiledData();
    CScriptReader again;
    if (!again.ReadCompiledBytes(written) || again.CompiledData() != written) std::abort();
    return 0;
}
