#include "platform/shell/file_association.h"

#include <QMimeDatabase>
#include <QMimeType>
#include <QString>
#include <QStringList>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>

#include "platform/shell/command_line.h"
#include "platform/shell/program_start.h"

namespace {

// Settings and desktop files are small; anything larger is not read.
constexpr std::uintmax_t kMaxKeyFileBytes = 1 << 20;

using KeyFile = std::map<std::string, std::map<std::string, std::string>>;

std::string Trim(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return "";
    const std::size_t last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

// Reads the groups and keys of a freedesktop.org key file; later duplicates do not replace
// earlier keys. A missing, unreadable or oversized file reads as empty.
KeyFile ReadKeyFile(const std::filesystem::path& path) {
    KeyFile groups;
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return groups;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error || size > kMaxKeyFileBytes) return groups;
    std::ifstream in(path);
    std::string line;
    std::string group;
    while (std::getline(in, line)) {
        line = Trim(line);
        if (line.empty() || line.front() == '#') continue;
        if (line.front() == '[') {
            const std::size_t close = line.find(']');
            group = close == std::string::npos ? "" : line.substr(1, close - 1);
            continue;
        }
        const std::size_t equals = line.find('=');
        if (equals == std::string::npos || group.empty()) continue;
        groups[group].emplace(Trim(line.substr(0, equals)), Trim(line.substr(equals + 1)));
    }
    return groups;
}

std::vector<std::string> SplitList(const std::string& value) {
    std::vector<std::string> items;
    std::size_t start = 0;
    while (start < value.size()) {
        std::size_t stop = value.find(';', start);
        if (stop == std::string::npos) stop = value.size();
        std::string item = Trim(value.substr(start, stop - start));
        if (!item.empty()) items.push_back(std::move(item));
        start = stop + 1;
    }
    return items;
}

std::vector<std::string> SplitFolders(const char* value, const char* fallback) {
    std::vector<std::string> folders;
    const std::string text = value != nullptr && *value != '\0' ? value : fallback;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t stop = text.find(':', start);
        if (stop == std::string::npos) stop = text.size();
        std::string folder = text.substr(start, stop - start);
        if (!folder.empty() && folder.front() == '/') folders.push_back(std::move(folder));
        start = stop + 1;
    }
    return folders;
}

std::vector<std::filesystem::path> ApplicationFolders(const XdgDirectories& dirs) {
    std::vector<std::filesystem::path> folders;
    if (!dirs.dataHome.empty())
        folders.push_back(std::filesystem::path(dirs.dataHome) / "applications");
    for (const std::string& dir : dirs.dataDirs)
        folders.push_back(std::filesystem::path(dir) / "applications");
    return folders;
}

// The mimeapps.list files in the order of precedence, then the older defaults.list files.
std::vector<std::filesystem::path> DefaultLists(const XdgDirectories& dirs) {
    std::vector<std::filesystem::path> lists;
    if (!dirs.configHome.empty())
        lists.push_back(std::filesystem::path(dirs.configHome) / "mimeapps.list");
    for (const std::string& dir : dirs.configDirs)
        lists.push_back(std::filesystem::path(dir) / "mimeapps.list");
    for (const std::filesystem::path& folder : ApplicationFolders(dirs))
        lists.push_back(folder / "mimeapps.list");
    for (const std::filesystem::path& folder : ApplicationFolders(dirs))
        lists.push_back(folder / "defaults.list");
    return lists;
}

// The desktop file of a desktop id; "vendor-app.desktop" may also live as "vendor/app.desktop".
std::optional<std::filesystem::path> FindDesktopFile(const std::string& id,
                                                     const XdgDirectories& dirs) {
    if (id.find('/') != std::string::npos || id.find("..") != std::string::npos)
        return std::nullopt;
    for (const std::filesystem::path& folder : ApplicationFolders(dirs)) {
        std::error_code error;
        const std::filesystem::path direct = folder / id;
        if (std::filesystem::is_regular_file(direct, error)) return direct;
        std::string nested = id;
        for (std::size_t dash = nested.find('-'); dash != std::string::npos;
             dash = nested.find('-', dash + 1)) {
            nested[dash] = '/';
            const std::filesystem::path candidate = folder / nested;
            if (std::filesystem::is_regular_file(candidate, error)) return candidate;
        }
    }
    return std::nullopt;
}

