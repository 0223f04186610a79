#include "medialib/ui/button_look.h"
#include "medialib/ui/dialog_units.h"
#include "medialib/ui/tests/test_support.h"
#include "platform/gdi/bitmap.h"
#include "platform/gdi/raster_ops.h"

#include <QImage>
#include <QPainter>

namespace {

struct Example {
    const char* caption;
    int width, height;
};

// The captions of the suite's dialogs, and one of each look that they do not show.
const Example kExamples[] = {
    {"U:<OKN~D:<OKA~L:/~", 47, 14},
    {"D:<NEWA~U:<NEWN~P:<NEWG~L:/~", 40, 24},
    {"T:SU1~D:<MoveUpP~U:<MoveUp~L:2~", 20, 20},
    {"W:R0G0B0~", 24, 16},
    {"W:1~", 24, 16},
    {"C:Slide\nShow~T:R~B:L~U:<SLIDE~", 90, 36},
    {"J:R~C:Presentation ~T:R~B:L~U:<PRESENT~", 120, 28},
    {"P:<TAVRIN~S:D2821~", 110, 44},
    {"U:<MADEWITH~S:D2821~u:hand~", 80, 36},
    {"Cancel", 70, 22},
    {"C:Options~s:B~", 110, 40},
    {"C:Loop~s:C~", 80, 18},
    {"C:Grooved~S:T~L:3~", 80, 24},
    {"C:Inverted~T:I~", 80, 22},
    {"C:Bold~F:14,1,0,Arial~f:5#9~o:2~", 80, 24},
    {"U:<TILE~N:1~C:Tiled~", 80, 24},
};

constexpr int kCell = 4;  // space round each button in the sheet
constexpr QRgb kBackground = 0xFF40A0A0;  // shows where a look leaves its background alone

QImage DrawExample(const Example& e, ButtonLook look) {
    gdi::HBITMAP bitmap = gdi::CreateBitmap(e.width, e.height, 32);
    bitmap->Image().fill(kBackground);
    gdi::DCPtr dc = gdi::CreateCompatibleDC(nullptr);
    dc->SelectBitmap(bitmap);
    dc->SelectFont(DialogFont());
    DrawButtonLook(*dc, e.width, e.height, ParseCaption(e.caption), look);
    if (look == ButtonLook::Down) DrawPressFrame(*dc, e.width, e.height, ParseCaption(e.caption));
    return bitmap->Image();
}

// One row per caption: up, down (with the press frame) and disabled, each on a teal ground.
QImage ExampleSheet() {
    int rowsHeight = 0, widest = 0;
    for (const Example& e : kExamples) rowsHeight += e.height + 2 * kCell, widest = std::max(widest, e.width);
    const int column = widest + 2 * kCell;
    QImage sheet(3 * column, rowsHeight, QImage::Format_RGB32);
    sheet.fill(0xFFFFFFFF);
    QPainter painter(&sheet);
    int y = 0;
    for (const Example& e : kExamples) {
        const ButtonLook looks[] = {ButtonLook::Up, ButtonLook::Down, ButtonLook::Disabled};
        for (int i = 0; i < 3; ++i) painter.drawImage(i * column + kCell, y + kCell, DrawExample(e, looks[i]));
        y += e.height + 2 * kCell;
    }
    painter.end();
    return sheet;
}

class ButtonLookTest : public ::testing::Test {
protected:
    void SetUp() override { App(); }
    TestPictures pictures;
};

}  // namespace

TEST_F(ButtonLookTest, ExampleCaptionsInEveryLook) { ExpectImage(ExampleSheet(), "example_captions"); }

// The same with the program's own artwork, as the dialogs show them.
TEST(ButtonLookArtwork, ExampleCaptionsWithTheBuiltInPictures) {
    App();
    ExpectImage(ExampleSheet(), "example_captions_artwork");
}

TEST_F(ButtonLookTest, PictureOnlyButtonFillsTheWholeButton) {
    // "L:/~" without caption: no panel, the picture fitted into the whole button.
    const QImage image = DrawExample({"U:<OKN~L:/~", 47, 14}, ButtonLook::Up);
    const QImage expected = MakeTestPicture(47, 14, 0x0000C0)->Image();
    EXPECT_EQ(image, expected);
}

TEST_F(ButtonLookTest, MissingPictureLeavesPanelAndCaption) {
    EXPECT_EQ(DrawExample({"C:Go~U:<NOSUCH~", 50, 20}, ButtonLook::Up), DrawExample({"C:Go~", 50, 20}, ButtonLook::Up));
    EXPECT_EQ(DrawExample({"C:Go~U:nosuch.bmp~", 50, 20}, ButtonLook::Up), DrawExample({"C:Go~", 50, 20}, ButtonLook::Up));
}

TEST_F(ButtonLookTest, DerivedBlocks) {
    const ParsedCaption push = ParseCaption("C:x~");
    const PanelParameters down = LookParameters(push, ButtonLook::Down);
    EXPECT_EQ(down.outerLight, 0x808080u);
    EXPECT_EQ(down.outerDark, 0xC0C0C0u);
    EXPECT_EQ(down.textDx, 1);
    EXPECT_EQ(down.textDy, 1);
    EXPECT_EQ(LookParameters(ParseCaption("T:C~"), ButtonLook::Down).textDx, 0);
    const PanelParameters disabled = LookParameters(ParseCaption("W:1~d:9~"), ButtonLook::Disabled);
    EXPECT_EQ(disabled.fill, 0xC0C0C0u);
    EXPECT_EQ(disabled.textColour, 0x0000FFu);
    const PanelParameters inverted = LookParameters(ParseCaption("T:I~W:1~"), ButtonLook::Disabled);
    EXPECT_EQ(inverted.outerLight, 0x808080u);
    EXPECT_EQ(inverted.outerDark, 0xFFFFFFu);
    EXPECT_EQ(inverted.fill, 0x000080u);
}

TEST_F(ButtonLookTest, PanelRectangleFollowsTheOutline) {
    EXPECT_EQ(ButtonPanelRect(ParseCaption(""), 40, 20), (gdi::RECT{0, 0, 39, 19}));
    EXPECT_EQ(ButtonPanelRect(ParseCaption("O:0~"), 40, 20), (gdi::RECT{-1, -1, 40, 20}));
}
