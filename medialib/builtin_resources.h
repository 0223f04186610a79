#pragma once

// The programs' built-in resources: bitmaps ("BGD.B4", "<OKN", "=C", the standard button
// shapes), PCX pictures, cursors and icons. They are made by the artwork generator in resources/
// and embedded into each program as Qt resources (library tavrin_builtin_art); this layer only
// looks them up, so it needs nothing from above. Names are looked up without regard to case.

#include "platform/gdi/bitmap.h"
#include "platform/gdi/gdi_types.h"

#include <QImage>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

enum class ResourceKind {
    Bitmap,  // BMP files (LoadBitmap, the "B4" and "B8" kinds, "<" and "=" names)
    Pcx,     // resources of the type "PCX" (the "P" kind)
    Cursor,  // PNG with the hot spot in the text keys "HotX" and "HotY"
    Icon,    // PNG
};

// The file name under which a resource of that name is stored: the name upper-cased (Unicode
// aware) with every byte outside A-Z, 0-9, '.', '_' and '-' written as %XX, plus the kind's file
// extension (".bmp", ".pcx", ".png"). "<OKN" is stored as "%3COKN.bmp".
std::string ResourceFileName(ResourceKind kind, std::string_view name);

// The folder of each kind under root: "bitmap", "pcx", "cursor", "icon".
std::string_view ResourceFolder(ResourceKind kind);

// Where resources are looked up: ":/tavrin" (the embedded resources) unless changed. Tests point
// it at a folder of their own; an empty root restores the default. Returns the previous root.
std::string SetResourceRoot(std::string root);
const std::string& ResourceRoot();

// Resources larger than this are refused rather than read.
constexpr std::size_t kMaxResourceBytes = std::size_t{64} << 20;

// The bytes of the resource, or nothing when there is none of that kind and name.
std::optional<std::vector<std::uint8_t>> FindResource(ResourceKind kind, std::string_view name);

// LoadBitmap: the bitmap resource as a device bitmap, or null when there is none or it is not a
// readable BMP.
gdi::HBITMAP LoadBitmapResource(std::string_view name);

struct CursorResource {
    QImage image;  // ARGB32
    gdi::POINT hotspot;
};
// The cursor resource, or nothing.
std::optional<CursorResource> LoadCursorResource(std::string_view name);
// The icon resource, or a null image.
QImage LoadIconResource(std::string_view name);
