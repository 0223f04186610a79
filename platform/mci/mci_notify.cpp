#include "platform/mci/mci_notify.h"

#include <QCoreApplication>

MciNotifyEvent::MciNotifyEvent(int code, QString device)
    : QEvent(EventType()), code_(code), device_(std::move(device)) {}

QEvent::Type MciNotifyEvent::EventType() {
    static const QEvent::Type type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

void PostMciNotify(WindowHandle window, int code, const QString& device) {
    QCoreApplication* app = QCoreApplication::instance();
    if (app == nullptr || window == 0) return;
    // The window registry belongs to the user-interface thread, so the look-up happens there.
    QMetaObject::invokeMethod(
        app,
        [window, code, device] {
            if (QObject* receiver = WindowFromHandle(window)) {
                QCoreApplication::postEvent(receiver, new MciNotifyEvent(code, device));
            }
        },
        Qt::QueuedConnection);
}
