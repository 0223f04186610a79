#include "resources/art/generator/canvas.h"
#include "resources/art/generator/catalogue.h"
#include "resources/art/generator/glyphs.h"
#include "resources/art/generator/style.h"

#include "medialib/panel.h"

namespace art {

namespace {

void Add(Catalogue& catalogue, std::vector<std::string> names, gdi::HBITMAP bitmap) {
    Artwork artwork;
    artwork.names = std::move(names);
    artwork.bitmap = std::move(bitmap);
    catalogue.push_back(std::move(artwork));
}

// The dialogs' background tile: paper with a fine diagonal texture that repeats every 8 pixels,
// so tiles join without a seam.
gdi::HBITMAP Background() {
    Canvas canvas(64, 64, kPaper);
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) {
            if ((x + y) % 8 == 0) gdi::SetPixel(canvas.Dc(), x, y, kPaperLine);
        }
    }
    return canvas.Bitmap();
}

// The emblem of the suite: a rounded blue tile with an amber "T" and a play notch.
void DrawEmblem(Canvas& canvas, int left, int top, int size) {
    canvas.Disc(left, top, left + size, top + size, kInk);
    canvas.Disc(left + 1, top + 1, left + size - 1, top + size - 1, kNormal.dark);
    canvas.Disc(left + 1, top + 1, left + size - 3, top + size - 3, kNormal.light);
    canvas.Disc(left + 3, top + 3, left + size - 3, top + size - 3, kNormal.face);
    const double s = size;
    const double l = left;
    const double t = top;
    // The T: a bar and a stem.
    canvas.Polygon({{l + s * 0.26, t + s * 0.26},
                    {l + s * 0.74, t + s * 0.26},
                    {l + s * 0.74, t + s * 0.38},
                    {l + s * 0.56, t + s * 0.38},
                    {l + s * 0.56, t + s * 0.76},
                    {l + s * 0.44, t + s * 0.76},
                    {l + s * 0.44, t + s * 0.38},
                    {l + s * 0.26, t + s * 0.38}},
                   kAccent);
    canvas.Polygon({{l + s * 0.60, t + s * 0.48}, {l + s * 0.76, t + s * 0.60}, {l + s * 0.60, t + s * 0.72}},
                   kWhite);
}

gdi::HBITMAP Think() {
    constexpr int kSize = 120;
    Canvas canvas(kSize, kSize, kMagentaKey);
    // Thought bubbles leading up to a large bubble with a question mark.
    canvas.Disc(8, 98, 20, 110, kInk);
    canvas.Disc(10, 100, 18, 108, kPaperLight);
    canvas.Disc(20, 80, 38, 98, kInk);
    canvas.Disc(22, 82, 36, 96, kPaperLight);
    canvas.Disc(28, 4, 116, 92, kInk);
    canvas.Disc(30, 6, 114, 90, kNormal.dark);
    canvas.Disc(30, 6, 111, 87, kNormal.light);
    canvas.Disc(33, 9, 111, 87, kNormal.face);
    canvas.Text("?", {34, 6, 116, 92}, 64, true, kNormal.shadow);
    canvas.Text("?", {32, 4, 114, 90}, 64, true, kAccent);
    return canvas.Bitmap();
}

// A button face complete with its bevel, for picture-only buttons ("L:/~").
gdi::HBITMAP Face(const char* caption, const Tone& tone, int width, int height) {
    Canvas canvas(width, height, tone.face);
    PanelDescription panel;
    panel.right = width - 1;
    panel.bottom = height - 1;
    panel.style = 2;
    panel.outline = true;
    panel.fill = tone.face;
    panel.outerLight = tone.light;
    panel.outerDark = tone.dark;
    panel.outerWidth = 2;
    panel.caption = caption;
    panel.textColour = tone.text;
    panel.format = gdi::DT_CENTER | gdi::DT_VCENTER | gdi::DT_SINGLELINE | gdi::DT_NOPREFIX;
    panel.textDx = tone.press;
    panel.textDy = tone.press;
    panel.shadowColour = tone.shadow;
    panel.shadowDx = tone.shadow == kNoShadow ? 0 : 1;
    panel.shadowDy = panel.shadowDx;
    gdi::LOGFONT font;
    font.lfHeight = -12;
    font.lfWeight = gdi::FW_BOLD;
    font.lfFaceName = "Arial";
    const gdi::LOGFONT old = canvas.Dc().SelectFont(font);
    DrawPanel(canvas.Dc(), panel);
    canvas.Dc().SelectFont(old);
    if (tone.shadow == kNoShadow) {
        // Disabled: an engraved caption, light under dark.
        canvas.Text(caption, {1, 1, width + 1, height + 1}, 12, true, tone.light);
        canvas.Text(caption, {0, 0, width, height}, 12, true, tone.dark);
    }
    return canvas.Bitmap();
}

void AddFaces(Catalogue& catalogue, const std::string& code, const char* caption, int width, int height) {
    Add(catalogue, {"<" + code + "N"}, Face(caption, kNormal, width, height));
    Add(catalogue, {"<" + code + "A"}, Face(caption, kActive, width, height));
    Add(catalogue, {"<" + code + "R"}, Face(caption, kRolled, width, height));
    Add(catalogue, {"<" + code + "G"}, Face(caption, kGrey, width, height));
}

