#pragma once

#include <string>

// The media of the bundled sample presentation, made from nothing but arithmetic so that the
// committed files can be regenerated and checked byte for byte.

// A 200 x 120 picture of a sun over hills, 8 bits with a 256-entry palette, as a BMP file. The
// sky's corners are magenta so that the sample can show the transparent colour.
std::string MakeSunsetBmp();

// A short two-note chime, 8-bit mono PCM at 11025 Hz, as a WAV file.
std::string MakeChimeWav();
