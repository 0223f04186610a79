#pragma once

#include <cstdint>
#include <string>

#include "script/cursor_array.h"
#include "script/token.h"

// The kinds that open a declaration tag: APP, TEXTSTYLE, FRAME, SCENE, BUTTON, ANIM, IMAGE,
// BROWSER, TEXTBOX.
bool IsDeclarationKind(int32_t kind);

// The kinds that start a command of the command section (BUTTON, CLICK, DOHALT, ..., DORANDOMIMAGE).
bool IsCommandKind(int32_t kind);

// Tabs before a tag that starts with kind: 0 for APP, TEXTSTYLE, DO, LEARN and FRAME, 1 for SCENE,
// -1 for "/" (the closing tag takes the level of the kind after it), 2 for every other kind.
int32_t IndentLevel(int32_t kind);

// The script text of a token list (every token but the final end token), with line feeds only;
// the file form turns each into CR LF. It reads back to the same kinds, values and texts.
std::string RewriteText(const CCursorArray<CToken>& tokens);
