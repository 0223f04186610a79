#include <gtest/gtest.h>

#include "runtime/transitions/transition_settings.h"

#include "doc_fixture.h"
#include "runtime/base_frame_placement.h"
#include "runtime/vanimation.h"
#include "runtime/vbrowser.h"
#include "runtime/vbutton.h"
#include "runtime/vframe.h"
#include "runtime/vpage.h"
#include "runtime/vprogram.h"
#include "runtime/vscene.h"
#include "runtime/vsound.h"
#include "script/token_kind.h"

namespace {

using Grammar = DocFixture;

const char kMinimalScript[] =
    "<APPLICATION NAME = \"Demo\" AUTHOR = \"Me\" VERSION = 1.0>\n"
    "<LEARN>\n"
    "<FRAME NAME = \"base\" SIZE = 640, 480 COLOUR = black>\n"
    "<SCENE NAME = \"Intro\" EFFECT = FastDissolve>\n"
    "<BUTTON NAME = \"Go\" POS = 20, 400 SIZE = 120, 40 TEXT = \"Start\" ACTION = DoScene(\"Intro\")>\n"
    "</FRAME>\n"
    "</LEARN>\n"
    "<DO>\n"
    "SCENE(Intro) BUTTON(Go) END\n"
    "</DO>\n";

TEST_F(Grammar, MinimalScriptGivesItsHeaderObjectsAndSceneTable) {
    ASSERT_TRUE(Load(kMinimalScript)) << FirstError();
    EXPECT_EQ(doc->appName_, "Demo");
    EXPECT_EQ(doc->author_, "Me");
    EXPECT_EQ(doc->version_, "1.0");
    ASSERT_EQ(doc->Objects().Count(), 3);

    auto& frame = Object<CVFrame>("base");
    EXPECT_EQ(doc->FindIndex("base"), 0);
    EXPECT_EQ(frame.frameIndex_, 0);
    EXPECT_EQ(frame.rect_, (VRect{0, 0, 640, 480}));
    EXPECT_TRUE(frame.hasColour_);
    EXPECT_EQ(frame.colour_, kBlack);

    auto& scene = Object<CVScene>("Intro");
    EXPECT_EQ(scene.frameIndex_, 0);
    EXPECT_EQ(scene.effect_, Kind::FastDissolve);

    auto& button = Object<CVButton>("Go");
    EXPECT_EQ(button.rect_, (VRect{20, 400, 140, 440}));
    EXPECT_TRUE(button.sizeGiven_);
    EXPECT_EQ(button.frameIndex_, -1);
    EXPECT_EQ(button.text_, "Start");
    EXPECT_EQ(button.action_, Kind::DoScene);
    EXPECT_EQ(button.actionArgument_, "Intro");
    EXPECT_EQ(button.shape_, Kind::SquareBullet);

    const int32_t marker = doc->FindScene("Intro");
    ASSERT_GE(marker, 0);
    EXPECT_EQ(doc->startToken_, marker);
    const CToken& token = doc->Reader().Tokens()[marker];
    EXPECT_EQ(token.kind, Kind::Identifier);
    EXPECT_EQ(token.text, "Intro");
    EXPECT_EQ(doc->FindScene("Menu"), -1);
    EXPECT_TRUE(messages.empty());
}

TEST_F(Grammar, KeywordsMatchInAnyCaseAndEverySpelling) {
    ASSERT_TRUE(Load("<application name = \"x\">\n<learn>\n<frame name = \"f\" color := red>\n"
                     "<image name = \"i\" src = \"a.bmp\" pos = 1, 2>\n</frame>\n</learn>\n<do>\n</do>"))
        << FirstError();
    EXPECT_EQ(doc->appName_, "x");
    EXPECT_EQ(Object<CVFrame>("f").colour_, MakeColour(255, 0, 0));
    EXPECT_EQ(Object<CVButton>("i").source_, "a.bmp");
}

TEST_F(Grammar, HeaderAttributes) {
    ASSERT_TRUE(Load("<APP NAME = \"n\" AUTHOR = \"a\" COMMENT = \"c\" MEDIA = \"Pics\" "
                     "CLICKSOUND = \"click.wav\" AUTO = off PRELOAD = yes BLACKOUT = true PEN = ok "
                     "TIMING = 5>\n<LEARN>\n</LEARN>\n<DO>\n</DO>"))
        << FirstError();
    EXPECT_EQ(doc->comment_, "c");
    EXPECT_EQ(doc->mediaFolder_, "Pics");
    EXPECT_EQ(doc->clickSound_, "click.wav");
    EXPECT_FALSE(doc->automatic_);
    EXPECT_TRUE(doc->preload_);
    EXPECT_TRUE(doc->blackout_);
    EXPECT_TRUE(doc->pen_);
    EXPECT_EQ(transitions::TransitionTiming(), 50);
}

TEST_F(Grammar, HeaderDefaultsAndEndForms) {
    for (const char* header : {"<APP>", "<APP NAME = \"n\">", "<APP> NAME = \"n\" </APP>",
                               "<APP NAME = \"n\" / APP >", "<APP NAME = \"n\" anything else here"}) {
        SCOPED_TRACE(header);
        ASSERT_TRUE(Load(std::string(header) + "\n<LEARN>\n</LEARN>\n<DO>\n</DO>")) << FirstError();
        EXPECT_EQ(doc->mediaFolder_, "Media");
        EXPECT_TRUE(doc->automatic_);
        EXPECT_FALSE(doc->preload_ || doc->blackout_ || doc->pen_);
        EXPECT_TRUE(doc->centring_);
        EXPECT_EQ(transitions::TransitionTiming(), 20);
    }
}

TEST_F(Grammar, MediaIsIgnoredForCompiledData) {
    doc = std::make_unique<CVistrelDoc>();
    doc->compiledData_ = true;
    doc->Reader().OpenScriptText("<APP MEDIA = \"Pics\">\n<LEARN>\n</LEARN>\n<DO>\n</DO>");
    ASSERT_TRUE(doc->ParseScript());
    EXPECT_EQ(doc->mediaFolder_, "Media");
}

TEST_F(Grammar, VersionIsMadeFromTwoIntegers) {
    const std::pair<const char*, const char*> cases[] = {{"1.0", "1.0"}, {"2.10", "2.10"}, {"2.05", "2.5"}};
    for (auto [written, text] : cases) {
        ASSERT_TRUE(Load(std::string("<APP VERSION = ") + written + ">\n<LEARN>\n</LEARN>\n<DO>\n</DO>"));
        EXPECT_EQ(doc->version_, text) << written;
    }
}

TEST_F(Grammar, ColourForms) {
    const std::pair<const char*, Colour> cases[] = {
        {"255, 128, 0", MakeColour(255, 128, 0)},
        {"300, 0, 0", MakeColour(44, 0, 0)},
        {"Red", kWhite},          // colour names are case-sensitive
        {"darkgrey", MakeColour(128, 128, 128)},
        {"grey", MakeColour(192, 192, 192)},
        {"darkpurple", MakeColour(128, 0, 128)},
        {"none", kWhite},         // any other token
    };
    for (auto [written, colour] : cases) {
        ASSERT_TRUE(Load(InFrame(std::string("<IMAGE NAME = \"i\" COLOUR = ") + written + ">")))
            << written << ": " << FirstError();
        EXPECT_EQ(Object<CVButton>("i").colour_, colour) << written;
        EXPECT_EQ(Object<CVButton>("i").shape_, 0);
    }
}

TEST_F(Grammar, FrameAttributes) {
    ASSERT_TRUE(Load("<APP>\n<LEARN>\n<FRAME NAME = \"f\" junk 12 \"x\" SIZE = 300, 200 "
                     "POSITION = 10, 20 BACKGROUND = \"bg.bmp\">\n</FRAME>\n"
                     "<FRAME NAME = \"g\">\n<SCENE NAME = \"s\">\n</FRAME>\n</LEARN>\n<DO>\n</DO>"))
        << FirstError();
    auto& frame = Object<CVFrame>("f");
    EXPECT_EQ(frame.rect_, (VRect{10, 20, 310, 220}));
    EXPECT_EQ(frame.background_, "bg.bmp");
    EXPECT_FALSE(frame.hasColour_);
    EXPECT_FALSE(doc->centring_);  // POSITION on the first frame
    EXPECT_EQ(Object<CVFrame>("g").frameIndex_, 1);
    EXPECT_EQ(Object<CVScene>("s").frameIndex_, 1);
}

TEST_F(Grammar, ButtonAttributes) {
    ASSERT_TRUE(Load(InFrame(
        "<BUTTON NAME = \"b\" TYPE = STATE SRC = \"b.bmp\" ROLL = \"r.bmp\" ACTIVE = \"a.bmp\" "
        "ROLLACTION = DoSound(\"s\") SET = OvalNext STYLE = FRAME TRANS = 255, 0, 255 "
        "SOUND = none SCALE = off AUTOHEIGHT = on EFFECT = SlowWipeLeft TEXTSTYLE = \"T\">\n"
        "<BUTTON NAME = \"c\" GROUP = 70000 STYLE = PLAIN SOUND = \"c.wav\" "
        "ACTION = DoBrowserBrowse(\"Web1\", \"page.htm\")>\n"
        "<BUTTON NAME = \"d\" STYLE = BUTTON ACTION = none ROLL = \"r.bmp\">")))
        << FirstError();
    auto& b = Object<CVButton>("b");
    EXPECT_EQ(b.type_, Kind::State);
    EXPECT_EQ(b.source_, "b.bmp");
    EXPECT_EQ(b.state_, kStateNormal);
    EXPECT_EQ(b.rollImage_, "r.bmp");
    EXPECT_EQ(b.action_, Kind::None);  // ROLL turns IGNORE into NONE
    EXPECT_EQ(b.activeImage_, "a.bmp");
    EXPECT_EQ(b.rollAction_, Kind::DoSound);
    EXPECT_EQ(b.rollActionArgument_, "s");
    EXPECT_EQ(b.shape_, Kind::OvalNext);  // SET after SRC
    EXPECT_EQ(b.style_, kStyleFrame);
    EXPECT_TRUE(b.transparent_);
    EXPECT_EQ(b.transparentColour_, MakeColour(255, 0, 255));
    EXPECT_EQ(b.clickSound_, "!");
    EXPECT_FALSE(b.scale_);
    EXPECT_TRUE(b.autoHeight_);
    EXPECT_EQ(b.effect_, Kind::SlowWipeLeft);
    EXPECT_EQ(b.textStyleName_, "T");
    EXPECT_EQ(b.colour_, kNoColour);
    EXPECT_EQ(b.group_, -1);

    auto& c = Object<CVButton>("c");
    EXPECT_EQ(c.type_, Kind::State);
    EXPECT_EQ(c.group_, static_cast<int16_t>(70000));
    EXPECT_EQ(c.style_, Kind::Plain);
    EXPECT_EQ(c.clickSound_, "c.wav");
    EXPECT_EQ(c.state_, kStateInactive);
    EXPECT_EQ(c.action_, Kind::DoBrowserBrowse);
    EXPECT_EQ(c.actionArgument_, "Web1,page.htm");

    auto& d = Object<CVButton>("d");
    EXPECT_EQ(d.style_, kStyleButton);
    EXPECT_EQ(d.action_, Kind::None);
}

TEST_F(Grammar, NamedActionButtons) {
    ASSERT_TRUE(Load(InFrame("<BUTTON NAME = \"Exit\">\n<BUTTON NAME = \"QUIT\">\n"
                             "<BUTTON NAME = \"automatic\">\n"
                             "<BUTTON NAME = \"exit2\">\n"
                             "<BUTTON NAME = \"EXIT\" ACTION = DoScene(\"m\")>")))
        << FirstError();
    EXPECT_EQ(Object<CVButton>("Exit").action_, Kind::ExitAction);
    EXPECT_EQ(Object<CVButton>("QUIT").action_, Kind::QuitAction);
    EXPECT_EQ(Object<CVButton>("automatic").action_, Kind::Auto);
    EXPECT_EQ(Object<CVButton>("exit2").action_, Kind::Ignore);
    EXPECT_EQ(Object<CVButton>("EXIT").action_, Kind::DoScene);
}

TEST_F(Grammar, TextGivesAnUnsizedTextBoxRoomUnlessItWasPlacedFirst) {
    ASSERT_TRUE(Load(InFrame("<IMAGE NAME = \"a\" TEXT = \"t\" POS = 10, 10>\n"
                             "<TEXTBOX NAME = \"b\" POS = 10, 10 TEXT = \"t\">\n"
                             "<BUTTON NAME = \"c\" TEXT = \"t\">")))
        << FirstError();
    EXPECT_EQ(Object<CVButton>("a").rect_, (VRect{10, 10, 310, 60}));
    EXPECT_EQ(Object<CVButton>("b").rect_, (VRect{10, 10, 10, 10}));
    EXPECT_EQ(Object<CVButton>("c").rect_, (VRect{0, 0, 0, 0}));  // a button has a shape
}

TEST_F(Grammar, MediaDeclarations) {
    ASSERT_TRUE(Load(InFrame(
        "<ANIM NAME = \"a\" SRC = \"a.avi\" POS = 5, 6 SYNC = off CLICK = CONTINUE STAY = no LOOP = on>\n"
        "<ANIMATION NAME = \"a2\" SIZE = 100, 50>\n"
        "<SOUND NAME = \"s\" SRC = \"s.wav\" CLICK = IGNORE LOOP = on>\n"
        "<SOUND NAME = \"s2\" SYNC = off>\n"
        "<PAGE NAME = \"p\" SRC = \"p.bmp\">\n"
        "<PROGRAM NAME = \"r\" SRC = \"calc.exe\" PARAMETER = \"-x\">\n"
        "<BROWSER NAME = \"w\" stray 1 SIZE = 400, 300 POS = 2, 3 SRC = \"$MEDIA/i.htm\" SCROLL = on>\n"
        "<HTML NAME = \"w2\">")))
        << FirstError();
    auto& a = Object<CVAnimation>("a");
    EXPECT_EQ(a.source_, "a.avi");
    EXPECT_EQ(a.rect_, (VRect{5, 6, -1, -1}));
    EXPECT_FALSE(a.sync_);
    EXPECT_EQ(a.click_, Kind::Continue);
    EXPECT_FALSE(a.stay_);
    EXPECT_TRUE(a.repeat_);
    EXPECT_EQ(Object<CVAnimation>("a2").rect_, (VRect{0, 0, 100, 50}));
    EXPECT_FALSE(Object<CVAnimation>("a2").sizeGiven_);

    auto& s = Object<CVSound>("s");
    EXPECT_EQ(s.source_, "s.wav");
    EXPECT_EQ(s.click_, Kind::Ignore);
    EXPECT_TRUE(s.loop_);
    EXPECT_FALSE(s.sync_);
    EXPECT_EQ(Object<CVSound>("s2").click_, Kind::EndWord);

    EXPECT_EQ(Object<CVPage>("p").source_, "p.bmp");
    EXPECT_EQ(Object<CVPage>("p").rect_, (VRect{0, 0, 640, 480}));
    EXPECT_EQ(Object<CVProgram>("r").source_, "calc.exe");
    EXPECT_EQ(Object<CVProgram>("r").parameter_, "-x");

    auto& w = Object<CVBrowser>("w");
    EXPECT_EQ(w.rect_, (VRect{2, 3, 402, 303}));
    EXPECT_EQ(w.address_, "$MEDIA/i.htm");
    EXPECT_TRUE(w.scroll_);
    EXPECT_EQ(Object<CVBrowser>("w2").rect_, (VRect{0, 0, 320, 240}));
}

TEST_F(Grammar, ClosingTagForms) {
    const char* accepted[] = {
        "<PROGRAM NAME = \"P\" SRC = \"calc.exe\" </PROGRAM>",
        "<PROGRAM> NAME = \"P\" </PROGRAM>",
        "<BUTTON NAME = \"P\" </ANYTHING>",
        "<PAGE NAME = \"P\" </X>",
        "<ANIM NAME = \"P\" </ANIMATION>",
        "<SOUND NAME = \"P\" </SOUND>",
        "<SCENE NAME = \"P\" </SCENE>",
    };
    for (const char* declaration : accepted) {
        EXPECT_TRUE(Load(InFrame(declaration))) << declaration << ": " << FirstError();
        EXPECT_NE(doc->FindObject("P"), nullptr) << declaration;
    }
    const char* rejected[] = {
        "<PROGRAM NAME = \"P\"> </PROGRAM>",  // the tag already ended at ">"
        "<ANIM NAME = \"P\" </SOUND>",
        "<SCENE NAME = \"P\" <BUTTON>",
        "<BROWSER NAME = \"P\"> </BROWSER>",
    };
    for (const char* declaration : rejected) {
        EXPECT_FALSE(Load(InFrame(declaration))) << declaration;
    }
}

TEST_F(Grammar, TextStyleBothFormsAgreeAndAttributes) {
    ASSERT_TRUE(Load(InFrame("<TEXTSTYLE> NAME = \"T1\" TEXTSIZE = 24 </TEXTSTYLE>")));
    const CVTextStyle closed = *doc->FindTextStyle("T1");
    ASSERT_TRUE(Load("<APP>\n<LEARN>\n<TEXTSTYLE NAME = \"T1\" TEXTSIZE = 24>\n</LEARN>\n<DO>\n</DO>"));
    const CVTextStyle single = *doc->FindTextStyle("T1");
    EXPECT_EQ(closed.font.height, 24);
    EXPECT_EQ(single.font.height, closed.font.height);
    EXPECT_EQ(single.format, kFormatCentre);
    EXPECT_EQ(single.font.faceName, "Times New Roman");
    EXPECT_EQ(single.activeColour, MakeColour(130, 0, 0));
    EXPECT_FALSE(Load("<APP>\n<LEARN>\n<TEXTSTYLE NAME = \"T1\" TEXTSIZE = 24> </TEXTSTYLE>\n</LEARN>"));

    ASSERT_TRUE(Load(InFrame(
        "<TEXTSTYLE NAME = \"a\" COLOUR = blue ACTIVE = green ROLL = 1, 2, 3 SET = 511 BOLD = on "
        "ITALIC = on UNDERLINE = yes STRIKETHROUGH = true "
        "FONT = \"A face name that is longer than thirty-one\" ALIGN = RIGHT VALIGN = TOP>\n"
        "<TEXTSTYLE NAME = \"b\" HALIGN = LEFT BOLD = off>\n"
        "<TEXTSTYLE NAME = \"a\" ALIGN = CENTRE>")))
        << FirstError();
    const CVTextStyle& a = *doc->FindTextStyle("a");
    EXPECT_EQ(a.colour, MakeColour(0, 0, 255));
    EXPECT_EQ(a.activeColour, MakeColour(0, 255, 0));
    EXPECT_EQ(a.rollColour, MakeColour(1, 2, 3));
    EXPECT_EQ(a.font.charSet, 255);
    EXPECT_EQ(a.font.weight, 700);
    EXPECT_EQ(a.font.italic + a.font.underline + a.font.strikeOut, 3);
    EXPECT_EQ(a.font.faceName, "A face name that is longer than");
    EXPECT_EQ(a.format, kFormatRight);  // the first style of a name wins
    EXPECT_EQ(a.verticalAlignment, Kind::Top);
    EXPECT_EQ(doc->FindTextStyle("b")->format, kFormatLeft);
    EXPECT_EQ(doc->FindTextStyle("b")->font.weight, 0);
    EXPECT_EQ(doc->TextStyles().Count(), 3);
    EXPECT_EQ(doc->FindIndex("a"), -1);  // text styles are not in the name table
}

TEST_F(Grammar, DuplicateNameShowsOneMessageAndRefersToTheSecond) {
    ASSERT_TRUE(Load(InFrame("<BUTTON NAME = \"A\">\n<IMAGE NAME = \"A\">\n<IMAGE NAME = \"a\">")));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].second, "Error: name \"A\" is already used");
    EXPECT_EQ(doc->FindIndex("A"), 2);
    EXPECT_EQ(doc->FindIndex("a"), 3);
}

