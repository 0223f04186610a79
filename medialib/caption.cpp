#include "medialib/caption.h"

#include "medialib/caption_colours.h"
#include "medialib/caption_entries.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <vector>

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The comma-separated fields of text.
std::vector<std::string_view> Fields(std::string_view text) {
    std::vector<std::string_view> fields;
    std::size_t pos = 0;
    while (true) {
        const std::size_t comma = text.find(',', pos);
        fields.push_back(text.substr(pos, comma == std::string_view::npos ? std::string_view::npos : comma - pos));
        if (comma == std::string_view::npos) return fields;
        pos = comma + 1;
    }
}

// "R" r "G" g "B" b with decimal components, each limited to 0..255; false when the form does
// not match.
bool ParseRgbForm(std::string_view value, gdi::COLORREF& colour) {
    const std::size_t g = value.find('G'), b = value.find('B');
    if (value.empty() || value[0] != 'R' || g == std::string_view::npos || b == std::string_view::npos || b < g)
        return false;
    auto component = [](std::string_view text) { return std::clamp(CaptionNumber(text), 0, 255); };
    colour = gdi::RGB(component(value.substr(1, g - 1)), component(value.substr(g + 1, b - g - 1)),
                      component(value.substr(b + 1)));
    return true;
}

// Sets entry n of the block from the value text of an f key.
void SetPanelEntry(PanelParameters& p, int n, std::string_view value) {
    const char code = value.empty() ? 0 : value[0];
    switch (n) {
    case 0: p.fill = ColourFromCode(code); break;
    case 1: p.outerLight = ColourFromCode(code); break;
    case 2: p.outerDark = ColourFromCode(code); break;
    case 3: p.innerLight = ColourFromCode(code); break;
    case 4: p.innerDark = ColourFromCode(code); break;
    case 5: p.textColour = ColourFromCode(code); break;
    case 6: p.textDx = CaptionNumber(value); break;
    case 7: p.textDy = CaptionNumber(value); break;
    case 8: p.shadowColour = ColourFromCode(code); break;
    case 9: p.shadowDx = CaptionNumber(value); break;
    case 10: p.shadowDy = CaptionNumber(value); break;
    case 11: p.outerWidth = CaptionNumber(value); break;
    case 12: p.innerWidth = CaptionNumber(value); break;
    case 13: p.gap = CaptionNumber(value); break;
    case 14: p.outline = CaptionNumber(value); break;
    case 15:
        if (code) p.disabledTextCode = code;
        break;
    default: break;
    }
}

void ApplyType(ParsedCaption& c, std::string_view value) {
    if (value.empty()) return;
    c.type = value[0];
    if (c.type != 'S' || value.size() < 3 || !IsDigit(value[2])) return;
    const std::string arrow(1, value[1]);
    c.upBitmap = "=s" + arrow;
    c.downBitmap = "=s" + arrow + "H";
    c.disabledBitmap = "=s" + arrow + "D";
    c.repeatSpeed = value[2];
    c.panel.outerWidth = 0;
    c.panel.outline = 0;
}

void ApplyStyle(ParsedCaption& c, std::string_view value) {
    if (value.empty()) return;
    c.panelStyle = value[0];
    if (value[0] != 'D' || value.size() < 5 || !std::all_of(value.begin() + 1, value.begin() + 5, IsDigit)) return;
    c.panel.outerWidth = value[1] - '0';
    c.panel.gap = value[2] - '0';
    c.panel.innerWidth = value[3] - '0';
    c.panel.outline = value[4] - '0';
}

void ApplyLook(ParsedCaption& c, char look) {
    PanelParameters& p = c.panel;
    switch (look) {
    case 'B':
    case 'G':
        c.panelStyle = 'R';
        c.justification = 'G';
        p.disabledTextCode = look == 'B' ? 'C' : '0';
        break;
    case 'C':
    case 'T':
    case 'R':
        if (look == 'R') {
            c.upBitmap = "=U";
            c.downBitmap = "=D";
            c.disabledBitmap = "=P";
        } else {
            c.upBitmap = "=C";
            c.downBitmap = look == 'C' ? "=T" : "=F";
            c.disabledBitmap = "=L";
        }
        p.outerWidth = 0;
        c.bitmapAlign = 'L';
        c.justification = 'L';
        p.textDx = 19;
        break;
    case 'H':
    case 'P':
        c.tile = '1';
        c.disabledBitmap = look == 'H' ? "=HP" : "=VP";
        break;
    case 'L':
        p.outerWidth = 0;
        p.outline = 0;
        c.justification = 'L';
        p.disabledTextCode = '0';
        break;
    case 'V':
        c.panelStyle = 'D';
        p.outerWidth = 1;
        p.innerWidth = 1;
        p.gap = 1;
        p.outline = 0;
        break;
    default: break;
    }
}

