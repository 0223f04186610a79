#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>

// The suite's own INI-file store (Tavrin.ini, Setup.ini, Msg.ini, Reelcraft.ini): sections of
// key=value lines held in memory. Names are case-sensitive; a later key replaces an earlier one.
// Sections and keys are written sorted, which readers do not depend on.
class ProfileStore {
public:
    using Section = std::map<std::string, std::string>;
    using Sections = std::map<std::string, Section>;

    // The grave accent stands for a line break in values written with newline folding.
    static constexpr char kFoldedBreak = '`';
    // Settings files are small; a larger file is refused rather than read into memory.
    static constexpr std::uintmax_t kMaxFileSize = 16u << 20;

    // Reads path into an empty store. A file that does not exist or cannot be read leaves the
    // store empty and returns false; a writable store can still be saved to path.
    bool Open(const std::filesystem::path& path, bool writable);

    // Adds the lines of an INI text to the store, as Open does with a file's text.
    void Parse(std::string_view text);

    // The value, unfolded when asked; nullopt when the section or key is absent.
    std::optional<std::string> ReadString(const std::string& section, const std::string& key,
                                          bool unfold = false) const;
    // Sets a value (folding line breaks when asked); an empty value removes the key. False, and
    // nothing changed, when the names or value cannot be stored without damaging the file: a
    // section name that is empty or holds "]" or a line break, a key that is empty, starts with
    // ";", "[", a blank or a tab or holds "=" or a line break, or an unfolded value with a line
    // break.
    bool WriteString(const std::string& section, const std::string& key, const std::string& value,
                     bool fold = false);

    // A decimal 16-bit integer; nullopt when absent or not such a number.
    std::optional<std::int16_t> ReadInt16(const std::string& section, const std::string& key) const;
    bool WriteInt16(const std::string& section, const std::string& key, std::int16_t value);

    // Four comma-separated integers (x, y, w, h); nullopt unless exactly four are there.
    std::optional<std::array<int, 4>> ReadFourInts(const std::string& section,
                                                   const std::string& key) const;

    // The value of the numbered key "%d".
    std::optional<std::string> ReadNumbered(const std::string& section, int number) const;
    bool WriteNumbered(const std::string& section, int number, const std::string& value);

    // Writes the store back when it was opened writable and has changed since, by writing beside
    // the file and renaming over it, so a failure leaves the old file whole. True when written
    // or when there was nothing to write.
    bool Save();

    // The file text that Save writes.
    std::string ToText() const;

    const Sections& Data() const { return sections_; }
    bool IsDirty() const { return dirty_; }
    bool IsWritable() const { return writable_; }
    const std::filesystem::path& Path() const { return path_; }
    const std::string& Error() const { return error_; }

private:
    std::filesystem::path path_;
    Sections sections_;
    bool writable_ = false;
    bool dirty_ = false;
    std::string error_;
};
