#include "medialib/path_util.h"

#include <filesystem>
#include <system_error>

std::string ModuleFolder() {
    std::error_code ec;
#if defined(__linux__)
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
#else
    std::filesystem::path exe;
    ec = std::make_error_code(std::errc::not_supported);
#endif
    std::filesystem::path folder = ec ? std::filesystem::current_path(ec) : exe.parent_path();
    std::string text = folder.string();
    if (text.empty() || (text.back() != '/' && text.back() != '\\')) text += '/';
    return text;
}

std::string SplitPath(std::string_view path, int part) {
    std::string_view drive;
    if (path.size() >= 2 && path[1] == ':' &&
        ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'))) {
        drive = path.substr(0, 2);
        path.remove_prefix(2);
    }
    const size_t slash = path.find_last_of("\\/");
    const std::string_view dir = slash == std::string_view::npos ? std::string_view{} : path.substr(0, slash + 1);
    const std::string_view file = slash == std::string_view::npos ? path : path.substr(slash + 1);
    const size_t dot = file.find_last_of('.');
    switch (part) {
    case 0: return std::string(drive);
    case 1: return std::string(dir);
    case 2: return std::string(dot == std::string_view::npos ? file : file.substr(0, dot));
    case 3: return dot == std::string_view::npos ? std::string() : std::string(file.substr(dot + 1));
    default: return std::string();
    }
}

std::string NativePath(std::string_view path) {
    std::string native(path);
#if !defined(_WIN32)
    for (char& c : native)
        if (c == '\\') c = '/';
#endif
    return native;
}

bool FileExists(std::string_view path) {
    if (path.empty()) return false;
    std::error_code ec;
    return std::filesystem::exists(std::filesystem::path(NativePath(path)), ec);
}
