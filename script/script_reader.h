#pragma once

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "script/byte_source.h"
#include "script/cursor_array.h"
#include "script/error_report.h"
#include "script/token.h"

// Magic number at the start of TVData.bin.
inline constexpr int32_t kCompiledDataMagic = 199920;

// Reads a script (or its compiled form TVData.bin) into one token list and serves the list through
// a cursor that skips comments. Errors go to the installed ErrorReport; without one the reader only
// sets its error flag and goes on.
class CScriptReader {
public:
    CScriptReader();
    CScriptReader(const CScriptReader&) = delete;
    CScriptReader& operator=(const CScriptReader&) = delete;
    ~CScriptReader();

    // REQUIRES: report outlives the reader, or is replaced first. Null removes it.
    void SetErrorReport(ErrorReport* report) { report_ = report; }

    // Replaces the token list with the tokens of the file: scanned from script text, or read from
    // TVData.bin when compiledData is set. False when the file cannot be opened, and for a
    // compiled file that is not well formed.
    bool OpenScript(const std::string& path, bool compiledData);
    // Scans text held in memory as if it were the script file.
    void OpenScriptText(std::string_view text);
    // Reads TVData.bin bytes held in memory; false when they are not well formed.
    bool ReadCompiledBytes(std::string_view data);

    // Scanner: one new token from the current character on; kind 0 at end of input, each time.
    std::unique_ptr<CToken> NextToken();
    void ReadChar();
    // (line index from 0, column) of a character position.
    std::pair<int32_t, int32_t> LineColumn(int32_t position) const;
    std::string TokenKindName(int32_t kind) const;

    // Token list walking; comments are invisible to these but counted by indices.
    bool Next();
    bool Unread();
    bool Expect(int32_t kind);
    void SkipTo(int32_t kind);
    bool FindPair(int32_t kindA, int32_t kindB);
    void Mark() { tokens_.Mark(); }
    void Restore() { tokens_.Restore(); }
    int32_t CurrentIndex() const { return tokens_.CurrentIndex(); }
    CToken* Seek(int32_t index);
    // The token last reached by a move; null before the first.
    CToken* Current() const { return current_; }

    // The index of the first token, from 0, whose text equals text exactly (any kind, comments
    // included); -1 when there is none.
    int32_t FindTokenByText(std::string_view text) const;
    // From start, finds each kind in turn, the first at or after start and every later one after
    // the previous match; a ">" that is not itself the kind sought ends the search, so it stays
    // inside the tag that follows start. At most five kinds. The token of the last match, or
    // null; *lastIndex receives its index.
    CToken* FindPattern(int32_t start, std::initializer_list<int32_t> kinds,
                        int32_t* lastIndex = nullptr) const;

    // Writes the token list back to the file it was read from as script text (CR LF lines, TAB
    // indentation). False, and the file untouched, when the text cannot be written, when the
    // list was read from TVData.bin (the compiled file must never be replaced by text) and when
    // the list was not read from a file.
    bool RewriteScript() const;

    // Writes TVData.bin (binary) or the Debug.txt listing; false when the file cannot be written.
    bool WriteTokens(const std::string& path, bool binary) const;
    // The bytes WriteTokens writes.
    std::string CompiledData() const;
    std::string TokenListing() const;

    // The error report: sets the error flag and hands (line.column, message) to the report. When
    // the report answers Abandon, the token list is cleared and ScriptAbandoned is thrown.
    void ReportError(int32_t position, const std::string& message);

    CCursorArray<CToken>& Tokens() { return tokens_; }
    const CCursorArray<CToken>& Tokens() const { return tokens_; }
    const std::string& FileName() const { return fileName_; }
    bool HasError() const { return errorFlag_; }
    // The list was read from TVData.bin.
    bool IsCompiledData() const { return compiledData_; }
    bool CommandSection() const { return commandSection_; }
    void SetCommandSection(bool on) { commandSection_ = on; }

private:
    void ResetScanner();
    void ScanAll();
    bool ReadCompiledData(const std::string& path);
    bool IsEnd() const { return endFlag_; }
    void Scan(CToken& token);
    static void SetToken(CToken& token, int32_t kind, int32_t start, int32_t end);
    void ScanInteger(CToken& token);
    void ScanString(CToken& token);
    void ScanLineComment(CToken& token);
    void ScanBlockComment(CToken& token);
    void ScanWord(CToken& token);
    void ProcessEscape();

    // Scanner state.
    std::string fileName_;
    int32_t counter_ = 0;
    std::string text_;
    int32_t accumulator_ = 0;
    unsigned char ch_ = ' ';  // the current character
    ByteSource source_;
    int32_t tokenStart_ = 0;
    bool endFlag_ = false;
    bool errorFlag_ = false;
    std::vector<int32_t> lineEnds_;
    bool commandSection_ = false;
    bool compiledData_ = false;

    CCursorArray<CToken> tokens_;
    CToken* current_ = nullptr;
    ErrorReport* report_ = nullptr;
};
