#pragma once

// Text in the DC's selected font, text colour and background mode. Text needs a QGuiApplication
// (fonts come from the platform); without one, every function here fails and draws nothing.
// Strings are UTF-8; bytes that are not valid UTF-8 are read as Latin-1.

#include "platform/gdi/device_context.h"

#include <QFont>
#include <QString>

#include <string_view>

namespace gdi {

// True when fonts can be used (a QGuiApplication exists).
bool TextAvailable();

// The font a LOGFONT asks for: a negative height is the character height in pixels, a positive
// one the cell height (ascent + descent), 0 the default of 16 pixels per cell; weight 0 is normal;
// italic, underline and strike-out as given; the face name as given (fontconfig resolves
// "Times New Roman" and "Arial" to their metric-compatible Liberation fonts). Text is drawn
// without antialiasing, as on the displays the suite was made for.
QFont FontFromLogFont(const LOGFONT& font);

// Draws text into rect with the DT_ format flags:
// - DT_LEFT, DT_CENTER, DT_RIGHT align each line; DT_VCENTER and DT_BOTTOM apply to
//   DT_SINGLELINE text only;
// - without DT_SINGLELINE, CR, LF and CR LF break lines; DT_WORDBREAK also breaks lines between
//   words where a line would pass the rectangle's right edge (a word longer than the width
//   stays whole); with DT_SINGLELINE, line breaks are dropped;
// - DT_EXPANDTABS expands tabs to every 8 average character widths (DT_TABSTOP: bits 8..15 of
//   the format give the number of characters instead);
// - "&" underlines the next character and "&&" draws one "&", unless DT_NOPREFIX;
// - the text is clipped to rect unless DT_NOCLIP; in OPAQUE mode each line's extent is first
//   filled with the background colour;
// - DT_CALCRECT draws nothing and sets rect.right to left + the widest line and rect.bottom to
//   top + the text height.
// Returns the text height, or with DT_VCENTER or DT_BOTTOM the distance from rect.top to the
// bottom of the text; 0 on failure.
int DrawText(DC& dc, std::string_view text, RECT& rect, unsigned format);
int DrawText(DC& dc, const QString& text, RECT& rect, unsigned format);
inline int DrawText(DC& dc, const char* text, RECT& rect, unsigned format) {
    return DrawText(dc, std::string_view(text ? text : ""), rect, format);
}

// Draws one line with its top-left corner at (x, y), no clipping, no prefix processing.
bool TextOut(DC& dc, int x, int y, std::string_view text);

bool GetTextExtentPoint(DC& dc, std::string_view text, SIZE& size);
bool GetTextMetrics(DC& dc, TEXTMETRIC& metrics);

// Decodes bytes as UTF-8, or as Latin-1 when they are not valid UTF-8.
QString DecodeText(std::string_view text);

}  // namespace gdi
