#pragma once

// The colours of the artwork family. Every control shares one ink, one paper and one set of
// button tones, so dialogs, presentation buttons and palettes look related.

#include "platform/gdi/gdi_types.h"

namespace art {

using gdi::COLORREF;
using gdi::RGB;

constexpr COLORREF kInk = RGB(26, 42, 76);          // outlines, glyphs on paper
constexpr COLORREF kPaper = RGB(226, 231, 240);     // dialog background and glyph ground
constexpr COLORREF kPaperLine = RGB(214, 220, 232); // the background's fine texture
constexpr COLORREF kPaperLight = RGB(255, 255, 255);
constexpr COLORREF kPaperShade = RGB(152, 162, 182);
constexpr COLORREF kPaperDeep = RGB(100, 112, 138);
constexpr COLORREF kAccent = RGB(238, 160, 36);     // amber: the emblem and highlights
constexpr COLORREF kAccentDark = RGB(170, 96, 10);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

// Key colours: magenta for THINK.B4 and the cursor, yellow for round and oval shapes. No
// artwork uses either colour for anything else.
constexpr COLORREF kMagentaKey = RGB(255, 0, 255);
constexpr COLORREF kYellowKey = RGB(255, 255, 0);

// A button face in one state.
struct Tone {
    COLORREF face;
    COLORREF light;
    COLORREF dark;
    COLORREF text;
    COLORREF shadow;  // kNoShadow for none
    int press;        // how far the content moves when pressed
};

constexpr COLORREF kNoShadow = 0xFFFFFFFF;

constexpr Tone kNormal{RGB(56, 102, 174), RGB(146, 184, 236), RGB(20, 42, 90), kWhite, RGB(16, 30, 64), 0};
constexpr Tone kRolled{RGB(78, 130, 208), RGB(184, 212, 250), RGB(28, 56, 112), kWhite, RGB(20, 40, 84), 0};
constexpr Tone kActive{RGB(36, 72, 136), RGB(18, 36, 76), RGB(112, 152, 214), RGB(255, 226, 150), RGB(12, 24, 52), 1};
constexpr Tone kGrey{RGB(166, 172, 184), RGB(212, 216, 224), RGB(114, 120, 134), RGB(222, 225, 232), kNoShadow, 0};

}  // namespace art
