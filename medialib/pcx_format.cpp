#include "medialib/pcx_format.h"

namespace pcx {

namespace {

std::uint16_t Get16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }
void Put16(std::uint8_t* p, std::uint16_t v) {
    p[0] = static_cast<std::uint8_t>(v & 0xFF);
    p[1] = static_cast<std::uint8_t>(v >> 8);
}

}  // namespace

Header ParseHeader(std::span<const std::uint8_t, kHeaderSize> bytes) {
    const std::uint8_t* p = bytes.data();
    Header h;
    h.manufacturer = p[0];
    h.version = p[1];
    h.encoding = p[2];
    h.bitsPerPixel = p[3];
    h.xmin = Get16(p + 4);
    h.ymin = Get16(p + 6);
    h.xmax = Get16(p + 8);
    h.ymax = Get16(p + 10);
    h.hres = Get16(p + 12);
    h.vres = Get16(p + 14);
    for (std::size_t i = 0; i < h.palette.size(); ++i) h.palette[i] = p[16 + i];
    h.reserved = p[64];
    h.planes = p[65];
    h.bytesPerLine = Get16(p + 66);
    h.paletteInfo = Get16(p + 68);
    h.hscreen = Get16(p + 70);
    h.vscreen = Get16(p + 72);
    for (std::size_t i = 0; i < h.filler.size(); ++i) h.filler[i] = p[74 + i];
    return h;
}

std::array<std::uint8_t, kHeaderSize> SerializeHeader(const Header& h) {
    std::array<std::uint8_t, kHeaderSize> out{};
    std::uint8_t* p = out.data();
    p[0] = h.manufacturer;
    p[1] = h.version;
    p[2] = h.encoding;
    p[3] = h.bitsPerPixel;
    Put16(p + 4, h.xmin);
    Put16(p + 6, h.ymin);
    Put16(p + 8, h.xmax);
    Put16(p + 10, h.ymax);
    Put16(p + 12, h.hres);
    Put16(p + 14, h.vres);
    for (std::size_t i = 0; i < h.palette.size(); ++i) p[16 + i] = h.palette[i];
    p[64] = h.reserved;
    p[65] = h.planes;
    Put16(p + 66, h.bytesPerLine);
    Put16(p + 68, h.paletteInfo);
    Put16(p + 70, h.hscreen);
    Put16(p + 72, h.vscreen);
    for (std::size_t i = 0; i < h.filler.size(); ++i) p[74 + i] = h.filler[i];
    return out;
}

bool HeaderValid(const Header& h) {
    const int bits = h.bitsPerPixel * h.planes;
    return h.manufacturer == kManufacturer && h.encoding == kEncodingRle && h.xmax >= h.xmin && h.ymax >= h.ymin &&
           (bits == 1 || bits == 4 || bits == 8 || bits == 24);
}

const std::array<RGBQUAD, 16>& DefaultPalette16() {
    static const std::array<RGBQUAD, 16> table = {{{0, 0, 0, 0},
                                                   {0x80, 0, 0, 0},
                                                   {0, 0x80, 0, 0},
                                                   {0x80, 0x80, 0, 0},
                                                   {0, 0, 0x80, 0},
                                                   {0x80, 0, 0x80, 0},
                                                   {0, 0x80, 0x80, 0},
                                                   {0x80, 0x80, 0x80, 0},
                                                   {0xC0, 0xC0, 0xC0, 0},
                                                   {0xFF, 0, 0, 0},
                                                   {0, 0xFF, 0, 0},
                                                   {0xFF, 0xFF, 0, 0},
                                                   {0, 0, 0xFF, 0},
                                                   {0xFF, 0, 0xFF, 0},
                                                   {0, 0xFF, 0xFF, 0},
                                                   {0xFF, 0xFF, 0xFF, 0}}};
    return table;
}

}  // namespace pcx
