#include "runtime/script_error.h"

#include "platform/message/message_display.h"
#include "runtime/runtime_strings.h"
#include "script/script_reader.h"

ErrorReport::Outcome RuntimeErrorReport::Report(const ScriptDiagnostic& diagnostic) {
    ShowMessage("Syntax error", diagnostic.Text());
    return Outcome::Abandon;
}

void ScriptError(CScriptReader& reader, int32_t stringId, const std::string& name) {
    const CToken* token = reader.Current();
    reader.ReportError(token ? token->start : 0, RuntimeString(stringId) + " " + name);
}
