#include "medialib/image_file.h"

#include "medialib/builtin_resources.h"
#include "medialib/dib_convert.h"
#include "medialib/dib_file.h"
#include "medialib/gif_reader.h"
#include "medialib/jpeg_reader.h"
#include "medialib/path_util.h"
#include "medialib/pcx_format.h"
#include "medialib/pcx_reader.h"
#include "medialib/tga_reader.h"
#include "medialib/tiff_reader.h"
#include "platform/gdi/device_context.h"

#include <QString>

namespace {

// A DIB-producing reader's result: palette from the colour table, then the device bitmap.
bool FinishDib(std::optional<PackedDib>& dib, gdi::HBITMAP& bitmap, gdi::HPALETTE& palette) {
    if (!dib) return false;
    gdi::HPALETTE made = CreateDibPalette(*dib);
    gdi::HBITMAP result = DibToBitmap(*dib, made);
    dib.reset();
    if (!result) return false;
    bitmap = std::move(result);
    palette = std::move(made);
    return true;
}

}  // namespace

std::string ImageExtension(std::string_view name) {
    const std::string extension = SplitPath(name, 3);
    return QString::fromUtf8(extension.data(), static_cast<qsizetype>(extension.size())).toUpper().toStdString();
}

bool LoadB8Resource(std::string_view name, gdi::HBITMAP& bitmap, gdi::HPALETTE& palette) {
    bitmap = nullptr;
    palette = nullptr;
    const auto bytes = FindResource(ResourceKind::Bitmap, name);
    if (!bytes) return false;
    const auto dib = ReadDibFromBytes(*bytes);
    if (!dib) return false;
    const auto layout = CheckDib(*dib);
    if (!layout || layout->bitCount != 8 || layout->colours != 256) return false;
    gdi::HPALETTE made = CreateDibPalette(*dib);
    auto screen = gdi::CreateCompatibleDC(nullptr);
    const gdi::HPALETTE previous = screen->SelectPalette(made, false);
    screen->RealizePalette();
    gdi::HBITMAP result = DibToBitmap(*dib, made);
    screen->SelectPalette(previous, false);
    if (!result) return false;
    bitmap = std::move(result);
    palette = std::move(made);
    return true;
}

bool LoadImageFile(const std::string& name, gdi::HBITMAP& bitmap, gdi::HPALETTE& palette) {
    const std::string extension = ImageExtension(name);
    enum class Kind { Dib, Pcx, PcxResource, B4, B8, Tiff, Tga, Jpeg, Gif, None };
    Kind kind = Kind::None;
    if (extension == "BMP" || extension == "DIB") kind = Kind::Dib;
    else if (extension == "PCX") kind = Kind::Pcx;
    else if (extension == "P") kind = Kind::PcxResource;
    else if (extension == "B4") kind = Kind::B4;
    else if (extension == "B8") kind = Kind::B8;
    else if (extension == "TIF" || extension == "TIFF") kind = Kind::Tiff;
    else if (extension == "TGA") kind = Kind::Tga;
    else if (extension == "JPG" || extension == "JPEG") kind = Kind::Jpeg;
    else if (extension == "GIF") kind = Kind::Gif;
    if (kind == Kind::None) return false;

    bitmap = nullptr;
    palette = nullptr;
    std::optional<PackedDib> dib;
    switch (kind) {
        case Kind::Dib: return LoadDibFileAsBitmap(name, bitmap, palette);
        case Kind::Pcx: {
            auto dc = gdi::CreateCompatibleDC(nullptr);
            return LoadPcxFile(*dc, name, bitmap, palette) == pcx::kOk;
        }
        case Kind::PcxResource: {
            auto dc = gdi::CreateCompatibleDC(nullptr);
            return LoadPcxResource(*dc, name, bitmap, palette) == pcx::kOk;
        }
        case Kind::B4:
            bitmap = LoadBitmapResource(name);
            return bitmap != nullptr;
        case Kind::B8: return LoadB8Resource(name, bitmap, palette);
        case Kind::Tiff: ReadTiffFile(name, dib); return FinishDib(dib, bitmap, palette);
        case Kind::Tga: ReadTgaFile(name, dib); return FinishDib(dib, bitmap, palette);
        case Kind::Gif: ReadGifFile(name, dib); return FinishDib(dib, bitmap, palette);
        case Kind::Jpeg: {
            dib = ReadJpegFile(name);
            if (!dib) return false;
            gdi::HBITMAP result = DibToBitmap(*dib, nullptr);
            if (!result) return false;
            bitmap = std::move(result);
            return true;
        }
        case Kind::None: break;
    }
    return false;
}
