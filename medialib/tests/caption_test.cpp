#include "medialib/caption.h"
#include "medialib/caption_colours.h"
#include "medialib/caption_entries.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// A caption and the change it makes to the default parsed caption.
struct ParseCase {
    const char* caption;
    std::function<void(ParsedCaption&)> expect;
};

void CheckCases(const std::vector<ParseCase>& cases, const CaptionStringLookup& strings = {}) {
    for (const ParseCase& c : cases) {
        ParsedCaption expected;
        c.expect(expected);
        EXPECT_EQ(ParseCaption(c.caption, strings), expected) << c.caption;
    }
}

}  // namespace

TEST(Caption, EveryKeyOverTheDefaults) {
    CheckCases({
        {"", [](ParsedCaption&) {}},
        {"Cancel", [](ParsedCaption& p) { p.text = "Cancel"; }},
        {"C:Slide\nShow~", [](ParsedCaption& p) { p.text = "Slide\nShow"; }},
        {"C:a:b~", [](ParsedCaption& p) { p.text = "a:b"; }},
        {"C:last", [](ParsedCaption& p) { p.text = "last"; }},
        {"U:<OKN~D:<OKA~P:<OKG~", [](ParsedCaption& p) { p.upBitmap = "<OKN", p.downBitmap = "<OKA", p.disabledBitmap = "<OKG"; }},
        {"T:C~", [](ParsedCaption& p) { p.type = 'C'; }},
        {"T:I~", [](ParsedCaption& p) { p.type = 'I'; }},
        {"T:SU1~",
         [](ParsedCaption& p) {
             p.type = 'S', p.upBitmap = "=sU", p.downBitmap = "=sUH", p.disabledBitmap = "=sUD", p.repeatSpeed = '1';
             p.panel.outerWidth = 0, p.panel.outline = 0;
         }},
        {"T:S~", [](ParsedCaption& p) { p.type = 'S'; }},
        {"J:R~", [](ParsedCaption& p) { p.justification = 'R'; }},
        {"J:G~", [](ParsedCaption& p) { p.justification = 'G'; }},
        {"B:L~", [](ParsedCaption& p) { p.bitmapAlign = 'L'; }},
        {"S:T~", [](ParsedCaption& p) { p.panelStyle = 'T'; }},
        {"S:D2821~", [](ParsedCaption& p) { p.panelStyle = 'D', p.panel.outerWidth = 2, p.panel.gap = 8, p.panel.innerWidth = 2, p.panel.outline = 1; }},
        {"S:D28~", [](ParsedCaption& p) { p.panelStyle = 'D'; }},
        {"L:3~", [](ParsedCaption& p) { p.panel.outerWidth = 3; }},
        {"L:/~", [](ParsedCaption& p) { p.panel.outerWidth = -1; }},
        {"L:x~", [](ParsedCaption&) {}},
        {"O:0~", [](ParsedCaption& p) { p.panel.outline = 0; }},
        {"N:1~", [](ParsedCaption& p) { p.tile = '1'; }},
        {"W:R0G0B0~", [](ParsedCaption& p) { p.panel.fill = 0; }},
        {"W:R10G20B300~", [](ParsedCaption& p) { p.panel.fill = gdi::RGB(10, 20, 255); }},
        {"W:1~", [](ParsedCaption& p) { p.panel.fill = 0x000080; }},
        {"W:~", [](ParsedCaption&) {}},
        {"F:D~", [](ParsedCaption& p) { p.font = "16,0,0,Arial"; }},
        {"F:d~", [](ParsedCaption& p) { p.font = "-11,0,0,Arial"; }},
        {"F:12,1,0,Times New Roman~", [](ParsedCaption& p) { p.font = "12,1,0,Times New Roman"; }},
        {"o:3~", [](ParsedCaption& p) { p.panel.shadowDx = p.panel.shadowDy = 3; }},
        {"o:99999999999~", [](ParsedCaption& p) { p.panel.shadowDx = p.panel.shadowDy = kMaxPanelNumber; }},
        {"d:C~", [](ParsedCaption& p) { p.panel.disabledTextCode = 'C'; }},
        {"f:0#9~f:5#C~f:6#-3~f:11#4~f:14#0~f:15#A~",
         [](ParsedCaption& p) {
             p.panel.fill = 0x0000FF, p.panel.textColour = 0xFF0000, p.panel.textDx = -3, p.panel.outerWidth = 4;
             p.panel.outline = 0, p.panel.disabledTextCode = 'A';
         }},
        {"f:16#1~f:x#1~f:#1~f:1~", [](ParsedCaption&) {}},
        {"u:hand~", [](ParsedCaption& p) { p.cursor = "hand"; }},
        {"w:click~", [](ParsedCaption& p) { p.sound = "click.wav"; }},
        {"Z:whatever~C:x~", [](ParsedCaption& p) { p.text = "x"; }},
        {"C:one~C:two~", [](ParsedCaption& p) { p.text = "two"; }},
        {":nokey~C:x~", [](ParsedCaption& p) { p.text = "x"; }},
    });
}

