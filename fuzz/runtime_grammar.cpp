// The grammar over arbitrary scripts with a recording report; then the layout write-back on every
// object, and the rewritten text, which must scan back to the same tokens.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/message/message_display.h"
#include "runtime/vistrel_doc.h"
#include "script/script_rewrite.h"

namespace {

bool SameTokens(const CCursorArray<CToken>& a, const CCursorArray<CToken>& b) {
    if (a.Count() != b.Count()) return false;
    for (int32_t i = 0; i < a.Count(); ++i) {
        if (a[i].kind != b[i].kind || a[i].value != b[i].value || a[i].text != b[i].text) return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool quiet = [] {
        SetMessageDisplay([](const std::string&, const std::string&) {});
        return true;
    }();
    (void)quiet;

    CVistrelDoc doc;
    RecordingErrorReport report;
    doc.Reader().SetErrorReport(&report);
    doc.Reader().OpenScriptText(std::string_view(reinterpret_cast<const char*>(data), size));
    const bool lexicalError = report.HasError();
    doc.ParseScript();
    for (const auto& object : doc.Objects()) {
        object->SyncLayout(doc.Reader(), false);
        object->SyncLayout(doc.Reader(), true);
    }
    if (lexicalError) return 0;

    const std::string text = RewriteText(doc.Reader().Tokens());
    CScriptReader again;
    RecordingErrorReport againReport;
    again.SetErrorReport(&againReport);
    again.OpenScriptText(text);
    if (againReport.HasError() || !SameTokens(doc.Reader().Tokens(), again.Tokens())) std::abort();
    return 0;
}
