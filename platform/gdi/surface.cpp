#include "platform/gdi/surface.h"

#include "platform/gdi/surface_state.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include <algorithm>
#include <mutex>
#include <vector>

namespace gdi {

namespace {

struct ScreenConfig {
    std::mutex mutex;
    SIZE size{0, 0};
    int paletteSize = 0;
    std::vector<std::weak_ptr<SurfaceState>> surfaces;  // lowest first
};

ScreenConfig& Screen() {
    static ScreenConfig config;
    return config;
}

void RemoveSurface(ScreenConfig& screen, const SurfaceState* state) {
    auto& list = screen.surfaces;
    list.erase(std::remove_if(list.begin(), list.end(),
                              [state](const std::weak_ptr<SurfaceState>& w) {
                                  auto s = w.lock();
                                  return !s || s.get() == state;
                              }),
               list.end());
}

}  // namespace

Surface::Surface(int width, int height) : state_(std::make_shared<SurfaceState>()) {
    state_->buffer = CreateBitmap(std::max(width, 1), std::max(height, 1), 32);
    auto& screen = Screen();
    std::lock_guard lock(screen.mutex);
    screen.surfaces.push_back(state_);
}

Surface::~Surface() {
    auto& screen = Screen();
    std::lock_guard lock(screen.mutex);
    RemoveSurface(screen, state_.get());
}

HBITMAP Surface::FrontBuffer() const { return state_->buffer; }
int Surface::Width() const { return state_->buffer ? state_->buffer->Width() : 0; }
int Surface::Height() const { return state_->buffer ? state_->buffer->Height() : 0; }
RECT Surface::ClientRect() const { return RECT{0, 0, Width(), Height()}; }

bool Surface::Resize(int width, int height) {
    HBITMAP next = CreateBitmap(width, height, 32);
    if (!next) return false;
    if (state_->buffer) {
        QPainter painter(&next->Image());
        painter.drawImage(0, 0, state_->buffer->Image());
    }
    state_->buffer = std::move(next);
    return true;
}

void Surface::SetScreenOrigin(POINT origin) { state_->origin = origin; }
POINT Surface::ScreenOrigin() const { return state_->origin; }
POINT Surface::ClientToScreen(POINT client) const {
    return POINT{client.x + state_->origin.x, client.y + state_->origin.y};
}

void Surface::SetVisible(bool visible) { state_->visible = visible; }
bool Surface::IsVisible() const { return state_->visible; }

void Surface::Raise() {
    auto& screen = Screen();
    std::lock_guard lock(screen.mutex);
    RemoveSurface(screen, state_.get());
    screen.surfaces.push_back(state_);
}

void Surface::SetRepaintHandler(std::function<void(const RECT&)> handler) { state_->repaint = std::move(handler); }

void SetScreenSize(int width, int height) {
    auto& screen = Screen();
    std::lock_guard lock(screen.mutex);
    screen.size = (width > 0 && height > 0) ? SIZE{width, height} : SIZE{0, 0};
}

SIZE GetScreenSize() {
    {
        auto& screen = Screen();
        std::lock_guard lock(screen.mutex);
        if (screen.size.cx > 0) return screen.size;
    }
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        if (QScreen* primary = QGuiApplication::primaryScreen()) {
            const QSize size = primary->size();
            if (size.width() > 0 && size.height() > 0) return SIZE{size.width(), size.height()};
        }
    }
    return SIZE{1024, 768};
}

void SetScreenPaletteSize(int entries) {
    auto& screen = Screen();
    std::lock_guard lock(screen.mutex);
    screen.paletteSize = std::clamp(entries, 0, 65535);
}

int GetScreenPaletteSize() {
    auto& screen = Screen();
    std::lock_guard lock(screen.mutex);
    return screen.paletteSize;
}

HBITMAP ComposeScreen() {
    const SIZE size = GetScreenSize();
    HBITMAP composite = CreateBitmap(size.cx, size.cy, 32);
    if (!composite) return nullptr;
    std::vector<std::shared_ptr<SurfaceState>> surfaces;
    {
        auto& screen = Screen();
        std::lock_guard lock(screen.mutex);
        for (const auto& weak : screen.surfaces)
            if (auto s = weak.lock()) surfaces.push_back(std::move(s));
    }
    QPainter painter(&composite->Image());
    for (const auto& s : surfaces)
        if (s->visible && s->buffer) painter.drawImage(s->origin.x, s->origin.y, s->buffer->Image());
    return composite;
}

}  // namespace gdi
