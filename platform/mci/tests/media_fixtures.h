#pragma once

// Small media files written by the tests themselves: a PCM wave, a one-note MIDI file and an
// uncompressed AVI with a few solid-colour frames.

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace media_fixtures {

using Bytes = std::vector<std::uint8_t>;

inline void Put16(Bytes& b, std::uint32_t v) {
    b.push_back(static_cast<std::uint8_t>(v));
    b.push_back(static_cast<std::uint8_t>(v >> 8));
}
inline void Put32(Bytes& b, std::uint32_t v) {
    Put16(b, v & 0xFFFF);
    Put16(b, v >> 16);
}
inline void PutTag(Bytes& b, const char* tag) {
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<std::uint8_t>(tag[i]));
}
inline void Put32BigEndian(Bytes& b, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) b.push_back(static_cast<std::uint8_t>(v >> shift));
}

// A chunk: tag, little-endian size, data, pad byte to an even size.
inline Bytes Chunk(const char* tag, const Bytes& data) {
    Bytes b;
    PutTag(b, tag);
    Put32(b, static_cast<std::uint32_t>(data.size()));
    b.insert(b.end(), data.begin(), data.end());
    if (data.size() % 2 != 0) b.push_back(0);
    return b;
}
inline Bytes List(const char* form, const char* type, const Bytes& data) {
    Bytes inner;
    PutTag(inner, type);
    inner.insert(inner.end(), data.begin(), data.end());
    return Chunk(form, inner);
}
inline void Append(Bytes& to, const Bytes& from) {
    to.insert(to.end(), from.begin(), from.end());
}

// 16-bit mono PCM at 8000 Hz: a 440 Hz tone of the given length.
inline Bytes Wave(int milliseconds) {
    const std::uint32_t rate = 8000;
    const std::uint32_t samples = rate * static_cast<std::uint32_t>(milliseconds) / 1000;
    Bytes fmt;
    Put16(fmt, 1);
    Put16(fmt, 1);
    Put32(fmt, rate);
    Put32(fmt, rate * 2);
    Put16(fmt, 2);
    Put16(fmt, 16);
    Bytes data;
    for (std::uint32_t i = 0; i < samples; ++i) {
        const double value = std::sin(2.0 * 3.14159265358979 * 440.0 * i / rate) * 8000.0;
        Put16(data, static_cast<std::uint16_t>(static_cast<std::int16_t>(value)));
    }
    Bytes body;
    Append(body, Chunk("fmt ", fmt));
    Append(body, Chunk("data", data));
    return List("RIFF", "WAVE", body);
}

// Format 0, one track: middle C for a quarter of a second at the default tempo.
inline Bytes Midi() {
    Bytes b;
    PutTag(b, "MThd");
    Put32BigEndian(b, 6);
    b.insert(b.end(), {0, 0, 0, 1, 0, 96});
    const Bytes track = {0x00, 0xC0, 0x00,         // piano
                         0x00, 0x90, 0x3C, 0x64,   // note on
                         0x30, 0x80, 0x3C, 0x40,   // note off after 48 ticks
                         0x00, 0xFF, 0x2F, 0x00};  // end of track
    PutTag(b, "MTrk");
    Put32BigEndian(b, static_cast<std::uint32_t>(track.size()));
    Append(b, track);
    return b;
}

// Uncompressed 24-bit frames of width x height at 10 frames a second, each filled with the
// colour given as 0xRRGGBB.
inline Bytes Avi(int width, int height, const std::vector<std::uint32_t>& colours) {
    const std::uint32_t rowBytes = (static_cast<std::uint32_t>(width) * 3 + 3) & ~3u;
    const std::uint32_t frameBytes = rowBytes * static_cast<std::uint32_t>(height);
    const auto frames = static_cast<std::uint32_t>(colours.size());

    Bytes avih;
    Put32(avih, 100000);  // microseconds per frame
    Put32(avih, frameBytes * 10);
    Put32(avih, 0);
    Put32(avih, 0x10);  // has index
    Put32(avih, frames);
    Put32(avih, 0);
    Put32(avih, 1);
    Put32(avih, frameBytes);
    Put32(avih, static_cast<std::uint32_t>(width));
    Put32(avih, static_cast<std::uint32_t>(height));
    for (int i = 0; i < 4; ++i) Put32(avih, 0);

    Bytes strh;
    PutTag(strh, "vids");
    PutTag(strh, "DIB ");
    Put32(strh, 0);
    Put16(strh, 0);
    Put16(strh, 0);
    Put32(strh, 0);
    Put32(strh, 1);   // scale
    Put32(strh, 10);  // rate
    Put32(strh, 0);
    Put32(strh, frames);
    Put32(strh, frameBytes);
    Put32(strh, 0xFFFFFFFF);
    Put32(strh, 0);
    Put16(strh, 0);
    Put16(strh, 0);
    Put16(strh, static_cast<std::uint32_t>(width));
    Put16(strh, static_cast<std::uint32_t>(height));

    Bytes strf;
    Put32(strf, 40);
    Put32(strf, static_cast<std::uint32_t>(width));
    Put32(strf, static_cast<std::uint32_t>(height));
    Put16(strf, 1);
    Put16(strf, 24);
    Put32(strf, 0);  // BI_RGB
    Put32(strf, frameBytes);
    for (int i = 0; i < 4; ++i) Put32(strf, 0);

    Bytes strl;
    Append(strl, Chunk("strh", strh));
    Append(strl, Chunk("strf", strf));
    Bytes hdrl;
    Append(hdrl, Chunk("avih", avih));
    Append(hdrl, List("LIST", "strl", strl));

    Bytes movi;
    Bytes idx1;
    std::uint32_t offset = 4;
    for (std::uint32_t colour : colours) {
        Bytes pixels;
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                pixels.push_back(static_cast<std::uint8_t>(colour));
                pixels.push_back(static_cast<std::uint8_t>(colour >> 8));
                pixels.push_back(static_cast<std::uint8_t>(colour >> 16));
            }
            while (pixels.size() % rowBytes != 0) pixels.push_back(0);
        }
        PutTag(idx1, "00db");
        Put32(idx1, 0x10);  // key frame
        Put32(idx1, offset);
        Put32(idx1, frameBytes);
        const Bytes chunk = Chunk("00db", pixels);
        offset += static_cast<std::uint32_t>(chunk.size());
        Append(movi, chunk);
    }
    Bytes body;
    Append(body, List("LIST", "hdrl", hdrl));
    Append(body, List("LIST", "movi", movi));
    Append(body, Chunk("idx1", idx1));
    return List("RIFF", "AVI ", body);
}

inline void Write(const std::filesystem::path& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

// A fresh folder for one test's files, removed with the object.
class TempFolder {
public:
    TempFolder() {
        path_ = std::filesystem::temp_directory_path() /
                ("tavrin_media_" + std::to_string(std::random_device()()) + "_" +
                 std::to_string(counter_++));
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    std::filesystem::path File(const std::string& name, const Bytes& bytes) const {
        const std::filesystem::path file = path_ / name;
        Write(file, bytes);
        return file;
    }
    const std::filesystem::path& Path() const { return path_; }

private:
    static inline int counter_ = 0;
    std::filesystem::path path_;
};

}  // namespace media_fixtures