void ApplyEntry(ParsedCaption& c, char key, std::string_view value, const CaptionStringLookup& strings) {
    const char first = value.empty() ? 0 : value[0];
    switch (key) {
    case 'C': c.text = value; break;
    case 'U': c.upBitmap = value; break;
    case 'D': c.downBitmap = value; break;
    case 'P': c.disabledBitmap = value; break;
    case 'T': ApplyType(c, value); break;
    case 'J':
        if (first) c.justification = first;
        break;
    case 'B':
        if (first) c.bitmapAlign = first;
        break;
    case 'S': ApplyStyle(c, value); break;
    case 'L':
        // Only a digit or "/" is a width; anything else would give a meaningless one.
        if (first == '/') c.panel.outerWidth = -1;
        else if (IsDigit(first)) c.panel.outerWidth = first - '0';
        break;
    case 'O':
        if (IsDigit(first)) c.panel.outline = first - '0';
        break;
    case 'N':
        if (first) c.tile = first;
        break;
    case 'W':
        if (!ParseRgbForm(value, c.panel.fill) && first) c.panel.fill = ColourFromCode(first);
        break;
    case 'F':
        c.font = value == "D" ? "16,0,0,Arial" : value == "d" ? "-11,0,0,Arial" : std::string(value);
        break;
    case 'o': c.panel.shadowDx = c.panel.shadowDy = CaptionNumber(value); break;
    case 'd':
        if (first) c.panel.disabledTextCode = first;
        break;
    case 'f': {
        const std::size_t hash = value.find('#');
        if (hash == std::string_view::npos || hash == 0) break;
        const std::string_view index = value.substr(0, hash);
        if (!std::all_of(index.begin(), index.end(), IsDigit) || index.size() > 2) break;
        SetPanelEntry(c.panel, CaptionNumber(index), value.substr(hash + 1));
        break;
    }
    case 'c':
        if (strings && !value.empty()) {
            if (const std::optional<std::string> scheme = strings(CaptionNumber(value)))
                ApplyColourScheme(*scheme, c.panel);
        }
        break;
    case 's':
        if (first) ApplyLook(c, first);
        break;
    case 'u': c.cursor = value; break;
    case 'w': c.sound = std::string(value) + ".wav"; break;
    default: break;
    }
}

}  // namespace

int ParsedCaption::StyleNumber() const {
    switch (panelStyle) {
    case 'T': return 0;
    case 'R': return 1;
    case 'D': return 2;
    default: return 3;
    }
}

int CaptionNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
    if (i < text.size() && text[i] == '+') ++i;
    long long value = 0;
    const char* begin = text.data() + i;
    const auto result = std::from_chars(begin, text.data() + text.size(), value);
    if (result.ec == std::errc::result_out_of_range) value = (*begin == '-') ? -kMaxPanelNumber : kMaxPanelNumber;
    else if (result.ec != std::errc()) return 0;
    return static_cast<int>(std::clamp<long long>(value, -kMaxPanelNumber, kMaxPanelNumber));
}

FontEntry ParseFontEntry(std::string_view text) {
    FontEntry font;
    const std::vector<std::string_view> f = Fields(text);
    font.height = CaptionNumber(f[0]);
    font.bold = f.size() > 1 && !f[1].empty() && f[1] != "0";
    font.italic = f.size() > 2 && !f[2].empty() && f[2] != "0";
    if (f.size() > 3) font.face = f[3];
    return font;
}

void ApplyColourScheme(std::string_view scheme, PanelParameters& p) {
    const std::vector<std::string_view> f = Fields(scheme);
    gdi::COLORREF* colours[] = {&p.fill, &p.outerLight, &p.outerDark, &p.innerLight, &p.innerDark, &p.textColour};
    for (std::size_t i = 0; i < 6 && i < f[0].size(); ++i) *colours[i] = ColourFromCode(f[0][i]);
    // After the codes: text x and y offsets, shadow colour code, then numbers again.
    int* numbers[] = {nullptr,      &p.textDx,     &p.textDy,     nullptr, &p.shadowDx,
                      &p.shadowDy, &p.outerWidth, &p.innerWidth, &p.gap,  &p.outline};
    for (std::size_t i = 1; i < f.size() && i < 10; ++i) {
        if (f[i].empty()) continue;
        if (i == 3) p.shadowColour = ColourFromCode(f[i][0]);
        else *numbers[i] = CaptionNumber(f[i]);
    }
}

ParsedCaption ParseCaption(std::string_view caption, const CaptionStringLookup& strings) {
    caption = caption.substr(0, kMaxCaptionLength);
    ParsedCaption c;
    if (caption.find(':') == std::string_view::npos) {
        c.text = caption;
        return c;
    }
    for (const CaptionEntry& e : SplitCaptionEntries(caption)) ApplyEntry(c, e.key, e.value, strings);
    return c;
}
