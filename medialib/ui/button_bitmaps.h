#pragma once

// Where the bitmap buttons get their pictures, by the names that captions give.

#include "platform/gdi/bitmap.h"

#include <functional>
#include <string>

// Looks up one of the program's built-in pictures by its whole name ("<OKN", "=C", ">LOGO",
// "BGD.B4"); null when there is none. Letter case does not matter to the lookup.
using BuiltinBitmapLookup = std::function<gdi::HBITMAP(const std::string& name)>;

// Installs the lookup of built-in pictures and returns the one it replaces. The default (and an
// empty lookup) reads the program's bitmap resources (medialib/builtin_resources.h), which a
// program has when it links tavrin_builtin_art.
BuiltinBitmapLookup SetBuiltinBitmapLookup(BuiltinBitmapLookup lookup);

// A built-in picture through the installed lookup.
gdi::HBITMAP LookupBuiltinBitmap(const std::string& name);

// The picture a caption names:
// - "<" + name: a bitmap of the program; ">" + name: the program's 8-bit bitmap (its palette is
//   not used by buttons); "=" + name: one of the shared glyphs (check box, radio, arrows,
//   patterns), which this suite keeps among its own built-in pictures;
// - anything else: an image file, read through the installed image loader. A relative name is
//   taken in the program folder; "X:" names and absolute paths are used as they are.
// Null when the name is empty or nothing can be loaded; the caller owns the result.
gdi::HBITMAP LoadButtonBitmap(const std::string& name);
