#include "platform/mci/mci_video_widget.h"

#include <QPainter>

MciVideoWidget::MciVideoWidget(std::shared_ptr<const VideoFrameStore> frames, QWidget* parent)
    : QWidget(parent), frames_(std::move(frames)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void MciVideoWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QImage frame = frames_->Latest();
    if (frame.isNull()) {
        painter.fillRect(rect(), Qt::black);
        return;
    }
    painter.drawImage(rect(), frame);
}
