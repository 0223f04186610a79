// Writes the sample presentation's media into the folder given (normally resources/samples/Demo/Media).
#include <cstdio>
#include <fstream>
#include <string>

#include "resources/samples/demo_media.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_demo_media FOLDER\n");
        return 2;
    }
    const std::string folder = argv[1];
    for (auto [name, bytes] : {std::pair{"/sunset.bmp", MakeSunsetBmp()}, std::pair{"/chime.wav", MakeChimeWav()}}) {
        std::ofstream out(folder + name, std::ios::binary);
        if (!(out << bytes)) {
            std::fprintf(stderr, "make_demo_media: cannot write %s%s\n", folder.c_str(), name);
            return 1;
        }
    }
    return 0;
}
