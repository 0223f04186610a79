#pragma once

#include <QObject>

class QWidget;

// Windows of the suite are known to the media layer (and to media command strings) by number:
// "open ... parent 3 style child", "status Media0 window handle" answering "7". A window gets its
// number when it is first registered and loses it when it is destroyed; numbers are never reused
// during a run. Zero is no window. Use from the user-interface thread only.
using WindowHandle = int;

// The number of window, registering it on first use. Null gets 0.
WindowHandle RegisterWindow(QObject* window);

// The window with this number, or null when there is none (never registered, or destroyed).
QObject* WindowFromHandle(WindowHandle handle);
QWidget* WidgetFromHandle(WindowHandle handle);
