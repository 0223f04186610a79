// The declarations inside a frame or the LEARN section: each creates its object with its defaults,
// appends it, then reads attributes until the first token that is not one of them.
#include <cctype>

#include "runtime/grammar_stop.h"
#include "runtime/vanimation.h"
#include "runtime/vbrowser.h"
#include "runtime/vbutton.h"
#include "runtime/vistrel_doc.h"
#include "runtime/vpage.h"
#include "runtime/vprogram.h"
#include "runtime/vscene.h"
#include "runtime/vsound.h"
#include "script/token_kind.h"

namespace {

bool EqualsIgnoringCase(const std::string& a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) != b[i]) return false;
    }
    return true;
}

}  // namespace

void CVistrelDoc::ParseButton(int32_t keyword) {
    CVButton* button = Append<CVButton>();
    button->shape_ = keyword == Kind::Button ? Kind::SquareBullet : 0;
    SkipTagEnd();
    for (;;) {
        reader_.Next();
        switch (reader_.Current()->kind) {
            case Kind::Name: {
                const std::string& name = NameObject(*button);
                if (EqualsIgnoringCase(name, "exit")) button->action_ = Kind::ExitAction;
                if (EqualsIgnoringCase(name, "quit")) button->action_ = Kind::QuitAction;
                if (EqualsIgnoringCase(name, "automatic")) button->action_ = Kind::Auto;
                break;
            }
            case Kind::Type: button->type_ = WordValue(); break;
            case Kind::Group:
                button->type_ = Kind::State;
                button->group_ = static_cast<int16_t>(NumberValue());
                break;
            case Kind::Size: {
                auto [width, height] = PairValue();
                button->SetSize(width, height);
                button->sizeGiven_ = true;
                break;
            }
            case Kind::Position: {
                auto [x, y] = PairValue();
                button->MoveTo(x, y);
                break;
            }
            case Kind::Source:
                button->SetSource(TextValue());
                button->state_ = kStateNormal;
                button->shape_ = 0;
                break;
            case Kind::Roll:
                button->rollImage_ = TextValue();
                if (button->action_ == Kind::Ignore) button->action_ = Kind::None;
                break;
            case Kind::Active: button->activeImage_ = TextValue(); break;
            case Kind::Action: CommandValue(button->action_, button->actionArgument_, true); break;
            case Kind::RollAction:
                CommandValue(button->rollAction_, button->rollActionArgument_, false);
                break;
            case Kind::Set: button->shape_ = WordValue(); break;
            case Kind::Style: {
                const int32_t style = WordValue();
                button->style_ = style == Kind::Frame    ? kStyleFrame
                                 : style == Kind::Button ? kStyleButton
                                                         : style;
                break;
            }
            case Kind::Colour:
                button->colour_ = ParseColour();
                button->shape_ = 0;
                break;
            case Kind::Transparent:
                button->transparentColour_ = ParseColour();
                button->transparent_ = true;
                break;
            case Kind::Sound:
                Want(Kind::Equal);
                reader_.Next();
                button->clickSound_ =
                    reader_.Current()->kind == Kind::None ? "!" : reader_.Current()->text;
                break;
            case Kind::Scale: button->scale_ = SwitchValue(); break;
            case Kind::AutoHeight: button->autoHeight_ = SwitchValue(); break;
            case Kind::Effect: button->effect_ = WordValue(); break;
            case Kind::Text: {
                button->text_ = TextValue();
                // A text box with nothing else to size it gets room for a line of text.
                VRect& r = button->rect_;
                if (button->source_.empty() && button->shape_ == 0 && r.right == 0) {
                    r.right = r.left + 300;
                    r.bottom = r.top + 50;
                }
                break;
            }
            case Kind::TextStyle: button->textStyleName_ = TextValue(); break;
            default:
                EndDeclaration(0);
                return;
        }
    }
}

void CVistrelDoc::ParseAnimation() {
    CVAnimation* animation = Append<CVAnimation>();
    SkipTagEnd();
    for (;;) {
        reader_.Next();
        switch (reader_.Current()->kind) {
            case Kind::Name: NameObject(*animation); break;
            case Kind::Size: {
                auto [width, height] = PairValue();
                animation->SetSize(width, height);
                break;
            }
            case Kind::Position: {
                auto [x, y] = PairValue();
                animation->MoveTo(x, y);
                break;
            }
            case Kind::Source: animation->SetSource(TextValue()); break;
            case Kind::Sync: animation->sync_ = SwitchValue(); break;
            case Kind::Click: animation->click_ = WordValue(); break;
            case Kind::Stay: animation->stay_ = SwitchValue(); break;
            case Kind::Loop: animation->repeat_ = SwitchValue(); break;
            default:
                EndDeclaration(Kind::Anim);
                return;
        }
    }
}

