// The character-level half of CScriptReader: turning bytes into tokens.
#include <algorithm>

#include "script/keyword_table.h"
#include "script/script_reader.h"
#include "script/token_kind.h"

namespace {

bool IsDigit(unsigned char c) { return c >= '0' && c <= '9'; }
bool IsLetter(unsigned char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool IsNameChar(unsigned char c) { return IsLetter(c) || IsDigit(c) || c == '_'; }

bool IsSingleCharOperator(unsigned char c) {
    switch (c) {
        case '&': case '(': case ')': case '*': case ',': case '.': case ';':
        case '=': case '[': case ']': case '{': case '|': case '}':
            return true;
        default:
            return false;
    }
}

int32_t KeywordKind(std::string_view spelling) {
    return KeywordTable::Instance().Find(spelling).value_or(Kind::End);
}

}  // namespace

void CScriptReader::ResetScanner() {
    source_.Close();
    counter_ = 0;
    text_.clear();
    accumulator_ = 0;
    ch_ = ' ';
    tokenStart_ = 0;
    endFlag_ = false;
    errorFlag_ = false;
    compiledData_ = false;
    fileName_.clear();
    lineEnds_.clear();
    tokens_.Clear();
    current_ = nullptr;
}

void CScriptReader::ReadChar() {
    ++counter_;
    unsigned char byte;
    if (!source_.Get(byte)) {
        endFlag_ = true;
        return;
    }
    if (byte == '\n') lineEnds_.push_back(counter_ - 1);
    ch_ = byte;
}

std::pair<int32_t, int32_t> CScriptReader::LineColumn(int32_t position) const {
    // The table grows in reading order, so the last newline before the position is found by
    // binary search rather than a walk from the end.
    auto it = std::lower_bound(lineEnds_.begin(), lineEnds_.end(), position);
    if (it == lineEnds_.begin()) return {0, position};
    int32_t index = static_cast<int32_t>(it - lineEnds_.begin()) - 1;
    int32_t column = position - lineEnds_[static_cast<size_t>(index)] - 1;
    return {index + 1, std::max(column, 1)};
}

std::string CScriptReader::TokenKindName(int32_t kind) const {
    return ::TokenKindName(kind, commandSection_);
}

void CScriptReader::SetToken(CToken& token, int32_t kind, int32_t start, int32_t end) {
    token.kind = kind;
    token.start = start;
    token.end = end;
}

void CScriptReader::ScanAll() {
    // The tokens are made in place in the list, since a script may hold millions of them.
    CToken* token;
    do {
        token = &tokens_.Emplace();
        Scan(*token);
    } while (token->kind != Kind::End);
}

std::unique_ptr<CToken> CScriptReader::NextToken() {
    auto token = std::make_unique<CToken>();
    Scan(*token);
    return token;
}

void CScriptReader::Scan(CToken& token) {
    for (;;) {
        if (endFlag_) return SetToken(token, Kind::End, counter_, counter_);
        unsigned char c = ch_;
        if (IsDigit(c) || c == '+' || c == '-') return ScanInteger(token);
        if (c == '\t' || c == '\n' || c == '\r' || c == ' ') {
            ReadChar();
            continue;
        }
        if (c == '"') return ScanString(token);
        if (IsSingleCharOperator(c)) {
            tokenStart_ = counter_;
            char spelling = static_cast<char>(c);
            int32_t kind = KeywordKind(std::string_view(&spelling, 1));
            ReadChar();
            return SetToken(token, kind, tokenStart_, tokenStart_);
        }
        if (c == ':' || c == '<' || c == '>') {
            tokenStart_ = counter_;
            ReadChar();
            int32_t kind = Kind::Colon;
            bool pair = false;
            unsigned char next = endFlag_ ? 0 : ch_;
            if (c == ':') {
                pair = next == '=';
                kind = pair ? Kind::Equal : Kind::Colon;
            } else if (c == '<') {
                pair = next == '>' || next == '=';
                kind = next == '>' ? Kind::NotEqual : next == '=' ? Kind::LessEqual : Kind::Less;
            } else {
                pair = next == '=';
                kind = pair ? Kind::GreaterEqual : Kind::Greater;
            }
            if (!pair) return SetToken(token, kind, tokenStart_, tokenStart_);
            ReadChar();
            return SetToken(token, kind, tokenStart_, counter_ - 1);
        }
        if (c == '/') {
            int32_t slashAt = counter_;
            ReadChar();
            // A slash that ends the file is a plain slash, not the start of a comment.
            if (!endFlag_ && ch_ == '/') return ScanLineComment(token);
            if (!endFlag_ && ch_ == '*') return ScanBlockComment(token);
            return SetToken(token, Kind::Slash, slashAt, slashAt);
        }
        if (IsLetter(c)) return ScanWord(token);

        ReadChar();
        ReportError(counter_ - 1, "Error: unsupported sequence");
        return SetToken(token, Kind::End, counter_ - 1, counter_ - 1);
    }
}

void CScriptReader::ScanInteger(CToken& token) {
    tokenStart_ = counter_;
    bool negative = false;
    if (ch_ == '+' || ch_ == '-') {
        negative = ch_ == '-';
        ReadChar();
    }
    // Two's complement wrap-around, as 32-bit arithmetic without overflow check gives.
    uint32_t accumulator = 0;
    do {
        accumulator = accumulator * 10u + static_cast<uint32_t>(static_cast<int32_t>(ch_) - '0');
        ReadChar();
    } while (IsDigit(ch_) && !endFlag_);
    if (negative) accumulator = 0u - accumulator;
    accumulator_ = static_cast<int32_t>(accumulator);
    SetToken(token, Kind::Integer, tokenStart_, counter_ - 1);
    token.value = accumulator_;
}

void CScriptReader::ProcessEscape() {
    if (ch_ != '\\') return;
    ReadChar();
    switch (ch_) {
        case '"': case '\'': case '\\': break;
        case 'a': ch_ = 7; break;
        case 'b': ch_ = 8; break;
        case 'f': ch_ = 12; break;
        case 'n': ch_ = 10; break;
        case 'r': ch_ = 13; break;
        case 't': ch_ = 9; break;
        default: ReportError(counter_ - 1, "Error: unsupported escape sequence"); break;
    }
}

void CScriptReader::ScanString(CToken& token) {
    text_.clear();
    ReadChar();
    tokenStart_ = counter_;
    bool reported = false;
    while (ch_ != '"') {
        if (endFlag_) {
            ReportError(counter_ - 1, "Error: unclosed string");
            reported = true;
            break;
        }
        ProcessEscape();
        text_.push_back(static_cast<char>(ch_));
        ReadChar();
    }
    if (endFlag_) {
        if (!reported) ReportError(counter_ - 1, "Error: unclosed string");
    } else {
        ReadChar();
    }
    SetToken(token, Kind::String, tokenStart_, counter_ - 2);
    token.text = text_;
}

void CScriptReader::ScanLineComment(CToken& token) {
    text_.clear();
    int32_t start = counter_ + 1;
    for (;;) {
        ReadChar();
        if (endFlag_) break;
        if (ch_ == '\n') {
            ReadChar();
            break;
        }
        if (ch_ != '\r') text_.push_back(static_cast<char>(ch_));
    }
    SetToken(token, Kind::Comment, start, counter_ - 2);
    token.text = text_;
}

void CScriptReader::ScanBlockComment(CToken& token) {
    text_.clear();
    int32_t start = counter_ + 1;
    ReadChar();
    for (;;) {
        if (endFlag_) {
            ReportError(counter_ - 1, "Error: unclosed comment");
            break;
        }
        if (ch_ == '*') {
            ReadChar();
            if (!endFlag_ && ch_ == '/') {
                ReadChar();
                break;
            }
            text_.push_back('*');
            continue;  // the character after the star may itself start the end
        }
        text_.push_back(ch_ == '\n' || ch_ == '\r' ? ' ' : static_cast<char>(ch_));
        ReadChar();
    }
    SetToken(token, Kind::Comment, start, counter_ - 2);
    token.text = text_;
}

void CScriptReader::ScanWord(CToken& token) {
    tokenStart_ = counter_;
    text_.clear();
    while (IsNameChar(ch_) && !endFlag_) {
        text_.push_back(static_cast<char>(ch_));
        ReadChar();
    }
    char upper[64];
    int32_t kind = Kind::End;
    // No keyword is longer than the buffer, so a longer word is always an identifier.
    if (text_.size() <= sizeof upper) {
        for (size_t i = 0; i < text_.size(); ++i) {
            char c = text_[i];
            upper[i] = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
        }
        kind = KeywordKind(std::string_view(upper, text_.size()));
    }
    if (kind != Kind::End) return SetToken(token, kind, tokenStart_, counter_ - 1);
    SetToken(token, Kind::Identifier, tokenStart_, counter_ - 1);
    token.text = text_;
}
