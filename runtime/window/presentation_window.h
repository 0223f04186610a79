#pragma once

#include <QWidget>

#include "runtime/base_frame_placement.h"

// The runtime's main window: a frameless top-level window that the base frame sizes while the
// document loads, holding the view of the presentation. Files dropped on it start a new runtime.
// The view is a plain child widget here; the presentation's own view takes its place.
class PresentationWindow : public QWidget, public WindowPlacer {
    Q_OBJECT
public:
    PresentationWindow();

    VSize ScreenSize() const override;
    VSize DesktopSize() const override;
    void Place(const BaseFramePlacement& placement) override;

    QWidget* View() const { return view_; }
    bool Blackout() const { return blackout_; }

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    QWidget* view_;
    bool blackout_ = false;
};