TEST_F(Grammar, SceneTable) {
    ASSERT_TRUE(Load("<APP>\n<LEARN>\n</LEARN>\n<DO>\nBUTTON(x) END\n</DO>"));
    EXPECT_TRUE(doc->SceneTable().empty());
    EXPECT_EQ(doc->startToken_, -1);

    // A repeated scene replaces the earlier entry; the start token stays the first marker; the
    // end of the list without the closing tag is no error.
    ASSERT_TRUE(Load("<APP>\n<LEARN>\n</LEARN>\n<DO>\nSCENE(a) END SCENE(b) WAIT SCENE(a) END"));
    EXPECT_EQ(doc->SceneTable().size(), 2u);
    EXPECT_LT(doc->startToken_, doc->FindScene("b"));
    EXPECT_GT(doc->FindScene("a"), doc->FindScene("b"));
}

class RecordingPlacer : public WindowPlacer {
public:
    VSize ScreenSize() const override { return {1024, 768}; }
    VSize DesktopSize() const override { return {1024, 768}; }
    void Place(const BaseFramePlacement& placement) override { placements.push_back(placement); }
    std::vector<BaseFramePlacement> placements;
};

TEST_F(Grammar, BaseFramePlacesTheWindow) {
    struct Case {
        const char* frame;
        const char* header;
        VRect window;
        VRect view;
    };
    const Case cases[] = {
        {"<FRAME NAME = \"base\">", "<APP>", {192, 144, 832, 624}, {0, 0, 640, 480}},
        {"<FRAME NAME = \"base\" POS = 10, 20>", "<APP>", {10, 20, 650, 500}, {0, 0, 640, 480}},
        // Before the NAME the frame is not yet known as the first: centring moves it on.
        {"<FRAME POS = 10, 20 NAME = \"base\">", "<APP>", {202, 164, 842, 644}, {0, 0, 640, 480}},
        {"<FRAME NAME = \"base\" SIZE = 2000, 100>", "<APP>", {0, 334, 2000, 434}, {0, 0, 2000, 100}},
        {"<FRAME NAME = \"base\">", "<APP BLACKOUT = on>", {0, 0, 1024, 768}, {192, 144, 832, 624}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.frame);
        RecordingPlacer placer;
        doc = std::make_unique<CVistrelDoc>();
        doc->SetWindowPlacer(&placer);
        doc->Reader().OpenScriptText(std::string(c.header) + "<LEARN>" + c.frame + "</FRAME></LEARN><DO></DO>");
        ASSERT_TRUE(doc->ParseScript());
        ASSERT_EQ(placer.placements.size(), 1u);
        EXPECT_EQ(placer.placements[0].window, c.window);
        EXPECT_EQ(placer.placements[0].view, c.view);
        EXPECT_EQ(placer.placements[0].blackout, std::string(c.header).find("BLACKOUT") != std::string::npos);
        // The centring moves the frame's own rectangle.
        EXPECT_EQ(doc->ObjectAt(0)->rect_, placer.placements[0].blackout ? c.view : c.window);
    }
    RecordingPlacer placer;
    doc = std::make_unique<CVistrelDoc>();
    doc->SetWindowPlacer(&placer);
    doc->Reader().OpenScriptText("<APP><LEARN><FRAME NAME = \"Base\"></FRAME></LEARN><DO></DO>");
    ASSERT_TRUE(doc->ParseScript());
    EXPECT_TRUE(placer.placements.empty());
}

