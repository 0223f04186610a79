#include "projects/package_extraction.h"

#include <cstdio>
#include <memory>
#include <system_error>

#include "projects/internet_package_reader.h"

namespace fs = std::filesystem;

std::optional<fs::path> MemberRelativePath(const std::string& name, std::string& why) {
    if (name.empty()) {
        why = "the name is empty";
        return std::nullopt;
    }
    if (name.find('\0') != std::string::npos || name.find(':') != std::string::npos) {
        why = "the name holds a drive or a character no file name may hold";
        return std::nullopt;
    }
    if (name.front() == '\\' || name.front() == '/') {
        why = "the name is absolute";
        return std::nullopt;
    }
    fs::path relative;
    std::size_t start = 0;
    while (start <= name.size()) {
        const std::size_t end = std::min(name.find_first_of("\\/", start), name.size());
        const std::string part = name.substr(start, end - start);
        if (part.empty() || part == "." || part == "..") {
            why = "the name has an empty, \".\" or \"..\" part";
            return std::nullopt;
        }
        relative /= part;
        start = end + 1;
    }
    return relative;
}

namespace {

// Creates the folders of relative below root, refusing any step that is a link.
bool PrepareTarget(const fs::path& root, const fs::path& relative, std::string& why) {
    fs::path at = root;
    for (auto part = relative.begin(); part != relative.end(); ++part) {
        at /= *part;
        std::error_code failure;
        const fs::file_status status = fs::symlink_status(at, failure);
        if (fs::is_symlink(status)) {
            why = "its way passes through the link " + at.string();
            return false;
        }
        if (std::next(part) == relative.end()) {
            if (fs::is_directory(status)) {
                why = at.string() + " is a folder";
                return false;
            }
            break;
        }
        if (!fs::exists(status)) {
            fs::create_directory(at, failure);
            if (failure) {
                why = "cannot create " + at.string() + " (" + failure.message() + ")";
                return false;
            }
        } else if (!fs::is_directory(status)) {
            why = at.string() + " is not a folder";
            return false;
        }
    }
    return true;
}

}  // namespace

bool ExtractPackage(InternetPackageReader& reader, const fs::path& folder, std::string& error) {
    std::vector<fs::path> paths;
    for (const PackageMember& member : reader.Members()) {
        std::string why;
        auto relative = MemberRelativePath(member.name, why);
        if (!relative) {
            error = "member \"" + member.name + "\" is refused: " + why;
            return false;
        }
        paths.push_back(std::move(*relative));
    }
    std::error_code failure;
    fs::create_directories(folder, failure);
    if (failure) {
        error = folder.string() + ": cannot be created (" + failure.message() + ")";
        return false;
    }
    for (std::size_t i = 0; i < paths.size(); ++i) {
        const std::string& name = reader.Members()[i].name;
        std::string why;
        if (!PrepareTarget(folder, paths[i], why)) {
            error = "member \"" + name + "\" is refused: " + why;
            return false;
        }
        const fs::path target = folder / paths[i];
        std::unique_ptr<std::FILE, int (*)(std::FILE*)> out(
            std::fopen(target.string().c_str(), "wb"), &std::fclose);
        if (!out) {
            error = target.string() + ": cannot be written";
            return false;
        }
        bool writeFailed = false;
        const bool expanded = reader.Expand(i, [&](const std::uint8_t* bytes, std::size_t count) {
            writeFailed = std::fwrite(bytes, 1, count, out.get()) != count;
            return !writeFailed;
        });
        const bool closed = std::fclose(out.release()) == 0;
        if (!expanded || !closed) {
            error =
                writeFailed || !closed ? target.string() + ": cannot be written" : reader.Error();
            fs::remove(target, failure);
            return false;
        }
    }
    return true;
}
