#pragma once

// The drawing layer that stands in for the Windows drawing interface: device bitmaps over QImage,
// device contexts, raster operations, shapes and text. Pixel work needs no application object;
// text needs a QGuiApplication.

#include "platform/gdi/bitmap.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/drawing_objects.h"
#include "platform/gdi/gdi_types.h"
#include "platform/gdi/raster_ops.h"
#include "platform/gdi/shapes.h"
#include "platform/gdi/surface.h"
#include "platform/gdi/text.h"
