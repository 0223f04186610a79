#include "medialib/jpeg_reader.h"

#include "medialib/image_limits.h"
#include "platform/message/message_display.h"

#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include <jpeglib.h>
#include <jerror.h>

namespace {

constexpr char kFatalTitle[] = "JPG Fatal Error";
constexpr char kTitle[] = "JPEG";
// The library's own working memory (coefficient buffers of progressive pictures) is capped too.
constexpr long kMaxLibraryMemory = 512L << 20;

struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void OnFatalError(j_common_ptr info) {
    auto* manager = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, manager->message);
    std::longjmp(manager->jump, 1);
}

void OnMessage(j_common_ptr info, int level) {
    // A file cut short is decoded as grey by the library; here it is an error like any other.
    if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF) OnFatalError(info);
}

// Decodes into *out. Keeps no object with a destructor in its own frame, since the library's
// errors return here by longjmp.
bool Decode(jpeg_decompress_struct* info, ErrorManager* errors, std::span<const std::uint8_t> data,
            std::optional<PackedDib>* out, std::string* failure) {
    if (setjmp(errors->jump)) {
        *failure = errors->message;
        out->reset();
        return false;
    }
    jpeg_create_decompress(info);
    info->mem->max_memory_to_use = kMaxLibraryMemory;
    jpeg_mem_src(info, data.data(), static_cast<unsigned long>(data.size()));
    jpeg_read_header(info, TRUE);
    if (!ImageSizeAllowed(info->image_width, info->image_height)) {
        std::snprintf(errors->message, sizeof errors->message, "Picture too large (%u x %u)",
                      static_cast<unsigned>(info->image_width), static_cast<unsigned>(info->image_height));
        *failure = errors->message;
        return false;
    }
    const bool cmyk = info->jpeg_color_space == JCS_CMYK || info->jpeg_color_space == JCS_YCCK;
    info->out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGR;
    jpeg_start_decompress(info);
    const std::uint64_t width = info->output_width;
    const std::uint64_t height = info->output_height;
    const std::uint64_t stride = DibStride(width, 24);
    *out = PackedDib::Allocate(static_cast<std::size_t>(kBitmapInfoHeaderSize + stride * height));
    if (!*out) {
        *failure = "JPG out of memory";
        return false;
    }
    BITMAPINFOHEADER header;
    header.biWidth = static_cast<std::int32_t>(width);
    header.biHeight = static_cast<std::int32_t>(height);
    header.biBitCount = 24;
    header.biSizeImage = static_cast<std::uint32_t>(stride * height);
    (*out)->SetHeader(header);
    std::uint8_t* bits = (*out)->Data() + kBitmapInfoHeaderSize;
    if (!cmyk) {
        // Straight into the DIB rows, bottom row last.
        while (info->output_scanline < info->output_height) {
            JSAMPROW row = bits + (height - 1 - info->output_scanline) * stride;
            jpeg_read_scanlines(info, &row, 1);
        }
    } else {
        // Four samples per pixel need a line of their own, taken from the library's image pool
        // so that it is freed with the decompressor on every path.
        std::uint8_t* line = static_cast<std::uint8_t*>(
            (*info->mem->alloc_small)(reinterpret_cast<j_common_ptr>(info), JPOOL_IMAGE, width * 4));
        // Photoshop writes inverted CMYK (Adobe marker); others write it plainly.
        const bool inverted = info->saw_Adobe_marker;
        while (info->output_scanline < info->output_height) {
            std::uint8_t* row = bits + (height - 1 - info->output_scanline) * stride;
            JSAMPROW target = line;
            jpeg_read_scanlines(info, &target, 1);
            for (std::uint64_t x = 0; x < width; ++x) {
                int c = line[x * 4], m = line[x * 4 + 1], y = line[x * 4 + 2], k = line[x * 4 + 3];
                if (!inverted) {
                    c = 255 - c;
                    m = 255 - m;
                    y = 255 - y;
                    k = 255 - k;
                }
                row[x * 3] = static_cast<std::uint8_t>(y * k / 255);
                row[x * 3 + 1] = static_cast<std::uint8_t>(m * k / 255);
                row[x * 3 + 2] = static_cast<std::uint8_t>(c * k / 255);
            }
        }
    }
    jpeg_finish_decompress(info);
    return true;
}

}  // namespace

std::optional<PackedDib> DecodeJpeg(std::span<const std::uint8_t> data) {
    std::optional<PackedDib> result;
    std::string failure;
    jpeg_decompress_struct info;
    ErrorManager errors;
    std::memset(&info, 0, sizeof info);
    info.err = jpeg_std_error(&errors.pub);
    errors.pub.error_exit = OnFatalError;
    errors.pub.emit_message = OnMessage;
    errors.message[0] = '\0';
    if (data.empty()) {
        ShowMessage(kFatalTitle, "Empty input file");
        return std::nullopt;
    }
    const bool ok = Decode(&info, &errors, data, &result, &failure);
    jpeg_destroy_decompress(&info);
    if (!ok) {
        result.reset();
        ShowMessage(failure == "JPG out of memory" ? kTitle : kFatalTitle, failure);
    }
    return result;
}

std::optional<PackedDib> ReadJpegFile(const std::string& path) {
    std::vector<std::uint8_t> bytes;
    const FileReadResult read = ReadWholeFile(path, bytes);
    if (read == FileReadResult::TooLarge) {
        ShowMessage(kTitle, "JPG out of memory");
        return std::nullopt;
    }
    if (read != FileReadResult::Ok) {
        ShowMessage(kTitle, "JPEG :\nCan't open " + path + "\n");
        return std::nullopt;
    }
    return DecodeJpeg(bytes);
}
