#include "runtime/vistrel_start.h"

#include "platform/shell/command_line.h"
#include "runtime/script_check.h"
#include "runtime/script_error.h"

VistrelArguments ParseVistrelArguments(const std::vector<std::string>& arguments) {
    if (!arguments.empty() && arguments.front() == "--check") {
        return {true, CommandLineTakenWhole({arguments.begin() + 1, arguments.end()})};
    }
    return {false, CommandLineTakenWhole(arguments)};
}

int RunCheckMode(const std::string& path, std::ostream& err) {
    if (path.empty()) {
        err << "Vistrel: usage: Vistrel.dll --check SCRIPT\n";
        return kExitScriptError;
    }
    ScriptCheck result = CheckScriptFile(path);
    switch (result.status) {
        case ScriptCheck::Status::Loaded:
            return 0;
        case ScriptCheck::Status::ScriptError:
            err << result.message << "\n";
            return kExitScriptError;
        case ScriptCheck::Status::Unreadable:
            err << "Vistrel: " << result.message << "\n";
            return kExitScriptError;
    }
    return kExitScriptError;
}
