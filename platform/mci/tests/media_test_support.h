#pragma once

// Helpers for tests that run the real media layer: one application per test process, waiting
// with events processed, and a window that records the completion notices it receives.

#include <QApplication>
#include <QThread>
#include <chrono>
#include <functional>
#include <vector>

#include "platform/mci/mci_notify.h"

namespace media_test {

inline QApplication& Application() {
    static int argc = 1;
    static char name[] = "media_tests";
    static char* argv[] = {name, nullptr};
    // Kept for the whole process: the media layer's windows must not outlive it.
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

// Processes events until done() holds or timeout passes; returns done().
inline bool WaitUntil(const std::function<bool()>& done,
                      std::chrono::milliseconds timeout = std::chrono::seconds(15)) {
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (!done()) {
        if (std::chrono::steady_clock::now() > end) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(5);
    }
    return true;
}

// A notify window: records the codes of the notices it receives.
class NotifyRecorder : public QObject {
public:
    std::vector<int> codes;
    std::vector<QString> devices;
    WindowHandle Handle() { return RegisterWindow(this); }

protected:
    bool event(QEvent* e) override {
        if (e->type() == MciNotifyEvent::EventType()) {
            auto* notice = static_cast<MciNotifyEvent*>(e);
            codes.push_back(notice->code());
            devices.push_back(notice->device());
            return true;
        }
        return QObject::event(e);
    }
};

}  // namespace media_test
