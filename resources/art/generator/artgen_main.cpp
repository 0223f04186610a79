// Draws the built-in artwork and writes it as resource files plus the .qrc that lists them:
//   tavrin_artgen OUTPUT_DIR [--sheet SHEET.png]
// The sheet shows every piece with its name, for checking the family by eye.

#include "resources/art/generator/catalogue.h"
#include "resources/art/generator/style.h"

#include "medialib/builtin_resources.h"
#include "medialib/dib_convert.h"
#include "medialib/dib_file.h"

#include <QDir>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cstdio>
#include <string>

namespace {

QImage WithTransparency(const art::Artwork& artwork) {
    QImage image = artwork.bitmap->Image().convertToFormat(QImage::Format_ARGB32);
    const QRgb key = gdi::ToPixel(artwork.transparent);
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if ((row[x] | 0xFF000000u) == key) row[x] = 0;
        }
    }
    return image;
}

bool WritePiece(const art::Artwork& artwork, const std::string& path) {
    if (artwork.kind == ResourceKind::Bitmap) {
        const auto dib = BitmapToDib(artwork.bitmap, nullptr);
        return dib && WriteDibFile(path, *dib);
    }
    QImage image = WithTransparency(artwork);
    if (artwork.kind == ResourceKind::Cursor) {
        image.setText("HotX", QString::number(artwork.hotspot.x));
        image.setText("HotY", QString::number(artwork.hotspot.y));
    }
    return image.save(QString::fromStdString(path), "PNG");
}

QString XmlEscape(const std::string& text) { return QString::fromStdString(text).toHtmlEscaped(); }

bool WriteSheet(const art::Catalogue& catalogue, const QString& path) {
    constexpr int kCell = 92;
    constexpr int kColumns = 12;
    const int rows = (static_cast<int>(catalogue.size()) + kColumns - 1) / kColumns;
    QImage sheet(kColumns * kCell, rows * (kCell + 16), QImage::Format_RGB32);
    sheet.fill(QColor(200, 204, 212));
    QPainter painter(&sheet);
    QFont font("Arial");
    font.setPixelSize(10);
    painter.setFont(font);
    for (std::size_t i = 0; i < catalogue.size(); ++i) {
        const art::Artwork& artwork = catalogue[i];
        const int x = static_cast<int>(i % kColumns) * kCell;
        const int y = static_cast<int>(i / kColumns) * (kCell + 16);
        QImage image = artwork.kind == ResourceKind::Bitmap ? artwork.bitmap->Image() : WithTransparency(artwork);
        // Small glyphs are shown three times their size so that their pixels can be judged.
        if (std::max(image.width(), image.height()) * 3 <= kCell - 4) {
            image = image.scaled(image.width() * 3, image.height() * 3, Qt::KeepAspectRatio, Qt::FastTransformation);
        } else if (image.width() > kCell - 4 || image.height() > kCell - 4) {
            image = image.scaled(kCell - 4, kCell - 4, Qt::KeepAspectRatio, Qt::FastTransformation);
        }
        painter.drawImage(x + (kCell - image.width()) / 2, y + (kCell - image.height()) / 2, image);
        painter.setPen(Qt::black);
        painter.drawText(QRect(x, y + kCell, kCell, 16), Qt::AlignCenter, QString::fromStdString(artwork.names[0]));
    }
    painter.end();
    return sheet.save(path, "PNG");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2 && argc != 4) {
        std::fprintf(stderr, "usage: tavrin_artgen OUTPUT_DIR [--sheet SHEET.png]\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString out = QString::fromLocal8Bit(argv[1]);
    const art::Catalogue catalogue = art::MakeCatalogue();

    QString qrc = "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/tavrin\">\n";
    for (const art::Artwork& artwork : catalogue) {
        const QString folder = QString::fromStdString(std::string(ResourceFolder(artwork.kind)));
        if (!QDir().mkpath(out + "/" + folder)) {
            std::fprintf(stderr, "tavrin_artgen: cannot create %s\n", qPrintable(out + "/" + folder));
            return 1;
        }
        for (const std::string& name : artwork.names) {
            const std::string relative = folder.toStdString() + "/" + ResourceFileName(artwork.kind, name);
            if (!WritePiece(artwork, out.toStdString() + "/" + relative)) {
                std::fprintf(stderr, "tavrin_artgen: cannot write %s\n", relative.c_str());
                return 1;
            }
            qrc += "  <file>" + XmlEscape(relative) + "</file>\n";
        }
    }
    qrc += "</qresource>\n</RCC>\n";
    // Only a changed list is rewritten, so that the resource compiler runs only when needed.
    QFile qrcFile(out + "/builtin_art.qrc");
    QByteArray previous;
    if (qrcFile.open(QIODevice::ReadOnly)) previous = qrcFile.readAll();
    qrcFile.close();
    if (previous != qrc.toUtf8()) {
        if (!qrcFile.open(QIODevice::WriteOnly | QIODevice::Truncate) || qrcFile.write(qrc.toUtf8()) < 0) {
            std::fprintf(stderr, "tavrin_artgen: cannot write the resource list\n");
            return 1;
        }
    }
    if (argc == 4 && std::string(argv[2]) == "--sheet" && !WriteSheet(catalogue, QString::fromLocal8Bit(argv[3]))) {
        std::fprintf(stderr, "tavrin_artgen: cannot write the sheet\n");
        return 1;
    }
    return 0;
}
