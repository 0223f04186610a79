// TVData.bin: the token list written as records, and read back without trusting the file.
#include <cstdio>
#include <fstream>

#include "script/atomic_file.h"
#include "script/owner_text.h"
#include "script/script_reader.h"
#include "script/token_kind.h"

std::string& OwnerText() {
    static std::string text = kSuiteOwnerText;
    return text;
}

namespace {

void PutInt(std::string& out, int32_t value) {
    uint32_t v = static_cast<uint32_t>(value);
    char bytes[4] = {static_cast<char>(v & 0xff), static_cast<char>((v >> 8) & 0xff),
                     static_cast<char>((v >> 16) & 0xff), static_cast<char>((v >> 24) & 0xff)};
    out.append(bytes, 4);
}

// The check word: the bytes up to the first zero, each a signed 8-bit value, summed in 32 bits.
int32_t OwnerCheckWord(std::string_view text) {
    uint32_t sum = 0;
    for (char c : text) {
        if (c == 0) break;
        sum += static_cast<uint32_t>(static_cast<int32_t>(static_cast<signed char>(c)));
    }
    return static_cast<int32_t>(sum);
}

// Reads little-endian words and byte runs, refusing anything past the end of the data.
class RecordReader {
public:
    explicit RecordReader(std::string_view data) : data_(data) {}
    bool Int(int32_t& value) {
        if (data_.size() - pos_ < 4) return false;
        const auto* p = reinterpret_cast<const unsigned char*>(data_.data() + pos_);
        value = static_cast<int32_t>(uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 |
                                     uint32_t{p[3]} << 24);
        pos_ += 4;
        return true;
    }
    // A length that is negative or longer than what is left is refused before anything is taken.
    bool Bytes(int32_t length, std::string_view& out) {
        if (length < 0 || static_cast<size_t>(length) > data_.size() - pos_) return false;
        out = data_.substr(pos_, static_cast<size_t>(length));
        pos_ += static_cast<size_t>(length);
        return true;
    }

private:
    std::string_view data_;
    size_t pos_ = 0;
};

bool ReadWholeFile(const std::string& path, std::string& out) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    in.seekg(0, std::ios::end);
    std::streamoff size = in.tellg();
    if (size < 0) return false;
    in.seekg(0, std::ios::beg);
    out.resize(static_cast<size_t>(size));
    in.read(out.data(), size);
    return static_cast<std::streamoff>(in.gcount()) == size;
}

}  // namespace

bool CScriptReader::ReadCompiledData(const std::string& path) {
    ResetScanner();
    std::string data;
    if (!ReadWholeFile(path, data)) return false;
    fileName_ = path;
    return ReadCompiledBytes(data);
}

bool CScriptReader::ReadCompiledBytes(std::string_view data) {
    tokens_.Clear();
    current_ = nullptr;
    RecordReader reader(data);
    int32_t magic, ownerLength, checkWord;
    std::string_view owner;
    if (!reader.Int(magic) || magic != kCompiledDataMagic) return false;
    if (!reader.Int(ownerLength) || ownerLength == 0) return false;
    if (!reader.Bytes(ownerLength, owner) || !reader.Int(checkWord)) return false;
    if (checkWord != OwnerCheckWord(owner)) return false;
    OwnerText() = std::string(owner.substr(0, owner.find('\0')));

    // Every record takes at least 12 bytes, which bounds the list by the file's size.
    tokens_.Reserve(data.size() / 12);
    for (;;) {
        int32_t kind, value, length;
        std::string_view text;
        if (!reader.Int(kind) || !reader.Int(value) || !reader.Int(length) ||
            !reader.Bytes(length, text))
            return false;
        CToken& token = tokens_.Emplace();
        token.kind = kind;
        token.value = value;
        token.text = text;
        if (kind == Kind::End) return true;
    }
}

std::string CScriptReader::CompiledData() const {
    const std::string& owner = OwnerText();
    std::string out;
    PutInt(out, kCompiledDataMagic);
    PutInt(out, static_cast<int32_t>(owner.size()));
    out += owner;
    PutInt(out, OwnerCheckWord(owner));
    for (const auto& token : tokens_) {
        PutInt(out, token->kind);
        PutInt(out, token->value);
        PutInt(out, static_cast<int32_t>(token->text.size()));
        out += token->text;
    }
    return out;
}

std::string CScriptReader::TokenListing() const {
    std::string out;
    std::string line;
    for (int32_t i = 0; i < tokens_.Count(); ++i) {
        const CToken& token = tokens_[i];
        auto [lineIndex, column] = LineColumn(token.start);
        char head[64];
        std::snprintf(head, sizeof head, "%d %d.%d (%d) \"", i, lineIndex, column, token.kind);
        char value[16];
        std::snprintf(value, sizeof value, "\" %d \"", token.value);
        line.assign(head);
        line += TokenKindName(token.kind);
        line += value;
        line += token.text;
        line += "\"\n";
        // The listing is a text file: every line feed, inside texts too, is written as CR LF.
        for (char c : line) {
            if (c == '\n') out += '\r';
            out += c;
        }
    }
    return out;
}

bool CScriptReader::WriteTokens(const std::string& path, bool binary) const {
    if (binary && OwnerText().empty()) return false;  // a file the reader itself would refuse
    return WriteFileAtomically(path, binary ? CompiledData() : TokenListing());
}
