#pragma once

// Every piece of built-in artwork, with the names it is stored under.

#include "medialib/builtin_resources.h"
#include "platform/gdi/bitmap.h"

#include <string>
#include <vector>

namespace art {

struct Artwork {
    ResourceKind kind = ResourceKind::Bitmap;
    std::vector<std::string> names;  // the first is the main name; the others are aliases
    gdi::HBITMAP bitmap;
    // Cursors and icons: pixels of this colour become transparent.
    gdi::COLORREF transparent = 0xFFFFFFFF;
    gdi::POINT hotspot;
};

using Catalogue = std::vector<Artwork>;

// "BGD.B4", "THINK.B4", the dialog button faces, the logos and the small pictures.
void AddDialogArt(Catalogue& catalogue);
// The standard button shapes: square, round and oval, seven symbols, three states.
void AddStandardShapes(Catalogue& catalogue);
// The "=" glyphs (check boxes, radio buttons, repeat arrows, patterns) and the Layout palette.
void AddControlGlyphs(Catalogue& catalogue);
// The "hand" cursor and the programs' icons.
void AddCursorsAndIcons(Catalogue& catalogue);

Catalogue MakeCatalogue();

}  // namespace art
