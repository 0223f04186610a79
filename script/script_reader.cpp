// CScriptReader: opening, the token cursor and the error report.
#include "script/script_reader.h"

#include "script/keyword_table.h"
#include "script/token_kind.h"

CScriptReader::CScriptReader() { KeywordTable::Instance(); }

CScriptReader::~CScriptReader() = default;

bool CScriptReader::OpenScript(const std::string& path, bool compiledData) {
    if (compiledData) {
        bool ok = ReadCompiledData(path);
        compiledData_ = true;
        return ok;
    }
    ResetScanner();
    if (!source_.OpenFile(path)) return false;
    fileName_ = path;
    // Scripts average well over four bytes a token; reserving only costs address space.
    tokens_.Reserve(source_.FileSize() / 4);
    ScanAll();
    source_.Close();
    return true;
}

void CScriptReader::OpenScriptText(std::string_view text) {
    ResetScanner();
    source_.OpenText(text);
    ScanAll();
    source_.Close();
}

bool CScriptReader::Next() {
    CToken* token;
    do {
        token = tokens_.RawNext();
        if (!token) {
            // Never move past the end token: step back onto it.
            tokens_.SetCursor(tokens_.Count() - 1);
            current_ = tokens_.At(tokens_.CurrentIndex());
            return false;
        }
    } while (token->kind == Kind::Comment);
    current_ = token;
    return token->kind != Kind::End;
}

bool CScriptReader::Unread() {
    CToken* token;
    do {
        token = tokens_.RawPrevious();
        if (!token) {
            tokens_.SetCursor(0);
            return false;
        }
    } while (token->kind == Kind::Comment);
    current_ = token;
    return true;
}

bool CScriptReader::Expect(int32_t kind) {
    Next();
    if (current_ && current_->kind == kind) return true;
    int32_t found = current_ ? current_->kind : Kind::End;
    std::string identifier;
    if (found == Kind::Identifier) identifier = "(" + current_->text + ") ";
    std::string message = "(" + std::to_string(CurrentIndex()) + ") Got '" + TokenKindName(found) +
                          "' " + identifier + "symbol, expected '" + TokenKindName(kind) + "'";
    ReportError(current_ ? current_->start : 0, message);
    return false;
}

void CScriptReader::SkipTo(int32_t kind) {
    for (;;) {
        bool more = Next();
        if (current_ && current_->kind == kind) return;
        if (!more) return;
    }
}

bool CScriptReader::FindPair(int32_t kindA, int32_t kindB) {
    for (;;) {
        SkipTo(kindA);
        if (!current_ || current_->kind != kindA) return false;
        if (!Next()) return kindB == Kind::End && current_ && current_->kind == kindB;
        if (current_->kind == kindB) return true;
        // Step back so that the token just read can itself start the pair.
        CToken* keep = current_;
        Unread();
        current_ = keep;
    }
}

CToken* CScriptReader::Seek(int32_t index) {
    CToken* token = tokens_.Seek(index);
    if (token) current_ = token;
    return token;
}

void CScriptReader::ReportError(int32_t position, const std::string& message) {
    errorFlag_ = true;
    auto [lineIndex, column] = LineColumn(position);
    ScriptDiagnostic diagnostic{position, lineIndex + 1, column, message};
    if (!report_) return;
    if (report_->Report(diagnostic) == ErrorReport::Outcome::Abandon) {
        tokens_.Clear();
        current_ = nullptr;
        throw ScriptAbandoned(diagnostic);
    }
}
