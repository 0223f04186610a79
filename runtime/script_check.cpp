#include "runtime/script_check.h"

#include "runtime/vistrel_doc.h"
#include "script/tvscript_tool.h"

ScriptCheck CheckScriptFile(const std::string& path) {
    CVistrelDoc doc;
    RecordingErrorReport report;
    doc.Reader().SetErrorReport(&report);
    doc.compiledData_ = IsCompiledDataFile(path);
    if (!doc.Reader().OpenScript(path, doc.compiledData_)) {
        return {ScriptCheck::Status::Unreadable,
                doc.compiledData_ ? "not a valid compiled data file: " + path : "cannot read " + path};
    }
    doc.ParseScript();
    if (report.HasError()) return {ScriptCheck::Status::ScriptError, report.errors.front().Text()};
    return {};
}
