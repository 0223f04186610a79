#include "medialib/ui/bmp_btn.h"
#include "medialib/ui/click_sound.h"
#include "medialib/ui/control_id.h"
#include "medialib/ui/tests/test_support.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMouseEvent>

#include <memory>
#include <utility>
#include <vector>

namespace {

// Mouse input as the window system would deliver it to the button.
void Mouse(CBmpBtn& button, QEvent::Type type, QPoint at, Qt::MouseButtons held) {
    const Qt::MouseButton changed = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(at), button.mapToGlobal(QPointF(at)), changed, held, Qt::NoModifier);
    QCoreApplication::sendEvent(&button, &event);
}
void Press(CBmpBtn& b, QPoint at = {5, 5}) { Mouse(b, QEvent::MouseButtonPress, at, Qt::LeftButton); }
void Drag(CBmpBtn& b, QPoint to) { Mouse(b, QEvent::MouseMove, to, Qt::LeftButton); }
void Hover(CBmpBtn& b, QPoint to = {5, 5}) { Mouse(b, QEvent::MouseMove, to, Qt::NoButton); }
void Release(CBmpBtn& b, QPoint at = {5, 5}) { Mouse(b, QEvent::MouseButtonRelease, at, Qt::NoButton); }

struct Command {
    int id, code;
    friend bool operator==(const Command&, const Command&) = default;
};

class BmpBtnTest : public ::testing::Test {
protected:
    CBmpBtn* Add(int id, const std::string& caption) {
        auto* button = new CBmpBtn(&dialog, id, caption);
        button->setGeometry(0, 0, 60, 20);
        QObject::connect(button, &CBmpBtn::command, [this](int i, int c) { commands.push_back({i, c}); });
        return button;
    }

    QApplication& app = App();  // before any widget
    QWidget dialog;
    std::vector<Command> commands;
};

}  // namespace

TEST_F(BmpBtnTest, PushButtonPressShowsDownLookAndReleaseInsideClicks) {
    CBmpBtn* button = Add(7, "C:Go~");
    int clicks = 0;
    QObject::connect(button, &QPushButton::clicked, [&] { ++clicks; });
    Press(*button);
    EXPECT_EQ(button->CurrentLook(), ButtonLook::Down);
    EXPECT_TRUE(button->ShowsPressFrame());
    Drag(*button, {100, 5});
    EXPECT_EQ(button->CurrentLook(), ButtonLook::Up) << "dragged out";
    Drag(*button, {6, 6});
    EXPECT_EQ(button->CurrentLook(), ButtonLook::Down) << "back in";
    Release(*button);
    EXPECT_EQ(button->CurrentLook(), ButtonLook::Up);
    EXPECT_EQ(clicks, 1);
    Press(*button);
    Drag(*button, {100, 5});
    Release(*button, {100, 5});
    EXPECT_EQ(clicks, 1) << "released outside";
    button->setEnabled(false);
    EXPECT_EQ(button->CurrentLook(), ButtonLook::Disabled);
}

TEST_F(BmpBtnTest, CheckBoxPressedWhileCheckedShowsUpUntilReleased) {
    CBmpBtn* box = Add(8, "C:Loop~s:C~T:C~");
    box->SetCheck(true);
    EXPECT_EQ(box->CurrentLook(), ButtonLook::Down);
    Press(*box);
    EXPECT_EQ(box->CurrentLook(), ButtonLook::Up);
    EXPECT_TRUE(box->IsChecked());
    Release(*box);
    EXPECT_FALSE(box->IsChecked());
    EXPECT_EQ(box->CurrentLook(), ButtonLook::Up);
    // A drag out and release outside leaves the state alone.
    Press(*box);
    Drag(*box, {-10, 5});
    Release(*box, {-10, 5});
    EXPECT_FALSE(box->IsChecked());
    box->Click();
    EXPECT_TRUE(box->IsChecked());
}

TEST_F(BmpBtnTest, RadioGroupEndsAtTheGroupStartControl) {
    CBmpBtn* a = Add(10, "T:R~C:A~");
    CBmpBtn* b = Add(11, "T:R~C:B~");
    CBmpBtn* c = Add(12, "T:R~C:C~");
    CBmpBtn* next = Add(13, "T:R~C:Next group~");
    SetGroupStart(a, true);
    SetGroupStart(next, true);
    next->SetCheck(true);

    b->Click();
    EXPECT_EQ(a->GetCheckedInGroup(), 11);
    c->Click();
    EXPECT_FALSE(b->IsChecked());
    EXPECT_TRUE(c->IsChecked());
    EXPECT_TRUE(next->IsChecked()) << "another group";
    a->SetCheck(true);
    EXPECT_FALSE(c->IsChecked());
    EXPECT_EQ(c->GetCheckedInGroup(), 10);
    EXPECT_EQ(next->GetCheckedInGroup(), 13);
    int checked = 0;
    for (CBmpBtn* button : {a, b, c}) checked += button->IsChecked();
    EXPECT_EQ(checked, 1);
    // Dragging out of a checked radio button keeps it checked.
    Press(*a);
    Drag(*a, {100, 100});
    EXPECT_EQ(a->CurrentLook(), ButtonLook::Down);
}

