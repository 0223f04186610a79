#include "runtime/transitions/transition_input_filter.h"

#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>

namespace transitions {

namespace {

constexpr qint64 kPollIntervalNs = 1'000'000;

}  // namespace

TransitionInputFilter::TransitionInputFilter(QObject* view) : view_(view) {
    QCoreApplication::instance()->installEventFilter(this);
}

TransitionInputFilter::~TransitionInputFilter() {
    if (auto* app = QCoreApplication::instance()) app->removeEventFilter(this);
}

bool TransitionInputFilter::PollAbort() {
    if (!pressSeen_ && (!sincePoll_.isValid() || sincePoll_.nsecsElapsed() >= kPollIntervalNs)) {
        sincePoll_.start();
        ++eventRounds_;
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
    return pressSeen_;
}

bool TransitionInputFilter::IsAbortPress(const QEvent& event) {
    switch (event.type()) {
        case QEvent::KeyPress:
            return true;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
            const auto button = static_cast<const QMouseEvent&>(event).button();
            return button == Qt::LeftButton || button == Qt::RightButton ||
                   button == Qt::MiddleButton;
        }
        default:
            return false;
    }
}

bool TransitionInputFilter::IsInput(const QEvent& event) {
    switch (event.type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Wheel:
        case QEvent::HoverEnter:
        case QEvent::HoverLeave:
        case QEvent::HoverMove:
        case QEvent::Enter:
        case QEvent::Leave:
        case QEvent::ContextMenu:
        case QEvent::InputMethod:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::TouchCancel:
        case QEvent::TabletPress:
        case QEvent::TabletMove:
        case QEvent::TabletRelease:
        case QEvent::NativeGesture:
        case QEvent::Gesture:
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::DragLeave:
        case QEvent::Drop:
            return true;
        default:
            return false;
    }
}

bool TransitionInputFilter::IsViewOrInside(const QObject* object) const {
    for (; object; object = object->parent())
        if (object == view_) return true;
    return false;
}

bool TransitionInputFilter::eventFilter(QObject* watched, QEvent* event) {
    if (!IsInput(*event) || !IsViewOrInside(watched)) return false;
    if (IsAbortPress(*event)) pressSeen_ = true;
    // An accepted override keeps a key press from being taken as a shortcut, so that it reaches
    // this filter as a press instead of triggering an action.
    if (event->type() == QEvent::ShortcutOverride) event->accept();
    return true;
}

}  // namespace transitions
