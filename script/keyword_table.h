#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

// The one process-wide map from keyword and operator spelling (upper case) to token kind.
class KeywordTable {
public:
    // The table, filled on first use; every spelling of the kind table is an entry.
    static const KeywordTable& Instance();

    // Exact-text lookup; callers upper-case identifiers first.
    std::optional<int32_t> Find(std::string_view spelling) const;

    // Number of spellings, for tests.
    size_t Count() const;

private:
    KeywordTable();
    ~KeywordTable();
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

// The display text of a kind: the keyword as the rewrite writes it, or "ID=%d" for a kind
// without one. In the command section SCENE, BUTTON and CLICK display in their command form.
std::string TokenKindName(int32_t kind, bool commandSection = false);
