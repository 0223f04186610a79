#pragma once

#include <QEvent>
#include <QString>

#include "platform/mci/window_registry.h"

// Completion codes of a command sent with "notify".
constexpr int kMciNotifySuccessful = 1;
constexpr int kMciNotifySuperseded = 2;
constexpr int kMciNotifyAborted = 4;
constexpr int kMciNotifyFailure = 8;

// The completion notice a notify window receives, as a posted event on the user-interface thread
// (the stand-in for MM_MCINOTIFY). Windows handle it in QObject::event by its type.
class MciNotifyEvent : public QEvent {
public:
    MciNotifyEvent(int code, QString device);

    static QEvent::Type EventType();
    int code() const { return code_; }
    // The alias of the device that finished.
    const QString& device() const { return device_; }

private:
    int code_;
    QString device_;
};

// Posts a notice to the window with this number. Safe from any thread; a notice for a window that
// no longer exists when the notice is delivered is dropped. Needs a QCoreApplication.
void PostMciNotify(WindowHandle window, int code, const QString& device);
