#include "platform/gdi/text.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QStringDecoder>

#include <algorithm>
#include <vector>

namespace gdi {

namespace {

constexpr int kDefaultCellHeight = 16;

struct Line {
    QString text;
    int underline = -1;  // index of the character marked with "&", or -1
};

struct Layout {
    std::vector<Line> lines;
    int lineHeight = 0;
    int tabWidth = 0;
    bool expandTabs = false;
};

std::uint32_t TextPixel(const DC& dc, const Bitmap& target, COLORREF colour) {
    COLORREF c = dc.Resolve(colour);
    return ToPixel(target.IsMonochrome() ? NearestMonochrome(c) : c);
}

int Advance(const QFontMetrics& fm, const Layout& layout, const QString& text, int upTo) {
    int x = 0;
    qsizetype start = 0;
    const qsizetype end = std::min<qsizetype>(upTo, text.size());
    while (start < end) {
        qsizetype tab = layout.expandTabs ? text.indexOf(QChar('\t'), start) : -1;
        if (tab < 0 || tab >= end) {
            x += fm.horizontalAdvance(text.mid(start, end - start));
            break;
        }
        x += fm.horizontalAdvance(text.mid(start, tab - start));
        x = (x / layout.tabWidth + 1) * layout.tabWidth;
        start = tab + 1;
    }
    return x;
}

int LineWidth(const QFontMetrics& fm, const Layout& layout, const QString& text) {
    return Advance(fm, layout, text, static_cast<int>(text.size()));
}

// Removes "&" markers; returns the index of the underlined character or -1.
int StripPrefixes(QString& text) {
    QString out;
    out.reserve(text.size());
    int underline = -1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QChar('&') && i + 1 < text.size()) {
            ++i;
            if (text[i] != QChar('&')) underline = static_cast<int>(out.size());
        } else if (text[i] == QChar('&')) {
            continue;  // a lone "&" at the end marks nothing
        }
        out.append(text[i]);
    }
    text = out;
    return underline;
}

std::vector<QString> SplitParagraphs(const QString& text) {
    std::vector<QString> paragraphs;
    QString current;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QChar('\r') || c == QChar('\n')) {
            paragraphs.push_back(current);
            current.clear();
            if (c == QChar('\r') && i + 1 < text.size() && text[i + 1] == QChar('\n')) ++i;
        } else {
            current.append(c);
        }
    }
    paragraphs.push_back(current);
    return paragraphs;
}

QString TrimRight(QString text) {
    while (!text.isEmpty() && text.back() == QChar(' ')) text.chop(1);
    return text;
}

// Greedy breaking between words: a word and the spaces after it form one piece; a line takes
// pieces while its text without trailing spaces fits.
void WrapParagraph(const QFontMetrics& fm, Layout& layout, const QString& paragraph, int offset, int underline,
                   int width) {
    std::vector<std::pair<qsizetype, qsizetype>> pieces;  // start, length
    qsizetype i = 0;
    while (i < paragraph.size()) {
        const qsizetype start = i;
        while (i < paragraph.size() && paragraph[i] != QChar(' ')) ++i;
        while (i < paragraph.size() && paragraph[i] == QChar(' ')) ++i;
        pieces.emplace_back(start, i - start);
    }
    if (pieces.empty()) {
        layout.lines.push_back(Line{QString(), -1});
        return;
    }
    size_t p = 0;
    while (p < pieces.size()) {
        const qsizetype start = pieces[p].first;
        qsizetype end = start + pieces[p].second;
        ++p;
        while (p < pieces.size()) {
            const qsizetype candidateEnd = pieces[p].first + pieces[p].second;
            const QString candidate = paragraph.mid(start, candidateEnd - start);
            if (LineWidth(fm, layout, TrimRight(candidate)) > width) break;
            end = candidateEnd;
            ++p;
        }
        QString text = paragraph.mid(start, end - start);
        if (p < pieces.size()) text = TrimRight(text);  // the break consumes the spaces
        Line line{text, -1};
        const int local = underline - offset - static_cast<int>(start);
        if (underline >= 0 && local >= 0 && local < text.size()) line.underline = local;
        layout.lines.push_back(line);
    }
}