TEST_F(Grammar, ClassQuery) {
    ASSERT_TRUE(Load(InFrame("<BUTTON NAME = \"b\">\n<IMAGE NAME = \"i\">\n<TEXTBOX NAME = \"t\">\n"
                             "<ANIM NAME = \"a\">\n<SOUND NAME = \"s\">\n<SCENE NAME = \"c\">\n"
                             "<BROWSER NAME = \"w\">\n<PAGE NAME = \"p\">\n<PROGRAM NAME = \"r\">")))
        << FirstError();
    const std::pair<const char*, VClass> cases[] = {
        {"f", VClass::Rect},      {"b", VClass::Button}, {"i", VClass::Button},
        {"t", VClass::Button},    {"a", VClass::Animation}, {"s", VClass::Sound},
        {"c", VClass::Rect},      {"w", VClass::Rect},   {"p", VClass::Rect},
        {"r", VClass::Rect},
    };
    for (auto [name, record] : cases) {
        EXPECT_EQ(doc->FindObject(name)->ClassRecord(), record) << name;
    }
    EXPECT_EQ(Object<CVButton>("i").shape_, 0);
    EXPECT_EQ(Object<CVButton>("t").shape_, 0);
}

TEST(ObjectModel, MoveToKeepsSizeOrSetsOnlyTheCornerOfANaturalSizeAnimation) {
    CVAnimation animation;
    animation.MoveTo(5, 7);
    EXPECT_EQ(animation.rect_, (VRect{5, 7, -1, -1}));
    CVButton button;
    button.rect_ = {1, 2, 11, 22};
    button.MoveTo(100, 200);
    EXPECT_EQ(button.rect_, (VRect{100, 200, 110, 220}));
    button.SetSize(3, 4);
    EXPECT_EQ(button.rect_, (VRect{100, 200, 103, 204}));
}

