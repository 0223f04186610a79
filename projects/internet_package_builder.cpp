#include "projects/internet_package_builder.h"

#include <algorithm>
#include <cstdio>
#include <limits>
#include <memory>
#include <system_error>

#include "medialib/nvff_file.h"
#include "projects/internet_package_format.h"

namespace fs = std::filesystem;

namespace {

using FilePointer = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

bool LessIgnoringCase(const std::string& a, const std::string& b) {
    const auto lower = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c + 32 : c; };
    const bool less =
        std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [&](char x, char y) {
            return lower(static_cast<unsigned char>(x)) < lower(static_cast<unsigned char>(y));
        });
    const bool greater =
        std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(), [&](char x, char y) {
            return lower(static_cast<unsigned char>(x)) < lower(static_cast<unsigned char>(y));
        });
    return less || (!greater && a < b);
}

bool WalkMediaFolder(const fs::path& folder, const std::string& prefix,
                     std::vector<std::string>& members, std::string& error) {
    std::error_code failure;
    std::vector<std::string> files, folders;
    for (fs::directory_iterator it(folder, failure), end; !failure && it != end;
         it.increment(failure)) {
        const std::string name = it->path().filename().string();
        std::error_code ignored;
        if (it->is_symlink(ignored) && it->is_directory(ignored)) continue;
        if (it->is_directory(ignored)) {
            folders.push_back(name);
        } else if (it->is_regular_file(ignored)) {
            files.push_back(name);
        } else {
            continue;
        }
        if (name.find(tvi::kSeparator) != std::string::npos) {
            error = (folder / name).string() + ": a member name cannot hold a backslash";
            return false;
        }
    }
    if (failure) {
        error = folder.string() + ": cannot be listed (" + failure.message() + ")";
        return false;
    }
    std::sort(files.begin(), files.end(), LessIgnoringCase);
    std::sort(folders.begin(), folders.end(), LessIgnoringCase);
    for (const std::string& file : files) members.push_back(prefix + tvi::kSeparator + file);
    for (const std::string& sub : folders) {
        if (!WalkMediaFolder(folder / sub, prefix + tvi::kSeparator + sub, members, error))
            return false;
    }
    return true;
}

// Compresses one member file into the package as the stream of the given mode.
bool WriteMember(const fs::path& source, const fs::path& package, NvffMode mode,
                 std::string& error) {
    FilePointer in(std::fopen(source.string().c_str(), "rb"), &std::fclose);
    if (!in) {
        error = source.string() + ": cannot be opened";
        return false;
    }
    auto stream = CreateCompressor(NvffKind::Lzw);
    if (!stream || !stream->Open(package, mode)) {
        error = stream ? stream->Error() : "not enough memory for a compressor";
        return false;
    }
    std::vector<std::uint8_t> chunk(1 << 20);
    for (;;) {
        const std::size_t got = std::fread(chunk.data(), 1, chunk.size(), in.get());
        if (std::ferror(in.get())) {
            error = source.string() + ": cannot be read";
            return false;
        }
        if (got > 0 && !stream->Write(chunk.data(), got)) {
            error = stream->Error();
            return false;
        }
        if (got < chunk.size()) break;
    }
    if (!stream->Close()) {
        error = stream->Error();
        return false;
    }
    return true;
}

void PutLe32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

bool WriteDirectory(const fs::path& package, const std::vector<std::string>& members,
                    std::string& error) {
    FilePointer out(std::fopen(package.string().c_str(), "r+b"), &std::fclose);
    if (!out || std::fseek(out.get(), 0, SEEK_END) != 0) {
        error = package.string() + ": cannot be opened to add the directory";
        return false;
    }
    const long offset = std::ftell(out.get());
    if (offset < 0 ||
        static_cast<unsigned long>(offset) > std::numeric_limits<std::uint32_t>::max()) {
        error = package.string() + ": the package passes 4 GB";
        return false;
    }
    std::vector<std::uint8_t> directory;
    PutLe32(directory, static_cast<std::uint32_t>(members.size()));
    for (const std::string& name : members) {
        PutLe32(directory, static_cast<std::uint32_t>(name.size()));
        directory.insert(directory.end(), name.begin(), name.end());
    }
    PutLe32(directory, static_cast<std::uint32_t>(offset));
    const bool written =
        std::fwrite(directory.data(), 1, directory.size(), out.get()) == directory.size();
    if (!written || std::fclose(out.release()) != 0) {
        error = package.string() + ": cannot write the directory";
        return false;
    }
    return true;
}

}  // namespace

void InternetPackageBuilder::AddMember(const std::string& relativeName) {
    members_.push_back(relativeName);
}

fs::path MemberFile(const fs::path& folder, const std::string& name) {
    std::string native = name;
    std::replace(native.begin(), native.end(), tvi::kSeparator, '/');
    return folder / fs::path(native);
}

bool InternetPackageBuilder::Write(const fs::path& setupFolder, const fs::path& packagePath,
                                   const PackageProgress& progress, std::string& error) const {
    if (members_.empty() || members_.size() > tvi::kMaxMembers) {
        error = "a package holds from 1 to " + std::to_string(tvi::kMaxMembers) + " members";
        return false;
    }
    for (const std::string& name : members_) {
        if (name.empty() || name.size() > tvi::kMaxNameLength || name.front() == tvi::kSeparator) {
            error = "\"" + name + "\" cannot be a member name";
            return false;
        }
    }
    fs::path partial = packagePath;
    partial += ".part";
    const auto discard = [&] {
        std::error_code ignored;
        fs::remove(partial, ignored);
        return false;
    };
    for (std::size_t i = 0; i < members_.size(); ++i) {
        const NvffMode mode = i == 0 ? NvffMode::Create : NvffMode::Append;
        if (!WriteMember(MemberFile(setupFolder, members_[i]), partial, mode, error))
            return discard();
        if (progress) progress(tvi::ProgressPercent(i, members_.size()));
    }
    if (!WriteDirectory(partial, members_, error)) return discard();
    std::error_code failure;
    fs::rename(partial, packagePath, failure);
    if (failure) {
        error = packagePath.string() + ": cannot be written (" + failure.message() + ")";
        return discard();
    }
    return true;
}

std::optional<std::vector<std::string>> CollectPackageMembers(const fs::path& setupFolder,
                                                              std::string& error) {
    std::vector<std::string> members = {tvi::kDataMember};
    const fs::path media = setupFolder / tvi::kMediaFolder;
    std::error_code ignored;
    if (fs::is_directory(media, ignored) &&
        !WalkMediaFolder(media, tvi::kMediaFolder, members, error)) {
        return std::nullopt;
    }
    if (members.size() > tvi::kMaxMembers) {
        error = setupFolder.string() + ": more than " + std::to_string(tvi::kMaxMembers) +
                " files to pack";
        return std::nullopt;
    }
    return members;
}

PackageBuildResult BuildInternetPackage(const fs::path& setupFolder, const std::string& title,
                                        const fs::path& outputFolder,
                                        const PackageProgress& progress) {
    PackageBuildResult result;
    result.package = outputFolder / (title + tvi::kExtension);
    std::error_code ignored;
    if (!fs::is_directory(outputFolder, ignored)) {
        result.error = outputFolder.string() + ": the folder does not exist";
        return result;
    }
    const auto members = CollectPackageMembers(setupFolder, result.error);
    if (!members) return result;
    InternetPackageBuilder builder;
    for (const std::string& name : *members) builder.AddMember(name);
    result.ok = builder.Write(setupFolder, result.package, progress, result.error);
    return result;
}
