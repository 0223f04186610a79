#pragma once

#include <QIcon>
#include <QPixmap>

// The tool's icon: a dashed measuring frame with corner marks.
// FIXME: a plain picture drawn here until the suite's bitmap resources provide the real artwork.
QPixmap RectangleIconPixmap(int size);
QIcon RectangleIcon();
