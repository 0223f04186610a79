#include "projects/internet_package_reader.h"

#include <algorithm>
#include <system_error>

#include "medialib/nvff_byte_sink.h"
#include "medialib/nvff_format.h"
#include "medialib/nvff_kind.h"
#include "medialib/nvff_lzw_expander.h"
#include "projects/internet_package_format.h"

namespace {

// The code bytes of one member, read from where the file stands.
class MemberSource : public NvffByteSource {
public:
    MemberSource(std::FILE* file, std::uint64_t length) : file_(file), left_(length) {}
    std::ptrdiff_t Fill(std::uint8_t* buffer, std::size_t capacity) override {
        const std::size_t want = static_cast<std::size_t>(std::min<std::uint64_t>(capacity, left_));
        if (want == 0) return 0;
        const std::size_t got = std::fread(buffer, 1, want, file_);
        if (got < want) return -1;  // Open checked that the member lies inside the file.
        left_ -= got;
        return static_cast<std::ptrdiff_t>(got);
    }

private:
    std::FILE* file_;
    std::uint64_t left_;
};

}  // namespace

bool InternetPackageReader::Fail(std::string message) {
    error_ = path_.string() + ": " + std::move(message);
    return false;
}

bool InternetPackageReader::ReadAt(std::uint64_t offset, void* bytes, std::size_t count) {
    return std::fseek(file_.get(), static_cast<long>(offset), SEEK_SET) == 0 &&
           std::fread(bytes, 1, count, file_.get()) == count;
}

bool InternetPackageReader::Open(const std::filesystem::path& path) {
    path_ = path;
    error_.clear();
    members_.clear();
    file_.reset();
    std::error_code failure;
    size_ = std::filesystem::file_size(path, failure);
    if (failure) return Fail("cannot be read (" + failure.message() + ")");
    file_.reset(std::fopen(path.string().c_str(), "rb"));
    if (!file_) return Fail("cannot be opened");

    // The smallest package: one stream header and one directory entry of a one-byte name.
    constexpr std::uint64_t kSmallest = nvff::kHeaderSize + 4 + 4 + 1 + 4;
    std::uint8_t head[nvff::kHeaderSize];
    if (size_ < kSmallest || !ReadAt(0, head, sizeof head))
        return Fail("too short for an Internet package");
    const NvffKind kind = DetectKindOfBytes(head, sizeof head);
    if (kind != NvffKind::Lzw) {
        return Fail(kind == NvffKind::Plain
                        ? "not an Internet package"
                        : "NVFF " + std::string(KindName(kind)) + " streams are not supported");
    }

    std::uint8_t word[4];
    if (!ReadAt(size_ - 4, word, 4)) return Fail("cannot read the trailer");
    directoryOffset_ = nvff::ReadLe32(word);
    if (directoryOffset_ < nvff::kHeaderSize || directoryOffset_ > size_ - 8) {
        return Fail("the directory offset lies outside the file");
    }
    const std::uint64_t directoryEnd = size_ - 4;

    // The directory: a count, then each name with its length.
    std::uint64_t at = directoryOffset_;
    if (!ReadAt(at, word, 4)) return Fail("cannot read the directory");
    at += 4;
    const std::uint32_t count = nvff::ReadLe32(word);
    if (count == 0 || count > tvi::kMaxMembers || count > (directoryEnd - at) / 5) {
        return Fail("the directory's member count " +
                    std::to_string(static_cast<std::int32_t>(count)) + " does not fit the file");
    }
    members_.resize(count);
    for (PackageMember& member : members_) {
        if (directoryEnd - at < 4 || !ReadAt(at, word, 4)) return Fail("the directory ends early");
        at += 4;
        const std::uint32_t length = nvff::ReadLe32(word);
        if (length == 0 || length > tvi::kMaxNameLength || length > directoryEnd - at) {
            return Fail("a member name length of " +
                        std::to_string(static_cast<std::int32_t>(length)) +
                        " does not fit the directory");
        }
        member.name.resize(length);
        if (!ReadAt(at, member.name.data(), length)) return Fail("cannot read the directory");
        at += length;
    }
    if (at != directoryEnd) return Fail("the directory does not end at the trailer");

    // The members lie end to end from the start of the file up to the directory.
    at = 0;
    for (std::size_t i = 0; i < members_.size(); ++i) {
        const std::uint64_t lengthWords = i == 0 ? nvff::kMagicSize : at;
        std::uint8_t lengths[nvff::kLengthWordsSize];
        if (lengthWords + sizeof lengths > directoryOffset_ ||
            !ReadAt(lengthWords, lengths, sizeof lengths)) {
            return Fail("member " + std::to_string(i) + " passes the start of the directory");
        }
        PackageMember& member = members_[i];
        member.originalLength = nvff::ReadLe32(lengths);
        member.compressedLength = nvff::ReadLe32(lengths + 4);
        member.dataOffset = lengthWords + sizeof lengths;
        if (member.compressedLength > directoryOffset_ - member.dataOffset) {
            return Fail("member \"" + member.name + "\" passes the start of the directory");
        }
        if (member.originalLength > nvff::MaxOriginalLength(member.compressedLength)) {
            return Fail("member \"" + member.name +
                        "\" states an original length its data cannot hold");
        }
        at = member.dataOffset + member.compressedLength;
    }
    if (at != directoryOffset_) return Fail("the members do not end where the directory begins");
    return true;
}

bool InternetPackageReader::Expand(std::size_t index, const Sink& sink) {
    if (!file_ || index >= members_.size()) return Fail("no such member");
    const PackageMember& member = members_[index];
    if (std::fseek(file_.get(), static_cast<long>(member.dataOffset), SEEK_SET) != 0) {
        return Fail("cannot read member \"" + member.name + "\"");
    }
    MemberSource source(file_.get(), member.compressedLength);
    auto expander = NvffLzwExpander::Create(source, member.originalLength);
    if (!expander) return Fail("not enough memory for the LZW tables");
    std::vector<std::uint8_t> chunk(1 << 16);
    while (!expander->Finished()) {
        const std::ptrdiff_t got = expander->Read(chunk.data(), chunk.size());
        if (got < 0) return Fail("member \"" + member.name + "\": " + expander->Error());
        if (!sink(chunk.data(), static_cast<std::size_t>(got)))
            return Fail("member \"" + member.name + "\" was not taken");
    }
    return true;
}

std::optional<std::vector<std::uint8_t>> InternetPackageReader::ExpandToMemory(std::size_t index) {
    std::vector<std::uint8_t> out;
    const bool ok = Expand(index, [&](const std::uint8_t* bytes, std::size_t count) {
        out.insert(out.end(), bytes, bytes + count);
        return true;
    });
    if (!ok) return std::nullopt;
    return out;
}
