#include "tools/rectangle/rectangle_icon.h"

#include <QPainter>
#include <QPen>

QPixmap RectangleIconPixmap(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing, false);
    const int margin = qMax(1, size / 8);
    const QRect frame(margin, margin, size - 2 * margin - 1, size - 2 * margin - 1);
    painter.fillRect(frame, QColor(255, 255, 224));
    QPen dashed(QColor(0, 0, 128), qMax(1, size / 32), Qt::DashLine);
    painter.setPen(dashed);
    painter.drawRect(frame);
    // Corner marks: the points whose position and size the tool reports.
    QPen solid(QColor(192, 0, 0), qMax(2, size / 16));
    painter.setPen(solid);
    const int arm = qMax(2, size / 5);
    for (const QPoint corner :
         {frame.topLeft(), frame.topRight(), frame.bottomLeft(), frame.bottomRight()}) {
        const int dx = corner.x() == frame.left() ? arm : -arm;
        const int dy = corner.y() == frame.top() ? arm : -arm;
        painter.drawLine(corner, corner + QPoint(dx, 0));
        painter.drawLine(corner, corner + QPoint(0, dy));
    }
    return pixmap;
}

QIcon RectangleIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64}) icon.addPixmap(RectangleIconPixmap(size));
    return icon;
}
