#include "medialib/bmp_holder.h"
#include "medialib/builtin_resources.h"
#include "medialib/dib_file.h"
#include "medialib/image_file.h"
#include "medialib/image_tool.h"
#include "medialib/pcx_writer.h"
#include "medialib/tests/dib_fixtures.h"
#include "medialib/tests/image_fixtures.h"
#include "platform/message/message_display.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

PackedDib EightBit(int colours) {
    std::vector<RGBQUAD> table;
    for (int i = 0; i < colours; ++i) table.push_back({static_cast<std::uint8_t>(i), 0, static_cast<std::uint8_t>(255 - i), 0});
    return MakeDib(4, 2, 8, table, {1, 2, 3, 4, 5, 6, 7, 8}, BI_RGB, static_cast<std::uint32_t>(colours));
}

// Resources looked up in a folder of the test's own while it lives.
struct ResourceFolder {
    ResourceFolder() {
        std::filesystem::create_directories(folder.path / "bitmap");
        std::filesystem::create_directories(folder.path / "pcx");
        previous = SetResourceRoot(folder.path.string());
    }
    ~ResourceFolder() { SetResourceRoot(previous); }
    std::string Bitmap(const std::string& name) const {
        return (folder.path / "bitmap" / ResourceFileName(ResourceKind::Bitmap, name)).string();
    }
    TempFolder folder;
    std::string previous;
};

struct SilentMessages {
    SilentMessages() { previous = SetMessageDisplay([this](const std::string& t, const std::string&) { titles.push_back(t); }); }
    ~SilentMessages() { SetMessageDisplay(previous); }
    MessageDisplay previous;
    std::vector<std::string> titles;
};

TEST(LoadImageFile, ExtensionsAreUpperCasedAndComparedExactly) {
    SilentMessages messages;
    const gdi::HBITMAP sentinel = gdi::CreateBitmap(1, 1, 32);
    for (const char* name : {"/missing/a.Jpeg", "/missing/a.JPEG", "/missing/a.jpeg", "/missing/b.jpg"}) {
        gdi::HBITMAP bitmap = sentinel;
        gdi::HPALETTE palette;
        EXPECT_FALSE(LoadImageFile(name, bitmap, palette)) << name;
        EXPECT_EQ(bitmap, nullptr) << name;
    }
    // Only the JPEG glue shows messages: each of those names took its path.
    EXPECT_EQ(messages.titles.size(), 4u);
    for (const char* name : {"/missing/a.jpe", "/missing/a", "/missing/a.png", "/missing/a.b48"}) {
        gdi::HBITMAP bitmap = sentinel;
        gdi::HPALETTE palette;
        EXPECT_FALSE(LoadImageFile(name, bitmap, palette)) << name;
        EXPECT_EQ(bitmap, sentinel) << name;
    }
    EXPECT_EQ(messages.titles.size(), 4u);
    EXPECT_EQ(ImageExtension("picture.tıf"), "TIF");
}

TEST(LoadImageFile, FilesOfEachKindGiveABitmapAndTheirPalette) {
    TempFolder folder;
    const PackedDib dib = EightBit(256);
    ASSERT_TRUE(WriteDibFile(folder.File("p.bmp"), dib));
    ASSERT_EQ(SavePcxFile(folder.File("p.pcx"), dib, nullptr), 0);
    WriteAll(folder.path / "p.tga", {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 1, 0, 24, 0, 10, 20, 30});
    for (const char* file : {"p.bmp", "P.PCX"}) {
        std::string path = folder.File(file);
        if (std::string(file) == "P.PCX") std::filesystem::rename(folder.path / "p.pcx", path);
        gdi::HBITMAP bitmap;
        gdi::HPALETTE palette;
        ASSERT_TRUE(LoadImageFile(path, bitmap, palette)) << file;
        EXPECT_EQ(bitmap->GetPixel(2, 0), gdi::RGB(248, 0, 7)) << file;
        ASSERT_TRUE(palette) << file;
        EXPECT_EQ(palette->Size(), 256) << file;
    }
    CBmp tga;
    ASSERT_TRUE(tga.Load(folder.File("p.tga")));
    EXPECT_EQ(tga.Bitmap()->GetPixel(0, 0), gdi::RGB(30, 20, 10));
    EXPECT_FALSE(tga.Palette());
}

