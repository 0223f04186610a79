#include "runtime/colour.h"

#include <array>

namespace {

struct NamedColour {
    std::string_view name;
    Colour colour;
};

constexpr std::array<NamedColour, 16> kColours{{
    {"black", MakeColour(0, 0, 0)},
    {"darkred", MakeColour(128, 0, 0)},
    {"darkgreen", MakeColour(0, 128, 0)},
    {"darkblue", MakeColour(0, 0, 128)},
    {"darkpurple", MakeColour(128, 0, 128)},
    {"darkyellow", MakeColour(128, 128, 0)},
    {"darkcyan", MakeColour(0, 128, 128)},
    {"darkgrey", MakeColour(128, 128, 128)},
    {"white", MakeColour(255, 255, 255)},
    {"red", MakeColour(255, 0, 0)},
    {"green", MakeColour(0, 255, 0)},
    {"blue", MakeColour(0, 0, 255)},
    {"purple", MakeColour(255, 0, 255)},
    {"yellow", MakeColour(255, 255, 0)},
    {"cyan", MakeColour(0, 255, 255)},
    {"grey", MakeColour(192, 192, 192)},
}};

}  // namespace

Colour ColourByName(std::string_view name) {
    for (const NamedColour& entry : kColours) {
        if (entry.name == name) return entry.colour;
    }
    return kWhite;
}
