#include "projects/tvpack_command.h"

#include <cstdio>
#include <ostream>

#include "projects/internet_package_builder.h"
#include "projects/internet_package_reader.h"
#include "projects/package_extraction.h"

namespace {

constexpr const char* kUsage =
    "usage: tvpack build SETUPFOLDER OUT.tvi\n"
    "       tvpack list PKG.tvi\n"
    "       tvpack extract PKG.tvi DIR\n";

int Failure(std::ostream& err, const std::string& message) {
    err << "tvpack: " << message << "\n";
    return 1;
}

int Build(const std::string& setupFolder, const std::string& package, std::ostream& out,
          std::ostream& err) {
    std::string error;
    const auto members = CollectPackageMembers(setupFolder, error);
    if (!members) return Failure(err, error);
    InternetPackageBuilder builder;
    for (const std::string& name : *members) builder.AddMember(name);
    if (!builder.Write(setupFolder, package, {}, error)) return Failure(err, error);
    out << package << ": " << members->size()
        << (members->size() == 1 ? " member\n" : " members\n");
    return 0;
}

int List(const std::string& package, std::ostream& out, std::ostream& err) {
    InternetPackageReader reader;
    if (!reader.Open(package)) return Failure(err, reader.Error());
    char line[64];
    out << "  Original  Compressed  Name\n";
    for (const PackageMember& member : reader.Members()) {
        std::snprintf(line, sizeof line, "%10u  %10u  ", member.originalLength,
                      member.compressedLength);
        out << line << member.name << "\n";
    }
    return 0;
}

int Extract(const std::string& package, const std::string& folder, std::ostream& out,
            std::ostream& err) {
    InternetPackageReader reader;
    if (!reader.Open(package)) return Failure(err, reader.Error());
    std::string error;
    if (!ExtractPackage(reader, folder, error)) return Failure(err, error);
    out << folder << ": " << reader.Members().size()
        << (reader.Members().size() == 1 ? " member written\n" : " members written\n");
    return 0;
}

}  // namespace

int RunTvpack(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const std::string command = args.empty() ? "" : args[0];
    if (command == "build" && args.size() == 3) return Build(args[1], args[2], out, err);
    if (command == "list" && args.size() == 2) return List(args[1], out, err);
    if (command == "extract" && args.size() == 3) return Extract(args[1], args[2], out, err);
    err << kUsage;
    return 1;
}