TEST(LoadImageFile, ResourceKindsB4B8AndP) {
    ResourceFolder resources;
    ASSERT_TRUE(WriteDibFile(resources.Bitmap("PLAIN.B4"), EightBit(256)));
    ASSERT_TRUE(WriteDibFile(resources.Bitmap("EIGHT.B8"), EightBit(256)));
    ASSERT_TRUE(WriteDibFile(resources.Bitmap("FEW.B8"), EightBit(16)));
    ASSERT_EQ(SavePcxFile((resources.folder.path / "pcx" / ResourceFileName(ResourceKind::Pcx, "PIC.P")).string(),
                          EightBit(256), nullptr),
              0);
    gdi::HBITMAP bitmap;
    gdi::HPALETTE palette;
    ASSERT_TRUE(LoadImageFile("plain.b4", bitmap, palette));
    EXPECT_EQ(bitmap->GetPixel(0, 1), gdi::RGB(254, 0, 1));
    EXPECT_FALSE(palette);
    EXPECT_FALSE(LoadImageFile("nosuch.B4", bitmap, palette));
    EXPECT_FALSE(bitmap);

    ASSERT_TRUE(LoadImageFile("Eight.b8", bitmap, palette));
    ASSERT_TRUE(palette);
    EXPECT_EQ(palette->Size(), 256);
    EXPECT_EQ(palette->Entries()[3].peRed, 252);
    EXPECT_EQ(palette->Entries()[3].peBlue, 3);
    // A colour table of another size is not a "B8" bitmap.
    EXPECT_FALSE(LoadImageFile("FEW.B8", bitmap, palette));
    EXPECT_FALSE(bitmap);

    ASSERT_TRUE(LoadImageFile("pic.p", bitmap, palette));
    EXPECT_EQ(bitmap->GetPixel(3, 0), gdi::RGB(247, 0, 8));
    EXPECT_TRUE(palette);
    EXPECT_FALSE(LoadImageFile("other.p", bitmap, palette));
}

TEST(ImageTool, InfoConvertAndErrors) {
    TempFolder folder;
    ASSERT_TRUE(WriteDibFile(folder.File("in.bmp"), EightBit(256)));
    std::ostringstream out, err;
    EXPECT_EQ(RunImageTool({"info", folder.File("in.bmp")}, out, err), 0);
    EXPECT_EQ(out.str(), "width: 4\nheight: 2\nbits: 8\npalette: 256\n");

    EXPECT_EQ(RunImageTool({"convert", folder.File("in.bmp"), folder.File("out.pcx")}, out, err), 0);
    out.str("");
    EXPECT_EQ(RunImageTool({"info", folder.File("out.pcx")}, out, err), 0);
    // The bitmap is true colour by then, so the PCX has three planes.
    EXPECT_EQ(out.str(), "width: 4\nheight: 2\nbits: 24\npalette: 0\n");
    EXPECT_EQ(RunImageTool({"convert", folder.File("out.pcx"), folder.File("back.bmp")}, out, err), 0);
    EXPECT_TRUE(std::filesystem::exists(folder.path / "back.bmp"));

    err.str("");
    WriteAll(folder.path / "bad.gif", {'G', 'I', 'F', '8', '9', 'a', 1});
    EXPECT_EQ(RunImageTool({"info", folder.File("bad.gif")}, out, err), 1);
    EXPECT_NE(err.str().find("cannot read"), std::string::npos);
    EXPECT_EQ(RunImageTool({"convert", folder.File("missing.tga"), folder.File("x.bmp")}, out, err), 1);
    EXPECT_EQ(RunImageTool({"convert", folder.File("in.bmp"), folder.File("x.png")}, out, err), 1);
    EXPECT_EQ(RunImageTool({"convert", folder.File("in.bmp"), folder.File("no/such/dir/x.bmp")}, out, err), 1);
    EXPECT_FALSE(std::filesystem::exists(folder.path / "x.png"));
    EXPECT_EQ(RunImageTool({"frobnicate"}, out, err), 2);
}

}  // namespace