// The launch command of an installed desktop entry, or none.
std::optional<std::string> CommandOfDesktopId(const std::string& id, const XdgDirectories& dirs) {
    const std::optional<std::filesystem::path> file = FindDesktopFile(id, dirs);
    if (!file) return std::nullopt;
    KeyFile groups = ReadKeyFile(*file);
    auto entry = groups.find("Desktop Entry");
    if (entry == groups.end()) return std::nullopt;
    auto& keys = entry->second;
    if (keys["Hidden"] == "true") return std::nullopt;
    if (keys.count("Type") != 0 && keys["Type"] != "Application") return std::nullopt;
    if (keys.count("TryExec") != 0 && !keys["TryExec"].empty() &&
        !StartSucceeded(ResolveProgram(keys["TryExec"]).result)) {
        return std::nullopt;
    }
    const std::optional<std::vector<std::string>> exec = ParseDesktopExec(keys["Exec"]);
    if (!exec) return std::nullopt;
    const ResolvedProgram program = ResolveProgram(exec->front());
    if (!StartSucceeded(program.result)) return std::nullopt;
    std::string command = QuoteArgument(program.path);
    for (std::size_t i = 1; i < exec->size(); ++i) command += " " + QuoteArgument((*exec)[i]);
    return command;
}

std::optional<std::string> CommandForType(const std::string& type, const XdgDirectories& dirs) {
    for (const std::filesystem::path& list : DefaultLists(dirs)) {
        KeyFile groups = ReadKeyFile(list);
        auto defaults = groups.find("Default Applications");
        if (defaults == groups.end()) continue;
        auto value = defaults->second.find(type);
        if (value == defaults->second.end()) continue;
        for (const std::string& id : SplitList(value->second)) {
            if (auto command = CommandOfDesktopId(id, dirs)) return command;
        }
    }
    // No default: any installed application that declares the type.
    for (const std::filesystem::path& folder : ApplicationFolders(dirs)) {
        KeyFile groups = ReadKeyFile(folder / "mimeinfo.cache");
        auto cache = groups.find("MIME Cache");
        if (cache == groups.end()) continue;
        auto value = cache->second.find(type);
        if (value == cache->second.end()) continue;
        for (const std::string& id : SplitList(value->second)) {
            if (auto command = CommandOfDesktopId(id, dirs)) return command;
        }
    }
    return std::nullopt;
}

std::optional<std::string> CommandForTypeOrAncestors(const QMimeType& type,
                                                     const XdgDirectories& dirs) {
    if (!type.isValid()) return std::nullopt;
    QStringList types{type.name()};
    types += type.allAncestors();
    for (const QString& name : types) {
        if (auto command = CommandForType(name.toStdString(), dirs)) return command;
    }
    return std::nullopt;
}

// The scheme of a web address ("http" for "http://..."), or empty for anything else.
std::string AddressScheme(const std::string& text) {
    const std::size_t colon = text.find("://");
    if (colon == std::string::npos || colon == 0) return "";
    std::string scheme;
    for (std::size_t i = 0; i < colon; ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        const bool allowed = std::isalpha(c) != 0 ||
                             (i > 0 && (std::isdigit(c) != 0 || c == '+' || c == '-' || c == '.'));
        if (!allowed) return "";
        scheme.push_back(static_cast<char>(std::tolower(c)));
    }
    return scheme;
}

}  // namespace