void CVistrelDoc::ParseSound() {
    CVSound* sound = Append<CVSound>();
    SkipTagEnd();
    for (;;) {
        reader_.Next();
        switch (reader_.Current()->kind) {
            case Kind::Name: NameObject(*sound); break;
            case Kind::Source: sound->SetSource(TextValue()); break;
            case Kind::Sync: sound->sync_ = SwitchValue(); break;
            case Kind::Click: sound->click_ = WordValue(); break;
            case Kind::Loop:
                sound->loop_ = SwitchValue();
                if (sound->loop_) sound->sync_ = false;
                break;
            default:
                EndDeclaration(Kind::Sound);
                return;
        }
    }
}

void CVistrelDoc::ParsePage() {
    CVPage* page = Append<CVPage>();
    SkipTagEnd();
    for (;;) {
        reader_.Next();
        switch (reader_.Current()->kind) {
            case Kind::Name: NameObject(*page); break;
            case Kind::Source: page->SetSource(TextValue()); break;
            default:
                EndDeclaration(0);
                return;
        }
    }
}

void CVistrelDoc::ParseProgram() {
    CVProgram* program = Append<CVProgram>();
    SkipTagEnd();
    for (;;) {
        reader_.Next();
        switch (reader_.Current()->kind) {
            case Kind::Name: NameObject(*program); break;
            case Kind::Source: program->SetSource(TextValue()); break;
            case Kind::Parameter: program->parameter_ = TextValue(); break;
            default:
                EndDeclaration(Kind::Program);
                return;
        }
    }
}

void CVistrelDoc::ParseBrowser() {
    CVBrowser* browser = Append<CVBrowser>();
    SkipTagEnd();
    // A browser has no closing tag: it ends at its ">", and other tokens before it are skipped.
    for (;;) {
        reader_.Next();
        switch (reader_.Current()->kind) {
            case Kind::Greater: return;
            case Kind::End: Want(Kind::Greater); return;  // fails: the tag was never closed
            case Kind::Name: NameObject(*browser); break;
            case Kind::Size: {
                auto [width, height] = PairValue();
                browser->SetSize(width, height);
                break;
            }
            case Kind::Position: {
                auto [x, y] = PairValue();
                browser->MoveTo(x, y);
                break;
            }
            case Kind::Source: browser->SetSource(TextValue()); break;
            case Kind::Scroll: browser->scroll_ = SwitchValue(); break;
            default: break;
        }
    }
}

void CVistrelDoc::ParseScene() {
    CVScene* scene = Append<CVScene>();
    scene->frameIndex_ = parseFrame_;
    SkipTagEnd();
    for (;;) {
        reader_.Next();
        switch (reader_.Current()->kind) {
            case Kind::Name: NameObject(*scene); break;
            case Kind::Effect: scene->effect_ = WordValue(); break;
            default:
                EndDeclaration(Kind::Scene);
                return;
        }
    }
}

void CVistrelDoc::ParseTextStyle() {
    auto owned = std::make_unique<CVTextStyle>();
    CVTextStyle* style = owned.get();
    textStyles_.Add(std::move(owned));
    SkipTagEnd();
    for (;;) {
        reader_.Next();
        switch (reader_.Current()->kind) {
            case Kind::Name: style->name = TextValue(); break;
            case Kind::Colour: style->colour = ParseColour(); break;
            case Kind::Active: style->activeColour = ParseColour(); break;
            case Kind::Roll: style->rollColour = ParseColour(); break;
            case Kind::Set: style->font.charSet = static_cast<uint8_t>(NumberValue() & 0xFF); break;
            case Kind::TextSize: style->font.height = NumberValue(); break;
            case Kind::Bold: style->font.weight = SwitchValue() ? 700 : 0; break;
            case Kind::Italic: style->font.italic = SwitchValue() ? 1 : 0; break;
            case Kind::Underline: style->font.underline = SwitchValue() ? 1 : 0; break;
            case Kind::Strikethrough: style->font.strikeOut = SwitchValue() ? 1 : 0; break;
            case Kind::Font: {
                std::string face = TextValue();
                if (face.size() > kMaxFaceName) face.resize(kMaxFaceName);
                style->font.faceName = face;
                break;
            }
            case Kind::Align: {
                const int32_t align = WordValue();
                style->format = align == Kind::Right    ? kFormatRight
                                : align == Kind::Center ? kFormatCentre
                                                        : kFormatLeft;
                break;
            }
            case Kind::VAlign: style->verticalAlignment = WordValue(); break;
            default:
                EndDeclaration(Kind::TextStyle);
                return;
        }
    }
}
