// The script's outer grammar: header, LEARN section, frames, the DO section's scene markers, the
// name table and the value forms of attributes. The declarations inside frames are in
// declarations.cpp.
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <limits>

#include "platform/message/message_display.h"
#include "runtime/base_frame_placement.h"
#include "runtime/grammar_stop.h"
#include "runtime/runtime_globals.h"
#include "runtime/transitions/transition_settings.h"
#include "runtime/vframe.h"
#include "runtime/vistrel_doc.h"
#include "script/token_kind.h"

bool CVistrelDoc::ParseScript() {
    // A lexical error that the report let pass leaves a token list the grammar must not read.
    if (reader_.HasError() || reader_.Tokens().Empty()) return false;
    reader_.Tokens().SetCursor(-1);
    try {
        ParseHeader();
        ParseLearn();
        ScanCommands();
    } catch (const GrammarStop&) {
        return false;
    }
    return !reader_.HasError();
}

void CVistrelDoc::Want(int32_t kind) {
    if (!reader_.Expect(kind)) throw GrammarStop{};
}

void CVistrelDoc::SkipTagEnd() {
    reader_.Next();
    if (reader_.Current()->kind != Kind::Greater) reader_.Unread();
}

void CVistrelDoc::EndDeclaration(int32_t closingKeyword) {
    if (reader_.Current()->kind != Kind::Less) return;
    Want(Kind::Slash);
    if (closingKeyword == 0) {
        reader_.Next();
    } else {
        Want(closingKeyword);
    }
    Want(Kind::Greater);
}

std::string CVistrelDoc::TextValue() {
    Want(Kind::Equal);
    Want(Kind::String);
    return reader_.Current()->text;
}

int32_t CVistrelDoc::NumberValue() {
    Want(Kind::Equal);
    Want(Kind::Integer);
    return reader_.Current()->value;
}

std::pair<int32_t, int32_t> CVistrelDoc::PairValue() {
    Want(Kind::Equal);
    Want(Kind::Integer);
    const int32_t first = reader_.Current()->value;
    Want(Kind::Comma);
    Want(Kind::Integer);
    return {first, reader_.Current()->value};
}

bool CVistrelDoc::SwitchValue() {
    Want(Kind::Equal);
    reader_.Next();
    return reader_.Current()->kind == Kind::On;
}

int32_t CVistrelDoc::WordValue() {
    Want(Kind::Equal);
    reader_.Next();
    return reader_.Current()->kind;
}

Colour CVistrelDoc::ParseColour() {
    Want(Kind::Equal);
    reader_.Next();
    const CToken& token = *reader_.Current();
    if (token.kind == Kind::Identifier) return ColourByName(token.text);
    if (token.kind != Kind::Integer) return kWhite;
    const int32_t red = token.value;
    Want(Kind::Comma);
    Want(Kind::Integer);
    const int32_t green = reader_.Current()->value;
    Want(Kind::Comma);
    Want(Kind::Integer);
    return MakeColour(red, green, reader_.Current()->value);
}

void CVistrelDoc::CommandValue(int32_t& kind, std::string& argument, bool twoArguments) {
    Want(Kind::Equal);
    reader_.Next();
    kind = reader_.Current()->kind;
    if (kind == Kind::None) return;
    Want(Kind::LeftParen);
    Want(Kind::String);
    argument = reader_.Current()->text;
    if (twoArguments && kind == Kind::DoBrowserBrowse) {
        Want(Kind::Comma);
        Want(Kind::String);
        argument += ",";
        argument += reader_.Current()->text;
    }
    Want(Kind::RightParen);
}

void CVistrelDoc::RegisterName(const std::string& name, int32_t index) {
    if (index == -1) index = objects_.Count() - 1;
    auto [it, inserted] = nameTable_.try_emplace(name, index);
    if (!inserted) {
        ShowMessage("Vistrel", "Error: name \"" + name + "\" is already used");
        it->second = index;
    }
}

const std::string& CVistrelDoc::NameObject(CVRect& object) {
    object.SetName(TextValue());
    RegisterName(object.Name());
    return object.Name();
}

