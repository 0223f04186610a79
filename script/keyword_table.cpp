#include "script/keyword_table.h"

#include <array>
#include <cstdio>

#include "script/token_kind.h"

namespace {

struct KindRow {
    int32_t kind;
    const char* display;
    std::initializer_list<const char*> spellings;
};

// The kind table: display text and every spelling that scans to the kind.
const KindRow kKindRows[] = {
    {0, "EOF", {}},
    {1, "ERROR", {}},
    {2, "ID", {}},
    {3, "STRING", {}},
    {4, "INT", {}},
    {5, ",", {","}},
    {6, ":", {":"}},
    {7, ";", {";"}},
    {8, "( ", {"("}},
    {9, ")", {")"}},
    {10, "[", {"["}},
    {11, "]", {"]"}},
    {12, "{", {"{"}},
    {13, "}", {"}"}},
    {14, ".", {"."}},
    {15, "+", {"+"}},
    {16, "-", {"-"}},
    {17, "*", {"*"}},
    {18, "/", {"/"}},
    {19, "==", {"=="}},
    {20, "!=", {"!=", "<>"}},
    {21, "<", {"<"}},
    {22, "<=", {"<="}},
    {23, ">", {">"}},
    {24, ">=", {">="}},
    {25, "AND", {"&"}},
    {26, "|", {"|"}},
    {27, "=", {"=", ":="}},
    {28, "ARRAY", {}},
    {29, "IF", {}},
    {30, "THEN", {}},
    {31, "ELSE", {}},
    {32, "WHILE", {}},
    {33, "FOR", {}},
    {34, "TO", {}},
    {35, "DO", {"DO"}},
    {36, "LET", {}},
    {37, "IN", {}},
    {38, "\nEnd", {"END"}},
    {39, "OF", {}},
    {40, "BREAK", {}},
    {41, "NIL", {}},
    {42, "FUNCTION", {}},
    {43, "VAR", {}},
    {44, "TYPE", {"TYPE"}},
    {45, "APP", {"APP", "APPLICATION"}},
    {46, "NAME", {"NAME"}},
    {47, "LEARN", {"LEARN"}},
    {48, "MEDIA", {"MEDIA"}},
    {49, "FRAME", {"FRAME"}},
    {50, "SIZE", {"SIZE"}},
    {51, "POSITION", {"POSITION", "POS"}},
    {52, "BACKGROUND", {"BACKGROUND"}},
    {53, "SCENE", {"SCENE"}},
    {54, "BUTTON", {"BUTTON"}},
    {55, "ANIM", {"ANIMATION", "ANIM"}},
    {56, "SOURCE", {"SOURCE", "SRC"}},
    {57, "FILE", {"FILE"}},
    {58, "SOUND", {"SOUND"}},
    {59, "IMAGE", {"IMAGE"}},
    {60, "COLOUR", {"COLOR", "COLOUR"}},
    {62, "SQUARE", {"SQUARE"}},
    {63, "OVAL", {"OVAL"}},
    {64, "ROUND", {"ROUND"}},
    {66, "SYNC", {"SYNC"}},
    {67, "ASYNC", {"ASYNC"}},
    {68, "CLICK", {"CLICK"}},
    {70, "DoHalt", {"DOHALT"}},
    {71, "DoRewind", {"DOREWIND"}},
    {72, "SCALE", {"SCALE"}},
    {73, "ignore", {"IGNORE"}},
    {75, "RETURN", {"RETURN"}},
    {76, "CONTINUE", {"CONTINUE"}},
    {77, "ACTION", {"ACTION"}},
    {78,
     "Remove",
     {"REMOVE", "KILL", "KILLANIM", "KILLSOUND", "KILLBUTTON", "KILLTEXT", "KILLFRAME",
      "KILLIMAGE", "KILLSCENE"}},
    {79, "DoSound", {"DOSOUND"}},
    {80, "DoScene", {"DOSCENE"}},
    {81, "Wait", {"WAIT"}},
    {82, "DoImage", {"DOIMAGE"}},
    {83, "DoAnim", {"DOANIM"}},
    {85, "ROLL", {"ROLL", "ROLLOVER"}},
    {86, "ACTIVE", {"ACTIVE"}},
    {87, "TRANSPARENT", {"TRANS", "TRANSPARENT"}},
    {88, "Pause", {"PAUSE"}},
    {89, "PAGE", {"PAGE"}},
    {90, "DoPage", {"DOPAGE"}},
    {91, "CLICKSOUND", {"CLICKSOUND"}},
    {92, "COMMAND", {"COMMAND"}},
    {93, "STATE", {"STATE"}},
    {94, "Set", {"SET"}},
    {95, "SquareExit", {"SQUAREEXIT"}},
    {96, "OvalExit", {"OVALEXIT"}},
    {97, "RoundExit", {"ROUNDEXIT"}},
    {98, "SquareNext", {"SQUARENEXT"}},
    {99, "OvalNext", {"OVALNEXT"}},
    {100, "RoundNext", {"ROUNDNEXT"}},
    {101, "SquareBlank", {"SQUAREBLANK"}},
    {102, "OvalBlank", {"OVALBLANK"}},
    {103, "RoundBlank", {"ROUNDBLANK"}},
    {104, "SquareAgain", {"SQUAREAGAIN"}},
    {105, "RoundAgain", {"ROUNDAGAIN"}},
    {106, "OvalAgain", {"OVALAGAIN"}},
    {113, "SquareReturn", {"SQUARERETURN"}},
    {114, "OvalReturn", {"OVALRETURN"}},
    {115, "RoundReturn", {"ROUNDRETURN"}},
    {116, "SquareBack", {"SQUAREBACK"}},
    {117, "OvalBack", {"OVALBACK"}},
    {118, "RoundBack", {"ROUNDBACK"}},
    {119, "DoVideo", {"DOVIDEO"}},
    {120, "PROGRAM", {"PROGRAM"}},
    {121, "PARAMETER", {"PARAMETER"}},
    {122, "DoProgram", {"RUN", "DOPROGRAM"}},
    {123, "AUTO", {"AUTO"}},
    {124, "on", {"ON", "YES", "OK", "TRUE"}},
    {125, "off", {"OFF", "NO", "CANCEL", "FALSE"}},
    {126, "STAY", {"STAY"}},
    {127, "LOOP", {"LOOP"}},
    {129, "SquareQuit", {"SQUAREQUIT"}},
    {130, "OvalQuit", {"OVALQUIT"}},
    {131, "RoundQuit", {"ROUNDQUIT"}},
    {132, "none", {"NONE"}},
    {134, "TIMING", {"TIMING"}},
    {135, "EFFECT", {"EFFECT"}},
    {136, "SlowDissolve", {"SLOWDISSOLVE"}},
    {137, "SlowBlindVertical", {"SLOWBLINDVERTICAL"}},
    {138, "SlowBlindHorizontal", {"SLOWBLINDHORIZONTAL"}},
    {139, "SlowWipeLeft", {"SLOWWIPELEFT"}},
    {140, "SlowWipeRight", {"SLOWWIPERIGHT"}},
    {141, "SlowWipeUp", {"SLOWWIPEUP"}},
    {142, "SlowWipeDown", {"SLOWWIPEDOWN"}},
    {143, "SlowIrisClose", {"SLOWIRISCLOSE"}},
    {144, "SlowIrisOpen", {"SLOWIRISOPEN"}},
    {145, "SlowSlideLeft", {"SLOWSLIDELEFT"}},
    {146, "SlowSlideRight", {"SLOWSLIDERIGHT"}},
    {147, "SlowSlideUp", {"SLOWSLIDEUP"}},
    {148, "SlowSlideDown", {"SLOWSLIDEDOWN", "SLOWEFFECT"}},
    {149, "FastWipeRight", {"FASTWIPERIGHT"}},
    {150, "FastWipeUp", {"FASTWIPEUP"}},
    {151, "FastWipeDown", {"FASTWIPEDOWN"}},
    {152, "FastIrisClose", {"FASTIRISCLOSE"}},
    {153, "FastIrisOpen", {"FASTIRISOPEN"}},
    {154, "FastSlideLeft", {"FASTSLIDELEFT"}},
    {155, "FastSlideRight", {"FASTSLIDERIGHT"}},
    {156, "FastSlideUp", {"FASTSLIDEUP"}},
    {157, "FastSlideDown", {"FASTSLIDEDOWN"}},
    {158, "FastDissolve", {"FASTDISSOLVE"}},
    {159, "FastBlindVertical", {"FASTBLINDVERTICAL"}},
    {160, "FastBlindHorizontal", {"FASTBLINDHORIZONTAL"}},
    {161, "FastWipeLeft", {"FASTWIPELEFT"}},
    {162, "PEN", {"PEN"}},
    {163, "COMMENT", {"COMMENT"}},
    {164, "VERSION", {"VERSION"}},
    {165, "SquareBullet", {"SQUAREBULLET"}},
    {166, "RoundBullet", {"ROUNDBULLET"}},
    {167, "OvalBullet", {"OVALBULLET"}},
    {168, "TEXT", {"TEXT"}},
    {169, "TEXTSTYLE", {"TEXTSTYLE"}},
    {170, "TEXTSIZE", {"TEXTSIZE"}},
    {171, "BOLD", {"BOLD"}},
    {172, "ITALIC", {"ITALIC"}},
    {173, "UNDERLINE", {"UNDERLINE"}},
    {174, "STRIKETHROUGH", {"STRIKETHROUGH"}},
    {175, "FONT", {"FONT"}},
    {176, "RIGHT", {"RIGHT"}},
    {177, "LEFT", {"LEFT"}},
    {178, "CENTER", {"CENTER", "CENTRE"}},
    {179, "ALIGN", {"ALIGN", "HALIGN"}},
    {180, "VALIGN", {"VALIGN"}},
    {181, "AUTOHEIGHT", {"AUTOHEIGHT"}},
    {182, "BLACKOUT", {"BLACKOUT"}},
    {183, "TOP", {"TOP"}},
    {184, "BOTTOM", {"BOTTOM"}},
    {185, "ROLLACTION", {"ROLLACTION"}},
    {186, "BROWSER", {"BROWSER", "HTML"}},
    {187, "DoBrowser", {"DOBROWSER"}},
    {189, "AUTHOR", {"AUTHOR"}},
    {190, "PRELOAD", {"PRELOAD"}},
    {191, "DoBrowserBack", {"DOBROWSERBACK"}},
    {192, "DoBrowserForward", {"DOBROWSERFORWARD"}},
    {193, "DoBrowserHome", {"DOBROWSERHOME"}},
    {194, "SCROLL", {"SCROLL"}},
    {195, "DoBrowserBrowse", {"DOBROWSERBROWSE"}},
    {196, "DoBrowserRefresh", {"DOBROWSERREFRESH"}},
    {197, "DoBrowserStop", {"DOBROWSERSTOP"}},
    {198, "DoTextbox", {"DOTEXTBOX"}},
    {199, "GROUP", {"GROUP"}},
    {200, "plain", {"PLAIN"}},
    {201, "STYLE", {"STYLE"}},
    {202, "simple", {"SIMPLE"}},
    {203, "DoDrag", {"DODRAG"}},
    {204, "DoRandomImage", {"DORANDOMIMAGE"}},
    {205, "TEXTBOX", {"TEXTBOX"}},
};

constexpr int32_t kLastKind = Kind::Textbox;

// FNV-1a: cheap for the short words of a script, and it spreads the spellings well.
uint32_t HashSpelling(std::string_view s) {
    uint32_t h = 2166136261u;
    for (char c : s) h = (h ^ static_cast<unsigned char>(c)) * 16777619u;
    return h;
}

std::array<const char*, kLastKind + 1> MakeDisplayTable() {
    std::array<const char*, kLastKind + 1> table{};
    for (const KindRow& row : kKindRows) table[row.kind] = row.display;
    return table;
}

const std::array<const char*, kLastKind + 1> kDisplay = MakeDisplayTable();

}  // namespace

