#pragma once

// How the bitmap holders reach the by-extension image loader and the PCX writer, which live
// with the image readers above this layer. Until a program installs them, the holders load BMP
// and DIB files themselves and cannot write PCX.

#include "platform/gdi/bitmap.h"
#include "platform/gdi/drawing_objects.h"

#include <functional>
#include <string>

// Fills bitmap and palette from the named image; false when the name cannot be loaded.
using ImageFileLoader = std::function<bool(const std::string& name, gdi::HBITMAP& bitmap, gdi::HPALETTE& palette)>;
// Writes bitmap (with its palette) as a PCX file at path; false on failure.
using PcxFileWriter = std::function<bool(const std::string& path, const gdi::HBITMAP& bitmap,
                                         const gdi::HPALETTE& palette)>;

// Each returns the function it replaces; an empty function restores the built-in behaviour.
ImageFileLoader SetImageFileLoader(ImageFileLoader loader);
PcxFileWriter SetPcxFileWriter(PcxFileWriter writer);

// The installed loader, or the built-in one: "BMP" and "DIB" (any letter case) through
// LoadDibFileAsBitmap, anything else false. Outputs are null on failure.
bool LoadImageThroughHook(const std::string& name, gdi::HBITMAP& bitmap, gdi::HPALETTE& palette);
// The installed PCX writer; false without one.
bool WritePcxThroughHook(const std::string& path, const gdi::HBITMAP& bitmap, const gdi::HPALETTE& palette);
