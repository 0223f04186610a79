#pragma once

// Small number helpers used across the library and by its callers.

// True ("fits") and nothing changed when maxWidth >= width and height < maxHeight (strictly less
// on the height). Otherwise the size is scaled to the box keeping its proportions: when
// maxHeight < maxWidth × height / width the height becomes maxHeight and the width
// maxHeight × width / height, else the width becomes maxWidth and the height
// maxWidth × height / width (integer arithmetic, multiplication first). A size without area
// cannot be scaled: false, nothing changed.
bool FitInside(int& width, int& height, int maxWidth, int maxHeight);

// low + r / (32767 / (high - low + 1)) with r from the C library generator (0..32767), limited to
// high. low itself when high < low; ranges wider than 32767 are covered from low up to
// low + 32767.
int RandomBetween(int low, int high);

// Seeds the generator with the current time.
void SeedRandom();
