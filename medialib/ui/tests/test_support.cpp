#include "medialib/ui/tests/test_support.h"

#include <QColor>
#include <QPainter>

#include <cstdlib>
#include <map>

namespace {

QApplication* g_app = nullptr;

class AppEnvironment : public ::testing::Environment {
public:
    void TearDown() override {
        delete g_app;
        g_app = nullptr;
    }
};

const auto* const g_environment = ::testing::AddGlobalTestEnvironment(new AppEnvironment);

}  // namespace

QApplication& App() {
    static int argc = 1;
    static char name[] = "medialib_ui_tests";
    static char* argv[] = {name, nullptr};
    if (!g_app) g_app = new QApplication(argc, argv);
    return *g_app;
}

gdi::HBITMAP MakeTestPicture(int width, int height, QRgb colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(colour).lighter(170));
    for (int x = 0; x < width; ++x) image.setPixel(x, 0, colour), image.setPixel(x, height - 1, colour);
    for (int y = 0; y < height; ++y) image.setPixel(0, y, colour), image.setPixel(width - 1, y, colour);
    for (int i = 0; i < std::min(width, height); ++i) image.setPixel(i, i, colour);
    return gdi::CreateBitmapFromImage(image);
}

TestPictures::TestPictures() {
    m_previous = SetBuiltinBitmapLookup([](const std::string& name) -> gdi::HBITMAP {
        struct Picture {
            int width, height;
            QRgb colour;
        };
        static const std::map<std::string, Picture> pictures = {
            {"<OKN", {47, 14, 0x0000C0}},     {"<OKA", {47, 14, 0xC00000}},    {"<NEWN", {30, 18, 0x008000}},
            {"<NEWA", {30, 18, 0x800080}},    {"<NEWG", {30, 18, 0x808080}},   {"<MoveUp", {12, 12, 0x0000FF}},
            {"<MoveUpP", {12, 12, 0xFF0000}}, {"=sUD", {12, 12, 0x808080}},    {"<SLIDE", {20, 20, 0x008080}},
            {"<PRESENT", {20, 20, 0x804000}}, {"<TAVRIN", {140, 30, 0x400080}}, {"<MADEWITH", {50, 16, 0x006040}},
            {"<TILE", {6, 6, 0xA00000}},      {"=C", {13, 13, 0x000000}},      {"=T", {13, 13, 0x00A000}},
            {"=L", {13, 13, 0x909090}},
        };
        const auto it = pictures.find(name);
        if (it == pictures.end()) return nullptr;
        return MakeTestPicture(it->second.width, it->second.height, it->second.colour);
    });
}

TestPictures::~TestPictures() { SetBuiltinBitmapLookup(m_previous); }

void ExpectImage(const QImage& actual, const std::string& name) {
    const QString path = QString(TAVRIN_SOURCE_DIR) + "/medialib/ui/tests/expected/" + QString::fromStdString(name) + ".png";
    const char* update = std::getenv("TAVRIN_UPDATE_EXPECTED");
    if (update && std::string(update) == "1") {
        ASSERT_TRUE(actual.save(path)) << path.toStdString();
        return;
    }
    const QImage expected(path);
    ASSERT_FALSE(expected.isNull()) << "missing " << path.toStdString();
    const QImage a = actual.convertToFormat(QImage::Format_ARGB32), e = expected.convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(a.size(), e.size()) << name;
    int differing = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) differing += a.pixel(x, y) != e.pixel(x, y);
    EXPECT_EQ(differing, 0) << name << ": pixels differ from " << path.toStdString();
}
