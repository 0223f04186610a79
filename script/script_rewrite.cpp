// Regenerating script text from the token list, and writing it over the script file.
#include "script/script_rewrite.h"

#include <string_view>

#include "script/atomic_file.h"
#include "script/keyword_table.h"
#include "script/script_reader.h"
#include "script/token_kind.h"

namespace {

// Longer comments come back as block comments, shorter ones as line comments.
constexpr size_t kLineCommentLimit = 70;

int32_t KindAt(const CCursorArray<CToken>& tokens, int32_t index) {
    return index < tokens.Count() ? tokens[index].kind : 0;
}

void AppendTabs(std::string& out, int32_t count) {
    for (int32_t i = 0; i < count; ++i) out.push_back('\t');
}

// A string token's text in the escape form the scanner reads back to the same text: backslash,
// double quote, carriage return and line feed are escaped, everything else stands as it is.
void AppendString(std::string& out, std::string_view text) {
    out += " \"";
    for (char c : text) {
        switch (c) {
            case '\\': out += "\\\\"; break;
            case '"': out += "\\\""; break;
            case '\r': out += "\\r"; break;
            case '\n': out += "\\n"; break;
            default: out.push_back(c); break;
        }
    }
    out.push_back('"');
}

// A comment's text holds no line break when it was scanned; one read from TVData.bin might, and
// would end a line comment early, so it is written as a blank, as the block comment scanner reads it.
void AppendComment(std::string& out, std::string_view text) {
    std::string body(text);
    for (char& c : body) {
        if (c == '\n' || c == '\r') c = ' ';
    }
    // A block comment cannot hold "*/"; such a text keeps the line form, which reads back the same.
    bool block = body.size() > kLineCommentLimit && body.find("*/") == std::string::npos;
    out += block ? "\n/*" : "\n//";
    out += body;
    out += block ? "*/\n" : "\n";
}

}  // namespace

bool IsDeclarationKind(int32_t kind) {
    switch (kind) {
        case Kind::App: case Kind::TextStyle: case Kind::Frame: case Kind::Scene:
        case Kind::Button: case Kind::Anim: case Kind::Image: case Kind::Browser:
        case Kind::Textbox:
            return true;
        default:
            return false;
    }
}

bool IsCommandKind(int32_t kind) {
    switch (kind) {
        case Kind::Button: case Kind::Click: case Kind::DoHalt: case Kind::DoRewind:
        case Kind::Remove: case Kind::DoSound: case Kind::DoScene: case Kind::Wait:
        case Kind::DoImage: case Kind::DoAnim: case Kind::Pause: case Kind::DoPage:
        case Kind::DoVideo: case Kind::DoBrowser: case Kind::DoBrowserBack:
        case Kind::DoBrowserForward: case Kind::DoBrowserHome: case Kind::Scroll:
        case Kind::DoBrowserBrowse: case Kind::DoBrowserRefresh: case Kind::DoBrowserStop:
        case Kind::DoTextbox: case Kind::DoDrag: case Kind::DoRandomImage:
            return true;
        default:
            return false;
    }
}

int32_t IndentLevel(int32_t kind) {
    switch (kind) {
        case Kind::App: case Kind::TextStyle: case Kind::Do: case Kind::Learn: case Kind::Frame:
            return 0;
        case Kind::Slash:
            return -1;
        case Kind::Scene:
            return 1;
        default:
            return 2;
    }
}

std::string RewriteText(const CCursorArray<CToken>& tokens) {
    std::string out;
    bool commandSection = false;
    bool blockForm = false;
    int32_t indent = 0;
    int32_t lastAction = 0;
    const int32_t count = tokens.Count();
    for (int32_t i = 0; i + 1 < count; ++i) {
        const CToken& token = tokens[i];
        const int32_t kind = token.kind;
        const int32_t next = KindAt(tokens, i + 1);
        const int32_t next2 = KindAt(tokens, i + 2);
        if (kind == Kind::Do) commandSection = true;
        if (IsDeclarationKind(kind)) blockForm = next == Kind::Greater;
        // Each attribute of a declaration whose tag closes at once starts its own indented line.
        if (blockForm && next == Kind::Equal) {
            out.push_back('\n');
            AppendTabs(out, indent + 1);
        }
        if (kind == Kind::Action || kind == Kind::RollAction) lastAction = i;
        // A command kind that is the value of ACTION or ROLLACTION stays on the attribute's line.
        if (commandSection && IsCommandKind(kind) && i - 2 != lastAction) out += "\n\t";

        switch (kind) {
            case Kind::Identifier:
                out += ' ';
                out += token.text;
                out += ' ';
                break;
            case Kind::String:
                AppendString(out, token.text);
                break;
            case Kind::Integer:
                out += ' ';
                out += std::to_string(token.value);
                break;
            case Kind::Less: {
                out.push_back('\n');
                if (next == Kind::Frame || next2 == Kind::Greater) out.push_back('\n');
                indent = IndentLevel(next);
                if (indent == -1) indent = IndentLevel(next2);
                if (indent < 0) indent = 0;
                AppendTabs(out, indent);
                out.push_back('<');
                break;
            }
            case Kind::Comment:
                AppendComment(out, token.text);
                break;
            // Two operators display in a form that scans as something else ("AND" is a name,
            // "!=" no operator); they are written as scripts spell them.
            case Kind::Ampersand:
                out += " &";
                break;
            case Kind::NotEqual:
                out += " <>";
                break;
            default:
                out += ' ';
                out += TokenKindName(kind, commandSection);
                break;
        }
    }
    return out;
}

bool CScriptReader::RewriteScript() const {
    if (compiledData_ || fileName_.empty()) return false;
    std::string text = RewriteText(tokens_);
    std::string bytes;
    bytes.reserve(text.size() + text.size() / 16);
    for (char c : text) {
        if (c == '\n') bytes.push_back('\r');
        bytes.push_back(c);
    }
    return WriteFileAtomically(fileName_, bytes);
}
