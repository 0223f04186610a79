// The layout write-back shared by every object: the numbers of POSITION and SIZE, and a button's
// TEXT, in the object's declaration are read into the object or written from it.
#include "runtime/vbutton.h"
#include "runtime/vrect.h"
#include "script/script_reader.h"
#include "script/token_kind.h"

namespace {

// The y or height of a pair whose x or width is at index: two tokens on, after the comma. A pair
// written otherwise (a comment between, a missing second number) is left alone.
CToken* SecondOfPair(CScriptReader& reader, int32_t index) {
    CToken* comma = reader.Tokens().At(index + 1);
    CToken* second = reader.Tokens().At(index + 2);
    if (!comma || comma->kind != Kind::Comma || !second || second->kind != Kind::Integer) return nullptr;
    return second;
}

}  // namespace

void CVRect::SyncLayout(CScriptReader& reader, bool writeBack) {
    // An unnamed object has no declaration to find (keyword tokens have empty texts).
    if (name_.empty()) return;
    const int32_t nameIndex = reader.FindTokenByText(name_);
    if (nameIndex < 0) return;
    const int32_t start = nameIndex + 1;
    int32_t at = 0;

    if (CToken* x = reader.FindPattern(start, {Kind::Position, Kind::Equal, Kind::Integer}, &at)) {
        if (CToken* y = SecondOfPair(reader, at)) {
            if (writeBack) {
                x->value = rect_.left;
                y->value = rect_.top;
            } else {
                const int32_t width = rect_.Width();
                const int32_t height = rect_.Height();
                rect_ = {x->value, y->value, x->value + width, y->value + height};
            }
        }
    }
    if (CToken* w = reader.FindPattern(start, {Kind::Size, Kind::Equal, Kind::Integer}, &at)) {
        if (CToken* h = SecondOfPair(reader, at)) {
            if (writeBack) {
                w->value = rect_.Width();
                h->value = rect_.Height();
            } else {
                rect_.right = rect_.left + w->value;
                rect_.bottom = rect_.top + h->value;
            }
        }
    }
    if (!IsButton()) return;
    auto& button = static_cast<CVButton&>(*this);
    if (CToken* text = reader.FindPattern(start, {Kind::Text, Kind::Equal, Kind::String})) {
        if (writeBack) {
            text->text = button.text_;
        } else {
            button.text_ = text->text;
        }
    }
}