TEST_F(BmpBtnTest, RadioGroupStopsAtOtherControlsAndSkipsGaps) {
    CBmpBtn* a = Add(20, "T:R~");
    auto* label = new QLabel(&dialog);
    SetControlId(label, 21);
    CBmpBtn* b = Add(22, "T:R~");
    CBmpBtn* c = Add(25, "T:R~");
    EXPECT_TRUE(b->RadioGroup() == std::vector<CBmpBtn*>{c});
    a->SetCheck(true);
    b->SetCheck(true);
    EXPECT_TRUE(a->IsChecked()) << "beyond the label";
    EXPECT_EQ(c->GetCheckedInGroup(), 22);
    CBmpBtn* far = Add(25 + CBmpBtn::kGroupReach + 1, "T:R~");
    EXPECT_EQ(far->GetCheckedInGroup(), -1) << "out of reach";
}

TEST_F(BmpBtnTest, AutoRepeatCountsWithTheClock) {
    std::int64_t now = 1000;
    const CBmpBtn::Clock previous = CBmpBtn::SetRepeatClock([&] { return now; });
    CBmpBtn* arrow = Add(30, "T:SU2~");
    Press(*arrow);
    EXPECT_EQ(commands, (std::vector<Command>{{30, 5}}));
    EXPECT_TRUE(arrow->IsRepeating());
    EXPECT_EQ(arrow->State(), '2');
    for (int step = 0; step < 10; ++step) {
        now += 50;
        arrow->RepeatTick();
    }
    EXPECT_EQ(commands.size(), 3u) << "every 200 ms over 500 ms";
    Drag(*arrow, {100, 5});
    now += 1000;
    arrow->RepeatTick();
    EXPECT_FALSE(arrow->IsRepeating());
    EXPECT_EQ(commands.size(), 3u);
    Release(*arrow, {100, 5});

    commands.clear();
    CBmpBtn* fast = Add(31, "T:SD0~");
    Press(*fast);
    for (int i = 0; i < 4; ++i) fast->RepeatTick();
    EXPECT_EQ(commands.size(), 5u) << "speed 0 repeats on every pass";
    Release(*fast);
    fast->RepeatTick();
    EXPECT_EQ(commands.size(), 5u);
    CBmpBtn::SetRepeatClock(previous);
}

TEST_F(BmpBtnTest, HoverNotifiesTheParent) {
    CBmpBtn* push = Add(40, "C:Go~");
    CBmpBtn* box = Add(41, "T:C~");
    CBmpBtn* logo = Add(42, "U:<MADEWITH~u:hand~");
    Hover(*push);
    Hover(*box);
    Hover(*logo);
    Hover(*logo);
    EXPECT_EQ(commands, (std::vector<Command>{{40, 5}, {42 + 1024, 0}, {42 + 1024, 0}}));
    EXPECT_NE(logo->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(BmpBtnTest, PressPlaysTheClickSound) {
    std::vector<std::string> played;
    const ClickSoundPlayer previous = SetClickSoundPlayer([&](const std::string& path) { played.push_back(path); });
    CBmpBtn* button = Add(50, "C:Go~w:click~");
    Press(*button);
    Release(*button);
    CBmpBtn* silent = Add(51, "C:Go~");
    silent->Click();
    ASSERT_EQ(played.size(), 1u);
    EXPECT_TRUE(played[0].ends_with("/click.wav")) << played[0];
    SetClickSoundPlayer(previous);
}

TEST_F(BmpBtnTest, CaptionHelpersEditTheWindowText) {
    CBmpBtn* button = Add(60, "U:<OKN~L:/~");
    button->SetCaptionText("First");
    EXPECT_EQ(button->Caption(), "U:<OKN~L:/~C:First~");
    button->SetCaptionText("Second");
    EXPECT_EQ(button->Caption(), "U:<OKN~L:/~C:Second~");
    EXPECT_EQ(button->GetCaptionValue('C'), "Second");
    button->SetCaption("T:R~");
    EXPECT_EQ(button->Type(), 'R');
}

TEST_F(BmpBtnTest, PaintedLookLetsTheParentShowWhereNothingIsDrawn) {
    TestPictures pictures;
    CBmpBtn* button = Add(70, "U:<NEWN~L:/~");
    button->setGeometry(0, 0, 40, 24);
    const QImage look = button->RenderCurrentLook();
    EXPECT_EQ(qAlpha(look.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(look.pixel(20, 12)), 255);
    EXPECT_EQ(look.pixel(20, 12) & 0xFFFFFF, MakeTestPicture(30, 18, 0x008000)->Image().pixel(15, 9) & 0xFFFFFF);
}