Layout MakeLayout(const QFontMetrics& fm, const QString& input, const RECT& rect, unsigned format) {
    Layout layout;
    layout.lineHeight = fm.height() + ((format & DT_EXTERNALLEADING) ? fm.leading() : 0);
    layout.expandTabs = (format & DT_EXPANDTABS) != 0;
    int tabChars = (format & DT_TABSTOP) ? static_cast<int>((format >> 8) & 0xFF) : 8;
    if (tabChars <= 0) tabChars = 8;
    layout.tabWidth = std::max(1, tabChars * std::max(1, fm.averageCharWidth()));

    QString text = input;
    int underline = -1;
    if (!(format & DT_NOPREFIX)) underline = StripPrefixes(text);

    if (format & DT_SINGLELINE) {
        QString flat;
        int flatUnderline = -1;
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text[i] == QChar('\r') || text[i] == QChar('\n')) continue;
            if (i == underline) flatUnderline = static_cast<int>(flat.size());
            flat.append(text[i]);
        }
        layout.lines.push_back(Line{flat, flatUnderline});
        return layout;
    }
    int offset = 0;
    const QString separators = text;
    qsizetype scan = 0;
    for (const QString& paragraph : SplitParagraphs(text)) {
        offset = static_cast<int>(scan);
        if (format & DT_WORDBREAK) {
            WrapParagraph(fm, layout, paragraph, offset, underline, rect.right - rect.left);
        } else {
            const int local = underline - offset;
            layout.lines.push_back(Line{paragraph, (underline >= 0 && local >= 0 && local < paragraph.size()) ? local : -1});
        }
        scan += paragraph.size();
        if (scan < separators.size() && separators[scan] == QChar('\r') && scan + 1 < separators.size() &&
            separators[scan + 1] == QChar('\n'))
            scan += 2;
        else
            scan += 1;
    }
    return layout;
}

void DrawLine(QPainter& painter, const QFontMetrics& fm, const Layout& layout, const Line& line, int x, int y) {
    const int baseline = y + fm.ascent();
    qsizetype start = 0;
    int pen = 0;
    const QString& text = line.text;
    while (start <= text.size()) {
        qsizetype tab = layout.expandTabs ? text.indexOf(QChar('\t'), start) : -1;
        const QString segment = text.mid(start, (tab < 0 ? text.size() : tab) - start);
        if (!segment.isEmpty()) painter.drawText(QPoint(x + pen, baseline), segment);
        pen += fm.horizontalAdvance(segment);
        if (tab < 0) break;
        pen = (pen / layout.tabWidth + 1) * layout.tabWidth;
        start = tab + 1;
    }
    if (line.underline >= 0) {
        const int ux = x + Advance(fm, layout, text, line.underline);
        const int uw = fm.horizontalAdvance(text[line.underline]);
        const int uy = baseline + std::max(1, fm.underlinePos());
        painter.fillRect(QRect(ux, uy, std::max(1, uw), std::max(1, fm.lineWidth())), painter.pen().color());
    }
}

}  // namespace

bool TextAvailable() { return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr; }

QFont FontFromLogFont(const LOGFONT& logFont) {
    QFont font(QString::fromUtf8(logFont.lfFaceName.substr(0, 31)));
    font.setStyleStrategy(QFont::NoAntialias);
    font.setWeight(logFont.lfWeight <= 0 ? QFont::Normal
                                         : static_cast<QFont::Weight>(std::clamp(logFont.lfWeight, 1, 1000)));
    font.setItalic(logFont.lfItalic != 0);
    font.setUnderline(logFont.lfUnderline != 0);
    font.setStrikeOut(logFont.lfStrikeOut != 0);
    const int height = logFont.lfHeight == 0 ? kDefaultCellHeight : logFont.lfHeight;
    if (height < 0) {
        font.setPixelSize(std::clamp(-height, 1, 4096));
        return font;
    }
    // A cell height: find the largest pixel size whose ascent + descent does not exceed it.
    const int cell = std::clamp(height, 1, 4096);
    font.setPixelSize(100);
    const int reference = std::max(1, QFontMetrics(font).height());
    int size = std::max(1, (cell * 100 + reference / 2) / reference);
    font.setPixelSize(size);
    while (size > 1 && QFontMetrics(font).height() > cell) font.setPixelSize(--size);
    while (true) {
        QFont larger = font;
        larger.setPixelSize(size + 1);
        if (QFontMetrics(larger).height() > cell) break;
        font = larger;
        ++size;
    }
    return font;
}

