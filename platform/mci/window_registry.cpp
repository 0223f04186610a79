#include "platform/mci/window_registry.h"

#include <QHash>
#include <QPointer>
#include <QWidget>

namespace {

struct Registry {
    QHash<WindowHandle, QPointer<QObject>> windows;
    QHash<const QObject*, WindowHandle> handles;
    WindowHandle next = 1;
};

Registry& TheRegistry() {
    static Registry registry;
    return registry;
}

}  // namespace

WindowHandle RegisterWindow(QObject* window) {
    if (window == nullptr) return 0;
    Registry& registry = TheRegistry();
    if (auto found = registry.handles.constFind(window); found != registry.handles.constEnd()) {
        return *found;
    }
    const WindowHandle handle = registry.next++;
    registry.windows.insert(handle, window);
    registry.handles.insert(window, handle);
    QObject::connect(window, &QObject::destroyed, [handle](QObject* gone) {
        Registry& r = TheRegistry();
        r.windows.remove(handle);
        r.handles.remove(gone);
    });
    return handle;
}

QObject* WindowFromHandle(WindowHandle handle) {
    if (handle == 0) return nullptr;
    Registry& registry = TheRegistry();
    auto found = registry.windows.constFind(handle);
    return found == registry.windows.constEnd() ? nullptr : found->data();
}

QWidget* WidgetFromHandle(WindowHandle handle) {
    return qobject_cast<QWidget*>(WindowFromHandle(handle));
}
