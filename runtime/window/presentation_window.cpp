#include "runtime/window/presentation_window.h"

#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QMimeData>
#include <QProcess>
#include <QScreen>
#include <QUrl>

namespace {

VSize ScreenExtent() {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return {};
    return {screen->geometry().width(), screen->geometry().height()};
}

void Fill(QWidget* widget, Qt::GlobalColor colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

}  // namespace

PresentationWindow::PresentationWindow() : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint) {
    setWindowTitle("Vistrel");
    // Created tiny at the origin; the base frame gives it its place while the script loads.
    setGeometry(0, 0, 1, 1);
    view_ = new QWidget(this);
    view_->setGeometry(0, 0, 1, 1);
    Fill(view_, Qt::white);
    setAcceptDrops(true);
}

VSize PresentationWindow::ScreenSize() const { return ScreenExtent(); }

VSize PresentationWindow::DesktopSize() const { return ScreenExtent(); }

void PresentationWindow::Place(const BaseFramePlacement& placement) {
    const VRect& w = placement.window;
    const VRect& v = placement.view;
    setGeometry(w.left, w.top, w.Width(), w.Height());
    view_->setGeometry(v.left, v.top, v.Width(), v.Height());
    blackout_ = placement.blackout;
    if (blackout_) Fill(this, Qt::black);
}

void PresentationWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void PresentationWindow::dropEvent(QDropEvent* event) {
    // The running document cannot be loaded a second time, so each dropped file gets a runtime
    // of its own.
    for (const QUrl& url : event->mimeData()->urls()) {
        if (!url.isLocalFile()) continue;
        QProcess::startDetached(QCoreApplication::applicationFilePath(), {url.toLocalFile()});
    }
    event->acceptProposedAction();
}
