#include "medialib/image_file_hooks.h"

#include "medialib/image_file.h"
#include "medialib/pcx_format.h"
#include "medialib/pcx_writer.h"

namespace {

ImageFileLoader& Loader() {
    static ImageFileLoader loader;
    return loader;
}

PcxFileWriter& Writer() {
    static PcxFileWriter writer;
    return writer;
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
    return LoadImageFile(name, bitmap, palette);
}

bool WritePcxThroughHook(const std::string& path, const gdi::HBITMAP& bitmap, const gdi::HPALETTE& palette) {
    if (Writer()) return Writer()(path, bitmap, palette);
    auto dc = gdi::CreateCompatibleDC(nullptr);
    return SavePcx(*dc, path, bitmap, palette) == pcx::kOk;
}