void CVistrelDoc::ParseHeader() {
    Want(Kind::Less);
    Want(Kind::App);
    SkipTagEnd();
    for (;;) {
        reader_.Next();
        switch (reader_.Current()->kind) {
            case Kind::Greater:
                return;
            case Kind::Slash:
                Want(Kind::App);
                Want(Kind::Greater);
                return;
            case Kind::Name: appName_ = TextValue(); break;
            case Kind::Author: author_ = TextValue(); break;
            case Kind::CommentWord: comment_ = TextValue(); break;
            case Kind::Version: {
                Want(Kind::Equal);
                Want(Kind::Integer);
                const int32_t major = reader_.Current()->value;
                Want(Kind::Dot);
                Want(Kind::Integer);
                char buffer[32];
                std::snprintf(buffer, sizeof buffer, "%d.%d", major, reader_.Current()->value);
                version_ = buffer;
                break;
            }
            case Kind::Media: {
                std::string media = TextValue();
                // Compiled data always plays from "Media" beside TVData.bin.
                if (!compiledData_) mediaFolder_ = media;
                break;
            }
            case Kind::ClickSound: clickSound_ = TextValue(); break;
            case Kind::Auto: automatic_ = SwitchValue(); break;
            case Kind::Preload: preload_ = SwitchValue(); break;
            case Kind::Blackout: blackout_ = SwitchValue(); break;
            case Kind::Pen: pen_ = SwitchValue(); break;
            case Kind::Timing: {
                const int64_t timing = int64_t{NumberValue()} * 10;
                transitions::SetTransitionTiming(static_cast<int32_t>(
                    std::clamp<int64_t>(timing, std::numeric_limits<int32_t>::min(),
                                        std::numeric_limits<int32_t>::max())));
                break;
            }
            default:
                reader_.Unread();
                return;
        }
    }
}

void CVistrelDoc::ParseLearn() {
    // Everything between the header and the LEARN tag is ignored; without the tag the Expect
    // below names EOF as the kind found.
    reader_.FindPair(Kind::Less, Kind::Learn);
    Want(Kind::Greater);
    for (;;) {
        Want(Kind::Less);
        reader_.Next();
        const int32_t kind = reader_.Current()->kind;
        if (kind == Kind::Slash) break;
        if (kind == Kind::Frame) ParseFrame();
        if (kind == Kind::TextStyle) ParseTextStyle();
    }
    Want(Kind::Learn);
    Want(Kind::Greater);
}

void CVistrelDoc::PlaceBase(CVRect& frame) {
    if (!placer_) return;
    BaseFramePlacement placement = PlaceBaseFrame(frame.rect_, centring_, blackout_,
                                                  placer_->ScreenSize(), placer_->DesktopSize());
    placer_->Place(placement);
}

void CVistrelDoc::ParseFrame() {
    CVFrame* frame = Append<CVFrame>();
    const int32_t index = objects_.Count() - 1;
    bool firstFrame = false;
    bool open = true;
    while (open) {
        reader_.Next();
        switch (reader_.Current()->kind) {
            case Kind::Greater:
                open = false;
                break;
            case Kind::End:
                Want(Kind::Greater);  // fails: the tag was never closed
                break;
            case Kind::Name: {
                NameObject(*frame);
                parseFrame_ = index;
                frame->frameIndex_ = index;
                firstFrame = index == 0;
                break;
            }
            case Kind::Size: {
                auto [width, height] = PairValue();
                frame->SetSize(width, height);
                break;
            }
            case Kind::Position: {
                auto [x, y] = PairValue();
                const int32_t width = frame->rect_.Width();
                const int32_t height = frame->rect_.Height();
                frame->rect_ = {x, y, x + width, y + height};
                if (firstFrame) centring_ = false;
                break;
            }
            case Kind::Background: frame->background_ = TextValue(); break;
            case Kind::Colour:
                frame->colour_ = ParseColour();
                frame->hasColour_ = true;
                break;
            default:
                break;  // unknown tokens in a frame's opening tag are skipped
        }
    }
    if (frame->name_ == "base") PlaceBase(*frame);

    for (;;) {
        Want(Kind::Less);
        reader_.Next();
        const int32_t kind = reader_.Current()->kind;
        switch (kind) {
            case Kind::Slash:
                Want(Kind::Frame);
                Want(Kind::Greater);
                return;
            case Kind::Scene: ParseScene(); break;
            case Kind::Button: case Kind::Image: case Kind::Textbox: ParseButton(kind); break;
            case Kind::Anim: ParseAnimation(); break;
            case Kind::Sound: ParseSound(); break;
            case Kind::Page: ParsePage(); break;
            case Kind::Program: ParseProgram(); break;
            case Kind::Browser: ParseBrowser(); break;
            case Kind::TextStyle: ParseTextStyle(); break;
            default: break;  // no declaration; the next token must be "<"
        }
    }
}

void CVistrelDoc::ScanCommands() {
    reader_.FindPair(Kind::Less, Kind::Do);
    Want(Kind::Greater);
    // The end of the list without the closing tag ends the scan without error.
    while (reader_.Next()) {
        const int32_t kind = reader_.Current()->kind;
        if (kind == Kind::Less) {
            Want(Kind::Slash);
            Want(Kind::Do);
            Want(Kind::Greater);
            return;
        }
        if (kind != Kind::Scene) continue;
        Want(Kind::LeftParen);
        Want(Kind::Identifier);
        const int32_t index = reader_.CurrentIndex();
        sceneTable_[reader_.Current()->text] = index;
        if (startToken_ < 0) startToken_ = index;
    }
}