// Open addressing with linear probing in a table kept at most a quarter full, so a lookup is
// nearly always one probe.
struct KeywordTable::Impl {
    static constexpr uint32_t kSlots = 1024;
    struct Slot {
        std::string_view spelling;  // the literals of the kind table; empty for a free slot
        int32_t kind = 0;
    };
    std::array<Slot, kSlots> slots{};
    size_t count = 0;

    void Insert(std::string_view spelling, int32_t kind) {
        for (uint32_t i = HashSpelling(spelling) % kSlots;; i = (i + 1) % kSlots) {
            if (slots[i].spelling.empty() || slots[i].spelling == spelling) {
                if (slots[i].spelling.empty()) ++count;
                slots[i] = {spelling, kind};
                return;
            }
        }
    }
    const Slot* Lookup(std::string_view spelling) const {
        if (spelling.empty()) return nullptr;
        for (uint32_t i = HashSpelling(spelling) % kSlots;; i = (i + 1) % kSlots) {
            if (slots[i].spelling.empty()) return nullptr;
            if (slots[i].spelling == spelling) return &slots[i];
        }
    }
};

KeywordTable::KeywordTable() : impl_(std::make_unique<Impl>()) {
    for (const KindRow& row : kKindRows)
        for (const char* spelling : row.spellings) impl_->Insert(spelling, row.kind);
}

KeywordTable::~KeywordTable() = default;

const KeywordTable& KeywordTable::Instance() {
    static const KeywordTable table;
    return table;
}

std::optional<int32_t> KeywordTable::Find(std::string_view spelling) const {
    const Impl::Slot* slot = impl_->Lookup(spelling);
    if (!slot) return std::nullopt;
    return slot->kind;
}

size_t KeywordTable::Count() const { return impl_->count; }

std::string TokenKindName(int32_t kind, bool commandSection) {
    if (commandSection) {
        if (kind == Kind::Scene) return "\n\nScene";
        if (kind == Kind::Button) return "Button";
        if (kind == Kind::Click) return "Click";
    }
    if (kind >= 0 && kind <= kLastKind && kDisplay[kind] != nullptr) return kDisplay[kind];
    char buffer[24];
    std::snprintf(buffer, sizeof buffer, "ID=%d", kind);
    return buffer;
}
