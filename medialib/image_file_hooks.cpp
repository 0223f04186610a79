#include "medialib/image_file_hooks.h"

#include "medialib/dib_file.h"
#include "medialib/path_util.h"

#include <cctype>

namespace {

ImageFileLoader& Loader() {
    static ImageFileLoader loader;
    return loader;
}

PcxFileWriter& Writer() {
    static PcxFileWriter writer;
    return writer;
}

std::string Upper(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

}  // namespace

ImageFileLoader SetImageFileLoader(ImageFileLoader loader) {
    ImageFileLoader previous = std::move(Loader());
    Loader() = std::move(loader);
    return previous;
}

PcxFileWriter SetPcxFileWriter(PcxFileWriter writer) {
    PcxFileWriter previous = std::move(Writer());
    Writer() = std::move(writer);
    return previous;
}

bool LoadImageThroughHook(const std::string& name, gdi::HBITMAP& bitmap, gdi::HPALETTE& palette) {
    bitmap = nullptr;
    palette = nullptr;
    if (Loader()) return Loader()(name, bitmap, palette);
    const std::string extension = Upper(SplitPath(name, 3));
    if (extension != "BMP" && extension != "DIB") return false;
    return LoadDibFileAsBitmap(name, bitmap, palette);
}

bool WritePcxThroughHook(const std::string& path, const gdi::HBITMAP& bitmap, const gdi::HPALETTE& palette) {
    return Writer() && Writer()(path, bitmap, palette);
}
