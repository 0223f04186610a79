#include "medialib/image_tool.h"

#include "medialib/bmp_holder.h"
#include "medialib/builtin_resources.h"
#include "medialib/dib_file.h"
#include "medialib/gif_reader.h"
#include "medialib/image_file.h"
#include "medialib/image_limits.h"
#include "medialib/jpeg_reader.h"
#include "medialib/last_error.h"
#include "medialib/pcx_format.h"
#include "medialib/pcx_reader.h"
#include "medialib/tga_reader.h"
#include "medialib/tiff_reader.h"

namespace {

std::string PcxReason(int code) {
    switch (code) {
        case pcx::kCannotOpen: return "the file could not be opened";
        case pcx::kReadFailure: return "the PCX data ends before the picture does";
        case pcx::kOutOfMemory: return "the picture is too large";
        case pcx::kBadHeader: return "not a PCX picture this reader supports (header rejected)";
        default: return "PCX error " + std::to_string(code);
    }
}

std::string GifReason(int code) {
    switch (code) {
        case gif::kCannotOpen: return "the file could not be opened";
        case gif::kOutOfMemory: return "the picture is too large";
        case gif::kNotGif: return "not a GIF file, or it holds no image";
        default: return "the GIF data is damaged or cut short";
    }
}

std::string TgaReason(int code) {
    switch (code) {
        case tga::kCannotOpen: return "the file could not be opened";
        case tga::kOutOfMemory: return "the picture is too large";
        case tga::kUnsupported: return "a TGA header this reader does not support";
        default: return "the TGA data ends before the picture does";
    }
}

std::string TiffReason(int code) {
    switch (code) {
        case tiffcode::kCannotOpen: return "the file could not be opened or is not a TIFF file";
        case tiffcode::kNoBitsPerSample: return "the TIFF file gives 0 bits per sample";
        case tiffcode::kDeflateUnsupported: return "TIFF compression 32946 (deflate) is not supported";
        case tiffcode::kOldJpegUnsupported: return "TIFF compression 6 (old-style JPEG) is not supported";
        case tiffcode::kOutOfMemory: return "the picture is too large";
        case tiffcode::kShallowCmyk: return "CMYK TIFF pictures need 8 bits per sample";
        default: return "the TIFF data could not be read";
    }
}

std::string DibReason() {
    switch (GetLastMediaError()) {
        case media_error::kNotABitmap: return "not a BMP file, or its header does not fit its data";
        case media_error::kOutOfMemory: return "the picture is too large";
        default: return "the file could not be opened or read";
    }
}

std::optional<ImageInfo> Describe(const std::optional<PackedDib>& dib) {
    if (!dib) return std::nullopt;
    const auto layout = CheckDib(*dib);
    if (!layout) return std::nullopt;
    return ImageInfo{layout->width, layout->height, layout->bitCount, static_cast<int>(layout->colours)};
}

}  // namespace

std::optional<ImageInfo> ProbeImage(const std::string& name, std::string& error) {
    const std::string extension = ImageExtension(name);
    std::optional<PackedDib> dib;
    error.clear();
    if (extension == "BMP" || extension == "DIB") {
        SetLastMediaError(0);
        dib = ReadDibFile(name);
        if (!dib) error = DibReason();
    } else if (extension == "PCX" || extension == "P") {
        std::vector<std::uint8_t> bytes;
        int code = pcx::kCannotOpen;
        if (extension == "P") {
            if (auto found = FindResource(ResourceKind::Pcx, name)) {
                bytes = std::move(*found);
                code = DecodePcx(bytes, dib);
            }
        } else {
            const FileReadResult read = ReadWholeFile(name, bytes);
            code = read == FileReadResult::Ok          ? DecodePcx(bytes, dib)
                   : read == FileReadResult::CannotOpen ? pcx::kCannotOpen
                   : read == FileReadResult::TooLarge   ? pcx::kOutOfMemory
                                                        : pcx::kReadFailure;
        }
        if (!dib) error = PcxReason(code);
    } else if (extension == "B4" || extension == "B8") {
        const auto bytes = FindResource(ResourceKind::Bitmap, name);
        if (bytes) dib = ReadDibFromBytes(*bytes);
        if (!dib) error = "no built-in bitmap of that name";
    } else if (extension == "TIF" || extension == "TIFF") {
        const int code = ReadTiffFile(name, dib);
        if (!dib) error = TiffReason(code);
    } else if (extension == "TGA") {
        const int code = ReadTgaFile(name, dib);
        if (!dib) error = TgaReason(code);
    } else if (extension == "GIF") {
        const int code = ReadGifFile(name, dib);
        if (!dib) error = GifReason(code);
    } else if (extension == "JPG" || extension == "JPEG") {
        dib = ReadJpegFile(name);
        if (!dib) error = "the JPEG file could not be read";
    } else {
        error = "not a picture type that can be read (by its extension)";
        return std::nullopt;
    }
    auto info = Describe(dib);
    if (!info && error.empty()) error = "the picture's layout is not supported";
    return info;
}

int RunImageTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() == 2 && args[0] == "info") {
        std::string error;
        const auto info = ProbeImage(args[1], error);
        if (!info) {
            err << "tvimage: cannot read " << args[1] << ": " << error << "\n";
            return 1;
        }
        out << "width: " << info->width << "\nheight: " << info->height << "\nbits: " << info->bitCount
            << "\npalette: " << info->paletteSize << "\n";
        return 0;
    }
    if (args.size() == 3 && args[0] == "convert") {
        const std::string target = ImageExtension(args[2]);
        if (target != "BMP" && target != "PCX") {
            err << "tvimage: cannot write " << args[2] << ": only .bmp and .pcx files are written\n";
            return 1;
        }
        CBmp picture;
        if (!picture.Load(args[1])) {
            std::string error;
            ProbeImage(args[1], error);
            if (error.empty()) error = "the picture could not be made into a bitmap";
            err << "tvimage: cannot read " << args[1] << ": " << error << "\n";
            return 1;
        }
        if (!picture.SaveAs(args[2])) {
            err << "tvimage: cannot write " << args[2] << "\n";
            return 1;
        }
        return 0;
    }
    err << "usage: tvimage info FILE\n       tvimage convert IN OUT   (OUT: .bmp or .pcx)\n";
    return 2;
}
