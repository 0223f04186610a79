#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

// One script error, where the reader found it.
struct ScriptDiagnostic {
    int32_t position = 0;  // character position, from 1
    int32_t line = 0;      // line number shown to the author, from 1
    int32_t column = 0;
    std::string message;

    // "line.column message", the form every program shows and prints.
    std::string Text() const;
};

// Where a reader sends its errors. The runtime's report shows "Syntax error" and abandons the
// load; tests, the editor and the command-line tools record the error and let the reader go on.
class ErrorReport {
public:
    enum class Outcome { Continue, Abandon };
    virtual ~ErrorReport() = default;
    virtual Outcome Report(const ScriptDiagnostic& diagnostic) = 0;
};

// Thrown by the reader after a report answered Abandon; it ends whatever was being loaded or run.
class ScriptAbandoned : public std::runtime_error {
public:
    explicit ScriptAbandoned(const ScriptDiagnostic& d) : std::runtime_error(d.Text()), diagnostic(d) {}
    ScriptDiagnostic diagnostic;
};

// Keeps the first error and every later one, and lets the reader continue.
class RecordingErrorReport : public ErrorReport {
public:
    Outcome Report(const ScriptDiagnostic& diagnostic) override;
    bool HasError() const { return !errors.empty(); }
    std::vector<ScriptDiagnostic> errors;
};
