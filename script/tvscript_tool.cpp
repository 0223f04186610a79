#include "script/tvscript_tool.h"

#include <fstream>

#include "script/owner_text.h"
#include "script/script_reader.h"

namespace {

constexpr int kExitOk = 0;
constexpr int kExitScriptError = 101;
constexpr int kExitUsage = 2;

const char kUsage[] =
    "usage: tvscript tokens FILE          list the tokens of a script or TVData.bin (Debug.txt form)\n"
    "       tvscript compile SCRIPT OUT   write the compiled data file TVData.bin\n"
    "       tvscript check SCRIPT         report the first error as 'line.column message'\n";

// Opens a script or compiled file; prints the first script error and returns its exit code.
int Load(CScriptReader& reader, RecordingErrorReport& report, const std::string& path,
         std::ostream& err) {
    reader.SetErrorReport(&report);
    bool compiled = IsCompiledDataFile(path);
    if (!reader.OpenScript(path, compiled)) {
        err << "tvscript: " << (compiled ? "not a valid compiled data file: " : "cannot read ")
            << path << "\n";
        return kExitUsage;
    }
    if (report.HasError()) {
        err << report.errors.front().Text() << "\n";
        return kExitScriptError;
    }
    return kExitOk;
}

}  // namespace

bool IsCompiledDataFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    unsigned char b[4];
    if (!in.read(reinterpret_cast<char*>(b), 4)) return false;
    uint32_t magic = uint32_t{b[0]} | uint32_t{b[1]} << 8 | uint32_t{b[2]} << 16 | uint32_t{b[3]} << 24;
    return magic == static_cast<uint32_t>(kCompiledDataMagic);
}

int RunTvscript(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                const TvscriptCheck& grammarCheck) {
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        out << kUsage;
        return kExitOk;
    }
    const bool tokens = args.size() == 2 && args[0] == "tokens";
    const bool check = args.size() == 2 && args[0] == "check";
    const bool compile = args.size() == 3 && args[0] == "compile";
    if (!tokens && !check && !compile) {
        err << kUsage;
        return kExitUsage;
    }

    if (check && grammarCheck) return grammarCheck(args[1], err);

    CScriptReader reader;
    RecordingErrorReport report;
    int code = Load(reader, report, args[1], err);
    if (code == kExitUsage) return code;
    if (tokens) {
        // The listing is written even after a lexical error: it shows how far the scan got.
        std::string listing = reader.TokenListing();
        out.write(listing.data(), static_cast<std::streamsize>(listing.size()));
        return kExitOk;
    }
    if (code != kExitOk) return code;
    if (compile) {
        OwnerText() = kSuiteOwnerText;
        if (!reader.WriteTokens(args[2], true)) {
            err << "tvscript: cannot write " << args[2] << "\n";
            return kExitUsage;
        }
    }
    return kExitOk;
}
