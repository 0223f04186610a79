#include "medialib/ui/dialog_units.h"

#include "platform/gdi/device_context.h"
#include "platform/gdi/text.h"

#include <map>
#include <tuple>

namespace {

int MulDiv(int value, int numerator, int denominator) {
    const long long product = static_cast<long long>(value) * numerator;
    // Rounded half away from zero, as the dialog manager's arithmetic does.
    const long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator : (product - half) / denominator);
}

gdi::SIZE Measure(const gdi::LOGFONT& font) {
    if (!gdi::TextAvailable()) return {6, 13};
    gdi::DCPtr dc = gdi::CreateCompatibleDC(nullptr);
    dc->SelectFont(font);
    gdi::SIZE letters;
    gdi::TEXTMETRIC metrics;
    if (!gdi::GetTextExtentPoint(*dc, "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz", letters) ||
        !gdi::GetTextMetrics(*dc, metrics))
        return {6, 13};
    return {(letters.cx / 26 + 1) / 2, metrics.tmHeight};
}

}  // namespace

gdi::LOGFONT DialogFont() {
    gdi::LOGFONT font;
    font.lfHeight = -11;
    font.lfFaceName = "MS Sans Serif";
    return font;
}

gdi::SIZE DialogBaseUnits(const gdi::LOGFONT& font) {
    // Measuring needs a text layout; dialogs ask for the same few fonts again and again.
    static std::map<std::tuple<int, int, int, std::string>, gdi::SIZE> cache;
    const auto key = std::make_tuple(font.lfHeight, font.lfWeight, int{font.lfItalic}, font.lfFaceName);
    if (const auto it = cache.find(key); it != cache.end()) return it->second;
    const gdi::SIZE units = Measure(font);
    if (gdi::TextAvailable()) cache.emplace(key, units);
    return units;
}

gdi::RECT MapDialogRect(const gdi::RECT& units, const gdi::LOGFONT& font) {
    const gdi::SIZE base = DialogBaseUnits(font);
    return {MulDiv(units.left, base.cx, 4), MulDiv(units.top, base.cy, 8), MulDiv(units.right, base.cx, 4),
            MulDiv(units.bottom, base.cy, 8)};
}

gdi::RECT DialogUnitsToPixels(int x, int y, int width, int height, const gdi::LOGFONT& font) {
    return MapDialogRect({x, y, x + width, y + height}, font);
}
