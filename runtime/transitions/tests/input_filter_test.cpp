// The view's input during a transition: presses end it, all input is kept from the view, the
// rest of the program carries on.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimerEvent>
#include <QWheelEvent>
#include <memory>

#include "platform/gdi/surface.h"
#include "runtime/transitions/dc_transition_target.h"
#include "runtime/transitions/start_transition.h"
#include "runtime/transitions/tests/pattern_fixture.h"
#include "runtime/transitions/transition_input_filter.h"
#include "script/token_kind.h"

namespace transitions {
namespace {

class CountingObject : public QObject {
public:
    using QObject::QObject;
    bool event(QEvent* e) override {
        ++received;
        return QObject::event(e);
    }
    int received = 0;
};

class TransitionInputFilterTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "runtime_transitions_tests";
        static char* argv[] = {name, nullptr};
        app_ = std::make_unique<QGuiApplication>(argc, argv);
    }
    static void TearDownTestSuite() { app_.reset(); }

    static std::unique_ptr<QEvent> Key(QEvent::Type type) {
        return std::make_unique<QKeyEvent>(type, Qt::Key_Space, Qt::NoModifier);
    }
    static std::unique_ptr<QEvent> Mouse(QEvent::Type type, Qt::MouseButton button) {
        return std::make_unique<QMouseEvent>(type, QPointF(5, 5), QPointF(5, 5), button, button,
                                             Qt::NoModifier);
    }

    TransitionInputFilterTest() { view.received = 0; }  // forget the ChildAdded of inside

    CountingObject view;
    CountingObject* inside = new CountingObject(&view);
    CountingObject elsewhere;

private:
    static std::unique_ptr<QGuiApplication> app_;
};

std::unique_ptr<QGuiApplication> TransitionInputFilterTest::app_;

TEST_F(TransitionInputFilterTest, PressesEndTheTransitionAndNeverReachTheView) {
    struct Case {
        const char* name;
        std::unique_ptr<QEvent> event;
        bool abort;
    };
    Case cases[] = {
        {"key press", Key(QEvent::KeyPress), true},
        {"left press", Mouse(QEvent::MouseButtonPress, Qt::LeftButton), true},
        {"right press", Mouse(QEvent::MouseButtonPress, Qt::RightButton), true},
        {"middle press", Mouse(QEvent::MouseButtonPress, Qt::MiddleButton), true},
        {"double click", Mouse(QEvent::MouseButtonDblClick, Qt::LeftButton), true},
        {"back button", Mouse(QEvent::MouseButtonPress, Qt::BackButton), false},
        {"release", Mouse(QEvent::MouseButtonRelease, Qt::LeftButton), false},
        {"move", Mouse(QEvent::MouseMove, Qt::NoButton), false},
        {"key release", Key(QEvent::KeyRelease), false},
    };
    for (Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (CountingObject* target : {&view, inside}) {
            TransitionInputFilter filter(&view);
            const int before = target->received;
            QCoreApplication::sendEvent(target, c.event.get());
            EXPECT_EQ(target->received, before);
            EXPECT_EQ(filter.PressSeen(), c.abort);
        }
    }
}

TEST_F(TransitionInputFilterTest, OtherObjectsAndNonInputEventsCarryOn) {
    TransitionInputFilter filter(&view);
    auto key = Key(QEvent::KeyPress);
    QCoreApplication::sendEvent(&elsewhere, key.get());
    EXPECT_EQ(elsewhere.received, 1);
    QTimerEvent timer(1);
    QCoreApplication::sendEvent(&view, &timer);
    EXPECT_EQ(view.received, 1);
    EXPECT_FALSE(filter.PressSeen());
}

TEST_F(TransitionInputFilterTest, PollLetsQueuedEventsThroughAndReportsAPress) {
    TransitionInputFilter filter(&view);
    QCoreApplication::postEvent(&view, Mouse(QEvent::MouseMove, Qt::NoButton).release());
    QCoreApplication::postEvent(&elsewhere, Key(QEvent::KeyPress).release());
    EXPECT_FALSE(filter.PollAbort());
    EXPECT_EQ(elsewhere.received, 1);
    EXPECT_EQ(view.received, 0);

    QCoreApplication::postEvent(&view, Key(QEvent::KeyPress).release());
    bool aborted = false;
    // The poll lets events through at most once a millisecond.
    for (int i = 0; i < 100000 && !aborted; ++i) aborted = filter.PollAbort();
    EXPECT_TRUE(aborted);
    EXPECT_EQ(view.received, 0);
}

TEST_F(TransitionInputFilterTest, InputReachesTheViewAgainAfterTheTransition) {
    { TransitionInputFilter filter(&view); }
    auto key = Key(QEvent::KeyPress);
    QCoreApplication::sendEvent(&view, key.get());
    EXPECT_EQ(view.received, 1);
}

// Grows the window when its posted event comes through, as a resize during a transition would.
class Resizer : public QObject {
public:
    explicit Resizer(gdi::Surface& surface) : surface_(surface) {}
    bool event(QEvent* e) override {
        if (e->type() != QEvent::User) return QObject::event(e);
        surface_.Resize(40, 30);
        return true;
    }

private:
    gdi::Surface& surface_;
};

TEST_F(TransitionInputFilterTest, ViewTargetEndsOnAPressAndFollowsANewFrontBuffer) {
    gdi::Surface surface(20, 16);
    gdi::DCPtr dc = gdi::CreateWindowDC(surface);
    Resizer resizer(surface);
    const gdi::HBITMAP picture = testing::MakeNumberedPicture(20, 16);
    TransitionInputFilter filter(&view);
    DCTransitionTarget target(*dc, &filter);
    QCoreApplication::postEvent(&resizer, new QEvent(QEvent::User));
    QCoreApplication::postEvent(&view, Key(QEvent::KeyPress).release());
    testing::FakeClock clock;
    EXPECT_EQ(StartTransition(target, picture, Kind::FastDissolve, 0, 0, 0, 0, -1, -1, 20,
                              testing::UnpacedOn(clock)),
              kErrAborted);
    EXPECT_EQ(view.received, 0);
    const gdi::Bitmap& front = *surface.FrontBuffer();
    ASSERT_EQ(front.Width(), 40);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 20; ++x)
            ASSERT_EQ(front.GetPixel(x, y), picture->GetPixel(x, y)) << x << "," << y;
}

}  // namespace
}  // namespace transitions
