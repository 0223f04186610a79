#pragma once

// The device context that Draw and DrawTracker paint on. The drawing layer's device context is a
// QPainter over the view's off-screen image; the objects only pass it on to the drawing code.
class QPainter;
using DeviceContext = QPainter;
