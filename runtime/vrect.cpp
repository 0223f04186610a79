#include "runtime/vrect.h"

void CVRect::Draw(DeviceContext&) {}
bool CVRect::MouseMove(VPoint) { return false; }
void CVRect::SetSource(const std::string&) {}
bool CVRect::MouseDown(VPoint) { return false; }
void CVRect::SelectForLayout() {}
bool CVRect::ToggleSelect(VPoint) { return false; }
void CVRect::DrawTracker(DeviceContext&) {}
void CVRect::Show() {}
bool CVRect::Stop() { return true; }
bool CVRect::FinishWait() { return false; }
std::optional<VRect> CVRect::Hide() { return std::nullopt; }
void CVRect::Preload() {}

void CVRect::SetSize(int32_t width, int32_t height) {
    rect_.right = rect_.left + width;
    rect_.bottom = rect_.top + height;
}

void CVRect::MoveTo(int32_t x, int32_t y) {
    if (rect_.right == -1) {
        rect_.left = x;
        rect_.top = y;
        return;
    }
    const int32_t width = rect_.Width();
    const int32_t height = rect_.Height();
    rect_ = {x, y, x + width, y + height};
}
