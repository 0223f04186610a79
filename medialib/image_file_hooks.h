#pragma once

// How the bitmap holders reach the by-extension image loader and the PCX writer. By default they
// are LoadImageFile (image_file.h) and SavePcx (pcx_writer.h); tests and tools may put others in
// their place.

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

// The installed loader, or LoadImageFile. Outputs are null on failure.
bool LoadImageThroughHook(const std::string& name, gdi::HBITMAP& bitmap, gdi::HPALETTE& palette);
// The installed PCX writer, or SavePcx.
bool WritePcxThroughHook(const std::string& path, const gdi::HBITMAP& bitmap, const gdi::HPALETTE& palette);
