// Searching the token list by text and by a short sequence of kinds (used by the layout write-back).
#include "script/script_reader.h"

#include "script/token_kind.h"

int32_t CScriptReader::FindTokenByText(std::string_view text) const {
    for (int32_t i = 0; i < tokens_.Count(); ++i) {
        if (tokens_[i].text == text) return i;
    }
    return -1;
}

CToken* CScriptReader::FindPattern(int32_t start, std::initializer_list<int32_t> kinds,
                                   int32_t* lastIndex) const {
    if (kinds.size() == 0 || kinds.size() > 5 || start < 0) return nullptr;
    int32_t pos = start;
    bool first = true;
    for (int32_t kind : kinds) {
        int32_t i = first ? pos : pos + 1;
        first = false;
        for (;; ++i) {
            if (i >= tokens_.Count()) return nullptr;
            int32_t found = tokens_[i].kind;
            if (found == kind) break;
            if (found == Kind::Greater) return nullptr;
        }
        pos = i;
    }
    if (lastIndex) *lastIndex = pos;
    return tokens_.At(pos);
}
