#include <iostream>

#include "runtime/script_check.h"
#include "script/tvscript_tool.h"

namespace {

// "tvscript check" loads with the runtime's grammar, as "Vistrel.dll --check" does.
int CheckWithGrammar(const std::string& path, std::ostream& err) {
    ScriptCheck result = CheckScriptFile(path);
    switch (result.status) {
        case ScriptCheck::Status::Loaded: return 0;
        case ScriptCheck::Status::ScriptError: err << result.message << "\n"; return 101;
        case ScriptCheck::Status::Unreadable: err << "tvscript: " << result.message << "\n"; return 2;
    }
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    return RunTvscript(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr,
                       CheckWithGrammar);
}