XdgDirectories XdgDirectories::FromEnvironment() {
    XdgDirectories dirs;
    const char* home = std::getenv("HOME");
    const std::string homeText = home != nullptr ? home : "";
    const char* configHome = std::getenv("XDG_CONFIG_HOME");
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    if (configHome != nullptr && configHome[0] == '/') {
        dirs.configHome = configHome;
    } else if (!homeText.empty()) {
        dirs.configHome = homeText + "/.config";
    }
    if (dataHome != nullptr && dataHome[0] == '/') {
        dirs.dataHome = dataHome;
    } else if (!homeText.empty()) {
        dirs.dataHome = homeText + "/.local/share";
    }
    dirs.configDirs = SplitFolders(std::getenv("XDG_CONFIG_DIRS"), "/etc/xdg");
    dirs.dataDirs = SplitFolders(std::getenv("XDG_DATA_DIRS"), "/usr/local/share:/usr/share");
    return dirs;
}

std::optional<std::vector<std::string>> ParseDesktopExec(const std::string& exec) {
    // First the key file's own escapes of string values.
    std::string value;
    for (std::size_t i = 0; i < exec.size(); ++i) {
        if (exec[i] == '\\' && i + 1 < exec.size()) {
            const char next = exec[++i];
            switch (next) {
                case 's':
                    value.push_back(' ');
                    break;
                case 'n':
                    value.push_back('\n');
                    break;
                case 't':
                    value.push_back('\t');
                    break;
                case 'r':
                    value.push_back('\r');
                    break;
                case '\\':
                    value.push_back('\\');
                    break;
                default:
                    value.push_back('\\');
                    value.push_back(next);
            }
        } else {
            value.push_back(exec[i]);
        }
    }
    // Then the Exec rules: blanks separate, double quotes group with \" \` \$ \\ escaped inside.
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < value.size()) {
        if (value[i] == ' ' || value[i] == '\t') {
            ++i;
            continue;
        }
        std::string word;
        bool fileCode = false;
        while (i < value.size() && value[i] != ' ' && value[i] != '\t') {
            const char c = value[i];
            if (c == '"') {
                ++i;
                bool closed = false;
                while (i < value.size()) {
                    if (value[i] == '"') {
                        closed = true;
                        ++i;
                        break;
                    }
                    if (value[i] == '\\' && i + 1 < value.size()) ++i;
                    word.push_back(value[i++]);
                }
                if (!closed) return std::nullopt;
                continue;
            }
            if (c == '%' && i + 1 < value.size()) {
                const char code = value[i + 1];
                i += 2;
                if (code == '%') {
                    word.push_back('%');
                } else if (code == 'f' || code == 'F' || code == 'u' || code == 'U') {
                    // The caller appends the file itself; a word built around the code goes too.
                    fileCode = true;
                }
                continue;
            }
            word.push_back(c);
            ++i;
        }
        if (!fileCode && !word.empty()) words.push_back(std::move(word));
    }
    if (words.empty()) return std::nullopt;
    return words;
}

std::optional<std::string> FindAssociatedProgram(const std::string& fileOrAddress,
                                                 const XdgDirectories& dirs) {
    if (fileOrAddress.empty()) return std::nullopt;
    const std::string scheme = AddressScheme(fileOrAddress);
    if (!scheme.empty()) {
        if (auto command = CommandForType("x-scheme-handler/" + scheme, dirs)) return command;
        if (scheme == "http" || scheme == "https") return CommandForType("text/html", dirs);
        return std::nullopt;
    }
    std::error_code error;
    if (!std::filesystem::exists(fileOrAddress, error)) return std::nullopt;
    const QMimeDatabase database;
    return CommandForTypeOrAncestors(
        database.mimeTypeForFile(QString::fromStdString(fileOrAddress)), dirs);
}

std::optional<std::string> FindAssociatedProgram(const std::string& fileOrAddress) {
    return FindAssociatedProgram(fileOrAddress, XdgDirectories::FromEnvironment());
}

std::optional<std::string> FindDefaultBrowser(const XdgDirectories& dirs) {
    if (auto command = CommandForType("x-scheme-handler/http", dirs)) return command;
    return CommandForType("text/html", dirs);
}

std::optional<std::string> FindDefaultBrowser() {
    return FindDefaultBrowser(XdgDirectories::FromEnvironment());
}