// The picture of the exit dialog's left part: "made with" over the emblem and the name.
gdi::HBITMAP MadeWith() {
    constexpr int kWidth = 132;
    constexpr int kHeight = 164;
    Canvas canvas(kWidth, kHeight, kPaper);
    canvas.Fill({0, 0, kWidth, 40}, kNormal.face);
    canvas.Text("made with", {0, 0, kWidth, 40}, 16, false, kWhite);
    DrawEmblem(canvas, (kWidth - 64) / 2, 52, 64);
    canvas.Text("Tavrin", {1, 121, kWidth + 1, 149}, 26, true, kPaperShade);
    canvas.Text("Tavrin", {0, 120, kWidth, 148}, 26, true, kInk);
    canvas.Text("Northvale", {0, 146, kWidth, 162}, 11, false, kPaperDeep);
    return canvas.Bitmap();
}

gdi::HBITMAP TavrinLogo() {
    constexpr int kWidth = 148;
    constexpr int kHeight = 64;
    Canvas canvas(kWidth, kHeight, kPaper);
    DrawEmblem(canvas, 6, 6, 52);
    canvas.Text("Tavrin", {63, 9, kWidth, 45}, 30, true, kPaperShade, gdi::DT_LEFT | gdi::DT_VCENTER | gdi::DT_SINGLELINE);
    canvas.Text("Tavrin", {62, 8, kWidth, 44}, 30, true, kInk, gdi::DT_LEFT | gdi::DT_VCENTER | gdi::DT_SINGLELINE);
    canvas.Text("presentations", {64, 40, kWidth, 56}, 12, false, kPaperDeep,
                gdi::DT_LEFT | gdi::DT_VCENTER | gdi::DT_SINGLELINE);
    return canvas.Bitmap();
}

// The logo the animation builder stamps on frames: on black, which is its default transparent
// colour.
gdi::HBITMAP FrameLogo() {
    constexpr int kWidth = 104;
    constexpr int kHeight = 36;
    Canvas canvas(kWidth, kHeight, kBlack);
    DrawEmblem(canvas, 2, 2, 32);
    canvas.Text("Tavrin", {38, 0, kWidth, kHeight}, 20, true, kWhite, gdi::DT_LEFT | gdi::DT_VCENTER | gdi::DT_SINGLELINE);
    return canvas.Bitmap();
}

// A slide: a framed page with a play triangle.
gdi::HBITMAP Slide() {
    Canvas canvas(32, 32, kPaper);
    canvas.Fill({3, 6, 29, 26}, kInk);
    canvas.Fill({4, 7, 28, 25}, kWhite);
    canvas.Fill({4, 7, 28, 10}, kNormal.face);
    DrawTriangle(canvas, {11, 12, 11, 11}, Direction::Right, kAccent);
    return canvas.Bitmap();
}

// A presentation: a screen on a stand with a chart.
gdi::HBITMAP Present() {
    Canvas canvas(32, 32, kPaper);
    canvas.Fill({2, 3, 30, 5}, kInk);
    canvas.Fill({4, 5, 28, 22}, kInk);
    canvas.Fill({5, 5, 27, 21}, kWhite);
    canvas.Fill({8, 15, 11, 19}, kNormal.face);
    canvas.Fill({13, 11, 16, 19}, kAccent);
    canvas.Fill({18, 8, 21, 19}, kNormal.face);
    canvas.Fill({15, 22, 17, 27}, kInk);
    canvas.Bar({16, 26}, {9, 30}, 2, kInk);
    canvas.Bar({16, 26}, {23, 30}, 2, kInk);
    return canvas.Bitmap();
}

}  // namespace

void AddDialogArt(Catalogue& catalogue) {
    Add(catalogue, {"BGD.B4"}, Background());
    Add(catalogue, {"THINK.B4"}, Think());
    // Dialog buttons: OK and Cancel, 47 × 14 dialog units.
    AddFaces(catalogue, "OK", "OK", 71, 23);
    AddFaces(catalogue, "SE", "Cancel", 71, 23);
    // The project manager's picture buttons, 71 × 21 pixels.
    const std::pair<const char*, const char*> manager[] = {
        {"NEW", "New"},   {"ADD", "Add"},     {"START", "Start"},   {"EDIT", "Edit"},   {"DELETE", "Delete"},
        {"OPTIONS", "Options"}, {"MAKE", "Make"}, {"IMAGE", "Image"}, {"AVI", "AVI"},   {"SOUND", "Sound"},
        {"TOOLS", "Tools"}, {"HELP", "Help"}, {"EXIT", "Exit"}};
    for (const auto& [code, caption] : manager) AddFaces(catalogue, code, caption, 71, 21);
    Add(catalogue, {"<MADEWITH"}, MadeWith());
    Add(catalogue, {"<TAVRIN"}, TavrinLogo());
    Add(catalogue, {"<LOGO", "LOGO"}, FrameLogo());
    Add(catalogue, {"<SLIDE"}, Slide());
    Add(catalogue, {"<PRESENT"}, Present());
}

}  // namespace art
