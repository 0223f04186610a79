#include "tools/launcher/launch_command.h"

#include "platform/shell/command_line.h"

std::string ProgramFolderOf(const std::string& programPath) {
    const std::size_t last = programPath.find_last_of('/');
    if (last == std::string::npos) return "";
    return programPath.substr(0, last + 1);
}

std::string LauncherCommandLine(LauncherVariant variant, const std::string& folder) {
    // A quote in the folder's name would break the line's own quoting, so such a folder gets its
    // paths quoted and escaped throughout; every other folder keeps the line as it always was.
    if (folder.find('"') != std::string::npos) {
        if (variant == LauncherVariant::kSetup) return QuoteArgument(folder + "Tavrin/Setup.exe");
        return QuoteArgument(folder + "Tavrin/Vistrel.dll") + " " +
               QuoteArgument(folder + "TVData.bin");
    }
    switch (variant) {
        case LauncherVariant::kSetup:
            return folder + "Tavrin/Setup.exe";
        case LauncherVariant::kPresentation:
            return folder + "Tavrin/Vistrel.dll \"" + folder + "TVData.bin\"";
    }
    return "";
}
