#pragma once

#include <QWidget>
#include <memory>

#include "platform/mci/video_frame_store.h"

// The window a video plays in: a child of the parent window named at open, or a top-level window.
// It shows the store's latest frame scaled to its own size, the way the media interface's video
// window stretches its picture to the place and size set on it.
class MciVideoWidget : public QWidget {
    Q_OBJECT
public:
    MciVideoWidget(std::shared_ptr<const VideoFrameStore> frames, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::shared_ptr<const VideoFrameStore> frames_;
};