QString DecodeText(std::string_view text) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString decoded = decoder.decode(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
    if (decoder.hasError()) return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
    return decoded;
}

int DrawText(DC& dc, std::string_view text, RECT& rect, unsigned format) {
    return DrawText(dc, DecodeText(text), rect, format);
}

int DrawText(DC& dc, const QString& text, RECT& rect, unsigned format) {
    if (!TextAvailable()) return 0;
    const QFont font = FontFromLogFont(dc.GetFont());
    const QFontMetrics fm(font);
    if (text.isEmpty()) {
        if (format & DT_CALCRECT) {
            rect.right = rect.left;
            rect.bottom = rect.top;
        }
        return 0;
    }
    const Layout layout = MakeLayout(fm, text, rect, format);
    const int total = layout.lineHeight * static_cast<int>(layout.lines.size());
    if (format & DT_CALCRECT) {
        int widest = 0;
        for (const Line& line : layout.lines) widest = std::max(widest, LineWidth(fm, layout, line.text));
        rect.right = rect.left + widest;
        rect.bottom = rect.top + total;
        return total;
    }
    HBITMAP target = dc.Target();
    if (!target) return 0;

    int y = rect.top;
    const bool single = (format & DT_SINGLELINE) != 0;
    if (single && (format & DT_VCENTER)) y = rect.top + (rect.bottom - rect.top - layout.lineHeight) / 2;
    else if (single && (format & DT_BOTTOM)) y = rect.bottom - layout.lineHeight;
    const int firstY = y;

    QRect changed;
    {
        QPainter painter(&target->Image());
        painter.setFont(font);
        painter.setPen(QColor::fromRgb(TextPixel(dc, *target, dc.GetTextColor())));
        const QRect clip(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
        if (!(format & DT_NOCLIP)) painter.setClipRect(clip);
        const QColor background = QColor::fromRgb(TextPixel(dc, *target, dc.GetBkColor()));
        for (const Line& line : layout.lines) {
            const int width = LineWidth(fm, layout, line.text);
            int x = rect.left;
            if (format & DT_CENTER) x = rect.left + (rect.right - rect.left - width) / 2;
            else if (format & DT_RIGHT) x = rect.right - width;
            const QRect extent(x, y, width, layout.lineHeight);
            if (dc.GetBkMode() == OPAQUE) painter.fillRect(extent, background);
            DrawLine(painter, fm, layout, line, x, y);
            changed |= extent.adjusted(-fm.maxWidth(), 0, fm.maxWidth(), 0);
            y += layout.lineHeight;
        }
        if (!(format & DT_NOCLIP)) changed &= clip;
    }
    if (!changed.isEmpty())
        dc.Changed(RECT{changed.left(), changed.top(), changed.right() + 1, changed.bottom() + 1});
    if (single && (format & (DT_VCENTER | DT_BOTTOM))) return firstY - rect.top + layout.lineHeight;
    return total;
}

bool TextOut(DC& dc, int x, int y, std::string_view text) {
    if (!TextAvailable()) return false;
    SIZE size;
    if (!GetTextExtentPoint(dc, text, size)) return false;
    RECT rect{x, y, x + size.cx, y + size.cy};
    DrawText(dc, DecodeText(text), rect, DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
    return true;
}

bool GetTextExtentPoint(DC& dc, std::string_view text, SIZE& size) {
    if (!TextAvailable()) return false;
    const QFontMetrics fm(FontFromLogFont(dc.GetFont()));
    size.cx = fm.horizontalAdvance(DecodeText(text));
    size.cy = fm.height();
    return true;
}

bool GetTextMetrics(DC& dc, TEXTMETRIC& metrics) {
    if (!TextAvailable()) return false;
    const QFontMetrics fm(FontFromLogFont(dc.GetFont()));
    metrics.tmAscent = fm.ascent();
    metrics.tmDescent = fm.descent();
    metrics.tmHeight = fm.height();
    metrics.tmExternalLeading = fm.leading();
    metrics.tmInternalLeading = std::max(0, fm.height() - QFontInfo(FontFromLogFont(dc.GetFont())).pixelSize());
    metrics.tmAveCharWidth = fm.averageCharWidth();
    metrics.tmMaxCharWidth = fm.maxWidth();
    return true;
}

}  // namespace gdi