struct ErrorCase {
    const char* script;
    const char* error;
};

TEST_F(Grammar, ErrorsNameThePlaceAndWhatWasExpected) {
    const ErrorCase cases[] = {
        {"<APP NAME Bogus>", "1.11 (3) Got 'ID' (Bogus) symbol, expected '='"},
        {"<APP>\n\n\n\n<LEARN>\n</LEARN>\n<DO>\n</DO>", ""},
        {"<APP>\n<LEARN>\n<FRAME>\n</FRAME>\nBogus", "5.1 (13) Got 'ID' (Bogus) symbol, expected '<'"},
        {"<APP>\n<LEARN>\n</LEARN>\n", "4.1 (10) Got 'EOF' symbol, expected '>'"},     // no DO
        {"<APP>\n", "2.1 (3) Got 'EOF' symbol, expected '>'"},                       // no LEARN
        {"APP>", "1.1 (0) Got 'APP' symbol, expected '<'"},
        {"<APP>\n<LEARN>\n<BOGUS>\n</LEARN>", "3.7 (8) Got '>' symbol, expected '<'"},
        {"<APP>\n<LEARN>\n<FRAME NAME = \"f\">\n<FRAME>\n</FRAME>\n</LEARN>",
         "4.7 (14) Got '>' symbol, expected '<'"},
        {"<APP>\n<LEARN>\n<FRAME NAME = \"f\" SIZE = 1>", "3.27 (14) Got '>' symbol, expected ','"},
        {"<APP>\n<LEARN>\n<FRAME NAME = \"f\"", "3.18 (11) Got 'EOF' symbol, expected '>'"},
        {"<APP>\n<LEARN>\n<FRAME><BROWSER NAME = \"w\"", "3.27 (14) Got 'EOF' symbol, expected '>'"},
        {"<APP>\n<LEARN>\n<FRAME><BUTTON ACTION = DoScene(Menu)>",
         "3.33 (15) Got 'ID' (Menu) symbol, expected 'STRING'"},
        {"<APP>\n<LEARN>\n<FRAME><BUTTON ACTION = DoScene>", "3.32 (14) Got '>' symbol, expected '( '"},
        {"<APP>\n<LEARN>\n</LEARN>\n<DO>\nSCENE Intro\n</DO>",
         "5.7 (14) Got 'ID' (Intro) symbol, expected '( '"},
        {"<APP>\n<LEARN>\n</LEARN>\n<DO>\nSCENE(Intro) END\n<DO>",
         "6.2 (19) Got 'DO' symbol, expected '/'"},
        {"<APP>\n<LEARN>\n</LEARN>\n<DO>\n\"open", "5.5 Error: unclosed string"},
    };
    for (const ErrorCase& c : cases) {
        SCOPED_TRACE(c.script);
        EXPECT_EQ(Load(c.script), *c.error == 0);
        EXPECT_EQ(FirstError(), c.error);
        // No error recovery: the parse stops at the first error.
        EXPECT_LE(report.errors.size(), 1u);
    }
}

}  // namespace