TEST(Caption, PredefinedLooks) {
    auto box = [](ParsedCaption& p, const char* up, const char* down, const char* disabled) {
        p.upBitmap = up, p.downBitmap = down, p.disabledBitmap = disabled;
        p.panel.outerWidth = 0, p.bitmapAlign = 'L', p.justification = 'L', p.panel.textDx = 19;
    };
    CheckCases({
        {"s:B~", [](ParsedCaption& p) { p.panelStyle = 'R', p.justification = 'G', p.panel.disabledTextCode = 'C'; }},
        {"s:G~", [](ParsedCaption& p) { p.panelStyle = 'R', p.justification = 'G', p.panel.disabledTextCode = '0'; }},
        {"s:C~", [&](ParsedCaption& p) { box(p, "=C", "=T", "=L"); }},
        {"s:T~", [&](ParsedCaption& p) { box(p, "=C", "=F", "=L"); }},
        {"s:R~", [&](ParsedCaption& p) { box(p, "=U", "=D", "=P"); }},
        {"s:H~", [](ParsedCaption& p) { p.tile = '1', p.disabledBitmap = "=HP"; }},
        {"s:P~", [](ParsedCaption& p) { p.tile = '1', p.disabledBitmap = "=VP"; }},
        {"s:L~", [](ParsedCaption& p) { p.panel.outerWidth = 0, p.panel.outline = 0, p.justification = 'L', p.panel.disabledTextCode = '0'; }},
        {"s:V~", [](ParsedCaption& p) { p.panelStyle = 'D', p.panel.outerWidth = 1, p.panel.innerWidth = 1, p.panel.gap = 1, p.panel.outline = 0; }},
        {"s:Q~", [](ParsedCaption&) {}},
    });
}

TEST(Caption, CaptionsOfTheDialogs) {
    CheckCases({
        {"U:<OKN~D:<OKA~L:/~", [](ParsedCaption& p) { p.upBitmap = "<OKN", p.downBitmap = "<OKA", p.panel.outerWidth = -1; }},
        {"D:<NEWA~U:<NEWN~P:<NEWG~L:/~",
         [](ParsedCaption& p) { p.upBitmap = "<NEWN", p.downBitmap = "<NEWA", p.disabledBitmap = "<NEWG", p.panel.outerWidth = -1; }},
        // The later U, D and L entries override what the arrow type set; the outline stays off.
        {"T:SU1~D:<MoveUpP~U:<MoveUp~L:2~",
         [](ParsedCaption& p) {
             p.type = 'S', p.upBitmap = "<MoveUp", p.downBitmap = "<MoveUpP", p.disabledBitmap = "=sUD";
             p.repeatSpeed = '1', p.panel.outerWidth = 2, p.panel.outline = 0;
         }},
        {"C:Slide\nShow~T:R~B:L~U:<SLIDE~", [](ParsedCaption& p) { p.text = "Slide\nShow", p.type = 'R', p.bitmapAlign = 'L', p.upBitmap = "<SLIDE"; }},
        {"J:R~C:Presentation ~T:R~B:L~U:<PRESENT~",
         [](ParsedCaption& p) { p.justification = 'R', p.text = "Presentation ", p.type = 'R', p.bitmapAlign = 'L', p.upBitmap = "<PRESENT"; }},
        {"P:<TAVRIN~S:D2821~",
         [](ParsedCaption& p) { p.disabledBitmap = "<TAVRIN", p.panelStyle = 'D', p.panel.outerWidth = 2, p.panel.gap = 8, p.panel.innerWidth = 2; }},
        {"U:<MADEWITH~S:D2821~u:hand~",
         [](ParsedCaption& p) { p.upBitmap = "<MADEWITH", p.panelStyle = 'D', p.panel.gap = 8, p.cursor = "hand"; }},
    });
}

