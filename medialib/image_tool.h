#pragma once

// The tvimage command line, for authors with legacy pictures:
//   tvimage info FILE      width, height, bit depth and palette size, or the reader's error
//   tvimage convert IN OUT IN through LoadImageFile, written as BMP or PCX by CBmp::SaveAs
// Exit 0 on success, 1 when a picture cannot be read or written, 2 for a wrong command line.

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

struct ImageInfo {
    int width = 0;
    int height = 0;
    int bitCount = 0;
    int paletteSize = 0;  // colour-table entries; 0 for true-colour pictures
};

// The picture's own description as its reader produces it, or nothing with the reason in error.
std::optional<ImageInfo> ProbeImage(const std::string& name, std::string& error);

int RunImageTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
