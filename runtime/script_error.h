#pragma once

#include <cstdint>
#include <string>

#include "script/error_report.h"

class CScriptReader;

// The runtime's error report: "Syntax error" with "line.column message" through ShowMessage, then
// the load or run is abandoned (the reader clears its token list and throws ScriptAbandoned) and
// the program ends with kExitScriptError.
class RuntimeErrorReport : public ErrorReport {
public:
    Outcome Report(const ScriptDiagnostic& diagnostic) override;
};

// The exit code of the runtime after a script error, and after any failed load.
inline constexpr int kExitScriptError = 101;

// A run-time script error at the reader's current token: the text of the string id, a blank and
// the name. Does not return under the runtime's report.
void ScriptError(CScriptReader& reader, int32_t stringId, const std::string& name);
