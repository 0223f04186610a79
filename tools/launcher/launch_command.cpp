#include "tools/launcher/launch_command.h"

std::string ProgramFolderOf(const std::string& programPath) {
    const std::size_t last = programPath.find_last_of('/');
    if (last == std::string::npos) return "";
    return programPath.substr(0, last + 1);
}

std::string LauncherCommandLine(LauncherVariant variant, const std::string& folder) {
    switch (variant) {
        case LauncherVariant::kSetup:
            return folder + "Tavrin/Setup.exe";
        case LauncherVariant::kPresentation:
            return folder + "Tavrin/Vistrel.dll \"" + folder + "TVData.bin\"";
    }
    return "";
}
