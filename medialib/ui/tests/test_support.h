#pragma once

// Shared pieces of the button tests: the application object, made pictures standing in for the
// program's artwork, and pixel-exact comparison with the expected images.

#include "medialib/ui/button_bitmaps.h"

#include <QApplication>
#include <QImage>

#include <gtest/gtest.h>

#include <string>

// The application object, made on first use and destroyed when the tests end (before the
// library's own statics go, which a static application object would outlive).
QApplication& App();

// A picture of the size: a frame of the colour round a lighter field with a diagonal, so that
// position, size and stretching all show.
gdi::HBITMAP MakeTestPicture(int width, int height, QRgb colour);

// The pictures that the example captions name; installed for the life of the object.
class TestPictures {
public:
    TestPictures();
    ~TestPictures();

private:
    BuiltinBitmapLookup m_previous;
};

// Compares with medialib/ui/tests/expected/<name>.png. With TAVRIN_UPDATE_EXPECTED=1 in the
// environment the expected image is written instead (to be looked at before committing).
void ExpectImage(const QImage& actual, const std::string& name);
