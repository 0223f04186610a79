#pragma once

// The view's input during a transition. While one of these lives, every input event for the view
// (or a widget inside it) is kept from it: a key press or a left, right or middle button press
// marks the transition to be ended, everything else (pointer movements, releases, wheel, other
// buttons) is dropped. Events for other windows, timers and posted work are untouched.
//
// Call order, as the view uses it: make the filter, run StartTransition on a DCTransitionTarget
// over the view's window DC and this filter, then let the filter go.

#include <QElapsedTimer>
#include <QObject>

class QEvent;

namespace transitions {

class TransitionInputFilter final : public QObject {
public:
    // Installs itself on the application. REQUIRES: a QCoreApplication exists and view outlives
    // the filter.
    explicit TransitionInputFilter(QObject* view);
    ~TransitionInputFilter() override;
    TransitionInputFilter(const TransitionInputFilter&) = delete;
    TransitionInputFilter& operator=(const TransitionInputFilter&) = delete;

    // Lets pending events through (at most once a millisecond, so that fast effects are not slowed
    // by the event loop) and tells whether a press has arrived since the filter was made.
    bool PollAbort();
    bool PressSeen() const { return pressSeen_; }
    // How often PollAbort has let events through.
    int EventRounds() const { return eventRounds_; }

    // True for the events that end a transition: a key press, a left, right or middle press.
    static bool IsAbortPress(const QEvent& event);
    // True for every event that stands for user input.
    static bool IsInput(const QEvent& event);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool IsViewOrInside(const QObject* object) const;

    QObject* view_;
    QElapsedTimer sincePoll_;
    bool pressSeen_ = false;
    int eventRounds_ = 0;
};

}  // namespace transitions
