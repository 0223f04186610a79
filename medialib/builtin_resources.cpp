#include "medialib/builtin_resources.h"

#include "medialib/dib_convert.h"
#include "medialib/dib_file.h"

#include <QFile>
#include <QString>

#include <span>

namespace {

const std::string kDefaultRoot = ":/tavrin";

std::string& Root() {
    static std::string root = kDefaultRoot;
    return root;
}

bool IsPlain(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' || c == '_' || c == '-';
}

std::string_view Extension(ResourceKind kind) {
    switch (kind) {
        case ResourceKind::Bitmap: return ".bmp";
        case ResourceKind::Pcx: return ".pcx";
        case ResourceKind::Cursor:
        case ResourceKind::Icon: return ".png";
    }
    return "";
}

}  // namespace

std::string_view ResourceFolder(ResourceKind kind) {
    switch (kind) {
        case ResourceKind::Bitmap: return "bitmap";
        case ResourceKind::Pcx: return "pcx";
        case ResourceKind::Cursor: return "cursor";
        case ResourceKind::Icon: return "icon";
    }
    return "";
}

std::string ResourceFileName(ResourceKind kind, std::string_view name) {
    const QByteArray upper =
        QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())).toUpper().toUtf8();
    static const char kHex[] = "0123456789ABCDEF";
    std::string file;
    for (char ch : upper) {
        const auto c = static_cast<unsigned char>(ch);
        if (IsPlain(c)) {
            file += static_cast<char>(c);
        } else {
            file += '%';
            file += kHex[c >> 4];
            file += kHex[c & 15];
        }
    }
    file += Extension(kind);
    return file;
}

std::string SetResourceRoot(std::string root) {
    std::string previous = Root();
    Root() = root.empty() ? kDefaultRoot : std::move(root);
    return previous;
}

const std::string& ResourceRoot() { return Root(); }

std::optional<std::vector<std::uint8_t>> FindResource(ResourceKind kind, std::string_view name) {
    if (name.empty()) return std::nullopt;
    const std::string path = Root() + "/" + std::string(ResourceFolder(kind)) + "/" + ResourceFileName(kind, name);
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    if (file.size() < 0 || static_cast<std::uint64_t>(file.size()) > kMaxResourceBytes) return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (bytes.size() != file.size()) return std::nullopt;
    return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}

gdi::HBITMAP LoadBitmapResource(std::string_view name) {
    const auto bytes = FindResource(ResourceKind::Bitmap, name);
    if (!bytes) return nullptr;
    const auto dib = ReadDibFromBytes(std::span<const std::uint8_t>(*bytes));
    if (!dib) return nullptr;
    // The display's own format: the colour table only serves the conversion.
    return DibToBitmap(*dib, nullptr);
}

std::optional<CursorResource> LoadCursorResource(std::string_view name) {
    const auto bytes = FindResource(ResourceKind::Cursor, name);
    if (!bytes) return std::nullopt;
    QImage image;
    if (!image.loadFromData(bytes->data(), static_cast<int>(bytes->size()), "PNG")) return std::nullopt;
    CursorResource cursor;
    cursor.hotspot = {image.text("HotX").toInt(), image.text("HotY").toInt()};
    cursor.image = image.convertToFormat(QImage::Format_ARGB32);
    return cursor;
}

QImage LoadIconResource(std::string_view name) {
    const auto bytes = FindResource(ResourceKind::Icon, name);
    if (!bytes) return {};
    QImage image;
    if (!image.loadFromData(bytes->data(), static_cast<int>(bytes->size()), "PNG")) return {};
    return image;
}
