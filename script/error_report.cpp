#include "script/error_report.h"

std::string ScriptDiagnostic::Text() const {
    return std::to_string(line) + "." + std::to_string(column) + " " + message;
}

ErrorReport::Outcome RecordingErrorReport::Report(const ScriptDiagnostic& diagnostic) {
    errors.push_back(diagnostic);
    return Outcome::Continue;
}