TEST(Caption, OnlyTheFirst255CharactersAreRead) {
    const std::string caption = "C:" + std::string(260, 'x') + "~";
    EXPECT_EQ(ParseCaption(caption).text, std::string(253, 'x'));
    EXPECT_EQ(ParseCaption(std::string(250, 'a') + "~U:<LONG~").upBitmap, "");
}

TEST(Caption, ColourSchemeFromTheStringTable) {
    const CaptionStringLookup strings = [](int id) -> std::optional<std::string> {
        if (id == 100) return "9A0C8E,2,3,0,4,5,1,6,7,0";
        if (id == 101) return "00";
        return std::nullopt;
    };
    CheckCases({{"c:100~",
                 [](ParsedCaption& p) {
                     p.panel.fill = 0x0000FF, p.panel.outerLight = 0x00FF00, p.panel.outerDark = 0, p.panel.innerLight = 0xFF0000;
                     p.panel.innerDark = 0x808080, p.panel.textColour = 0xFFFF00, p.panel.textDx = 2, p.panel.textDy = 3;
                     p.panel.shadowColour = 0, p.panel.shadowDx = 4, p.panel.shadowDy = 5, p.panel.outerWidth = 1;
                     p.panel.innerWidth = 6, p.panel.gap = 7, p.panel.outline = 0;
                 }},
                {"c:101~", [](ParsedCaption& p) { p.panel.fill = 0, p.panel.outerLight = 0; }},
                {"c:102~", [](ParsedCaption&) {}}},
               strings);
    EXPECT_EQ(ParseCaption("c:100~"), ParsedCaption()) << "no string table";
}

TEST(Caption, ColourCodesBothWays) {
    const char* codes = "0123456789ABCDEG";
    for (const char* c = codes; *c; ++c) EXPECT_EQ(CodeFromColour(ColourFromCode(*c)), *c) << *c;
    EXPECT_EQ(ColourFromCode('G'), 0x02F0CAA6u);
    EXPECT_EQ(ColourFromCode('D'), gdi::RGB(255, 0, 255));
    EXPECT_EQ(ColourFromCode('F'), 0xFFFFFFu);
    EXPECT_EQ(ColourFromCode('z'), 0xFFFFFFu);
    EXPECT_EQ(CodeFromColour(0x123456), 'F');
    EXPECT_EQ(CodeFromColour(0xFFFFFF), 'F');
}

TEST(Caption, FontEntryifications) {
    EXPECT_EQ(ParseFontEntry("16,0,0,Arial"), (FontEntry{16, false, false, "Arial"}));
    EXPECT_EQ(ParseFontEntry("-11,1,2,Times New Roman"), (FontEntry{-11, true, true, "Times New Roman"}));
    EXPECT_EQ(ParseFontEntry(",1"), (FontEntry{0, true, false, ""}));
    EXPECT_EQ(ParseFontEntry(""), FontEntry{});
}

TEST(CaptionEntries, GetValueReadsTheFirstEntryOnly) {
    EXPECT_EQ(GetCaptionValue("U:<OKN~D:<OKA~U:<X~", 'U'), "<OKN");
    EXPECT_EQ(GetCaptionValue("U:<OKN~", 'C'), "");
    // A file path in a value is not an entry of its own.
    EXPECT_EQ(GetCaptionValue("U:C:\\pics\\a.bmp~", 'C'), "");
}

TEST(CaptionEntries, SetEntryAppendsThenReplaces) {
    struct Case {
        const char* caption;
        const char* entry;
        const char* expected;
    } cases[] = {
        {"U:<OKN~", "C:Go~", "U:<OKN~C:Go~"},
        {"U:<OKN~C:Go~L:/~", "C:Stop~", "U:<OKN~C:Stop~L:/~"},
        {"", "C:Go~", "C:Go~"},
        {"U:<OKN", "C:Go~", "U:<OKN~C:Go~"},
        {"C:Go", "C:Stop", "C:Stop~"},
        {"Cancel", "U:<X~", "C:Cancel~U:<X~"},
        {"U:C:\\a.bmp~", "C:Go~", "U:C:\\a.bmp~C:Go~"},
        {"f:1#2~f:12#3~", "f:12#5~", "f:1#2~f:12#5~"},
        {"f:1#2~", "f:12#5~", "f:1#2~f:12#5~"},
        {"C:Go~", "nonsense", "C:Go~"},
    };
    for (const Case& c : cases) EXPECT_EQ(SetCaptionEntry(c.caption, c.entry), c.expected) << c.caption << " + " << c.entry;
}
