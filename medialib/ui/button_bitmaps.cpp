#include "medialib/ui/button_bitmaps.h"

#include "medialib/builtin_resources.h"
#include "medialib/image_file.h"
#include "medialib/image_file_hooks.h"
#include "medialib/path_util.h"

#include <utility>

namespace {

// ">" names are 8-bit pictures with a palette, which a button does not use.
gdi::HBITMAP ProgramBitmap(const std::string& name) {
    if (name[0] == '>') {
        gdi::HBITMAP bitmap;
        gdi::HPALETTE palette;
        if (LoadB8Resource(name, bitmap, palette)) return bitmap;
    }
    return LoadBitmapResource(name);
}

BuiltinBitmapLookup& Lookup() {
    static BuiltinBitmapLookup lookup = ProgramBitmap;
    return lookup;
}

bool IsAbsolute(const std::string& name) {
    return name[0] == '/' || name[0] == '\\' || (name.size() > 1 && name[1] == ':');
}

}  // namespace

BuiltinBitmapLookup SetBuiltinBitmapLookup(BuiltinBitmapLookup lookup) {
    if (!lookup) lookup = ProgramBitmap;
    return std::exchange(Lookup(), std::move(lookup));
}

gdi::HBITMAP LookupBuiltinBitmap(const std::string& name) {
    if (name.empty()) return nullptr;
    return Lookup()(name);
}

gdi::HBITMAP LoadButtonBitmap(const std::string& name) {
    if (name.empty()) return nullptr;
    if (name[0] == '<' || name[0] == '>' || name[0] == '=') return LookupBuiltinBitmap(name);
    const std::string path = IsAbsolute(name) ? NativePath(name) : ModuleFolder() + NativePath(name);
    gdi::HBITMAP bitmap;
    gdi::HPALETTE palette;
    if (!LoadImageThroughHook(path, bitmap, palette)) return nullptr;
    return bitmap;
}
