#include "medialib/ui/bmp_btn.h"

#include "medialib/builtin_resources.h"
#include "medialib/caption_entries.h"
#include "medialib/path_util.h"
#include "medialib/ui/button_look.h"
#include "medialib/ui/click_sound.h"
#include "medialib/ui/control_id.h"
#include "medialib/ui/dialog_units.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/shapes.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

#include <algorithm>
#include <chrono>
#include <utility>

namespace {

std::int64_t SteadyMilliseconds() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

CBmpBtn::Clock& RepeatClock() {
    static CBmpBtn::Clock clock = SteadyMilliseconds;
    return clock;
}

// The program's cursor resource; the system's hand stands in for "hand" when the program has
// no resources linked.
std::optional<QCursor> DefaultCursor(const std::string& name) {
    if (const std::optional<CursorResource> cursor = LoadCursorResource(name))
        return QCursor(QPixmap::fromImage(cursor->image), cursor->hotspot.x, cursor->hotspot.y);
    if (QString::fromStdString(name).compare("hand", Qt::CaseInsensitive) == 0) return QCursor(Qt::PointingHandCursor);
    return std::nullopt;
}

CBmpBtn::CursorLookup& Cursors() {
    static CBmpBtn::CursorLookup lookup = DefaultCursor;
    return lookup;
}

// The look drawn onto a bitmap filled with colour.
QImage DrawOn(gdi::COLORREF colour, int width, int height, const ParsedCaption& caption, ButtonLook look,
              bool pressFrame) {
    gdi::HBITMAP bitmap = gdi::CreateBitmap(width, height, 32);
    if (!bitmap) return {};
    bitmap->Image().fill(gdi::ToPixel(colour));
    gdi::DCPtr dc = gdi::CreateCompatibleDC(nullptr);
    dc->SelectBitmap(bitmap);
    dc->SelectFont(DialogFont());
    DrawButtonLook(*dc, width, height, caption, look);
    if (pressFrame) DrawPressFrame(*dc, width, height, caption);
    return bitmap->Image();
}

// Like the owner-drawn original, the button never erases its background: where a look draws
// nothing (a picture-only button without picture, the corners of a group box), the parent shows
// through. Drawing over black and over white tells those pixels apart.
QImage TransparentLook(int width, int height, const ParsedCaption& caption, ButtonLook look, bool pressFrame) {
    const QImage black = DrawOn(0x000000, width, height, caption, look, pressFrame);
    const QImage white = DrawOn(0xFFFFFF, width, height, caption, look, pressFrame);
    if (black.isNull() || white.isNull()) return {};
    QImage result(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y) {
        const auto* b = reinterpret_cast<const QRgb*>(black.constScanLine(y));
        const auto* w = reinterpret_cast<const QRgb*>(white.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < width; ++x) out[x] = b[x] == w[x] ? (b[x] | 0xFF000000u) : 0u;
    }
    return result;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

CBmpBtn::CBmpBtn(QWidget* parent, int id, const std::string& caption) : QPushButton(parent) {
    SetControlId(this, id);
    setText(QString::fromStdString(caption));
    setMouseTracking(true);
    setAutoDefault(false);
    m_repeatTimer.setSingleShot(false);
    connect(&m_repeatTimer, &QTimer::timeout, this, &CBmpBtn::RepeatTick);
}

std::string CBmpBtn::Caption() const { return text().toStdString(); }

void CBmpBtn::SetCaption(const std::string& caption) {
    setText(QString::fromStdString(caption));
    update();
}

std::string CBmpBtn::GetCaptionValue(char key) const { return ::GetCaptionValue(Caption(), key); }

void CBmpBtn::SetCaptionEntry(const std::string& entry) { SetCaption(::SetCaptionEntry(Caption(), entry)); }

void CBmpBtn::SetCaptionText(const std::string& text) { SetCaptionEntry("C:" + text + "~"); }

ParsedCaption CBmpBtn::Parse() const { return ParseCaption(Caption()); }

char CBmpBtn::Type() const { return Parse().type; }

int CBmpBtn::Id() const { return ControlId(this); }

void CBmpBtn::SetCheck(bool checked) {
    if (checked) {
        if (m_state == 'C') return;
        m_state = 'C';
        ClearGroup();
    } else {
        if (m_state == 'U') return;
        m_state = 'U';
    }
    update();
}

void CBmpBtn::Click() {
    const QPointF point(1, 1);
    QMouseEvent press(QEvent::MouseButtonPress, point, mapToGlobal(point), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(this, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, point, mapToGlobal(point), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(this, &release);
}

void CBmpBtn::ClickChecked() {
    const QPointF point(1, 1);
    QMouseEvent press(QEvent::MouseButtonPress, point, mapToGlobal(point), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(this, &press);
    SetCheck(true);
    QMouseEvent release(QEvent::MouseButtonRelease, point, mapToGlobal(point), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(this, &release);
}

std::vector<CBmpBtn*> CBmpBtn::RadioGroup() const {
    std::vector<CBmpBtn*> group;
    const QWidget* parent = parentWidget();
    const int id = Id();
    if (!parent || id < 0) return group;
    if (!IsGroupStart(this)) {
        for (int other = id - 1; other >= id - kGroupReach; --other) {
            QWidget* control = FindControl(parent, other);
            if (!control) continue;
            auto* button = qobject_cast<CBmpBtn*>(control);
            if (!button) break;
            group.push_back(button);
            if (IsGroupStart(button)) break;
        }
    }
    for (int other = id + 1; other <= id + kGroupReach; ++other) {
        QWidget* control = FindControl(parent, other);
        if (!control) continue;
        auto* button = qobject_cast<CBmpBtn*>(control);
        if (!button || IsGroupStart(button)) break;
        group.push_back(button);
    }
    return group;
}

void CBmpBtn::ClearGroup() {
    for (CBmpBtn* button : RadioGroup()) {
        if (button->m_state != 'C') continue;
        button->m_state = 'U';
        button->update();
    }
}

int CBmpBtn::GetCheckedInGroup() const {
    if (IsChecked()) return Id();
    for (const CBmpBtn* button : RadioGroup())
        if (button->IsChecked()) return ControlId(button);
    return -1;
}

CBmpBtn::Clock CBmpBtn::SetRepeatClock(Clock clock) {
    if (!clock) clock = SteadyMilliseconds;
    return std::exchange(RepeatClock(), std::move(clock));
}

CBmpBtn::CursorLookup CBmpBtn::SetCursorLookup(CursorLookup lookup) {
    if (!lookup) lookup = DefaultCursor;
    return std::exchange(Cursors(), std::move(lookup));
}

ButtonLook CBmpBtn::CurrentLook() const {
    // A checked check box shows its up look while pressed: the release will uncheck it.
    if (m_selected) return (Type() == 'C' && m_state == 'C') ? ButtonLook::Up : ButtonLook::Down;
    if (!isEnabled()) return ButtonLook::Disabled;
    return m_state == 'C' ? ButtonLook::Down : ButtonLook::Up;
}

QImage CBmpBtn::RenderCurrentLook() const {
    return TransparentLook(width(), height(), Parse(), CurrentLook(), m_selected);
}

void CBmpBtn::paintEvent(QPaintEvent*) {
    const ParsedCaption caption = Parse();
    if (caption.type == 'S' && caption.repeatSpeed) m_state = caption.repeatSpeed;
    const QImage look = RenderCurrentLook();
    if (look.isNull()) return;
    QPainter painter(this);
    painter.drawImage(0, 0, look);
}

void CBmpBtn::Pressed() {
    const ParsedCaption caption = Parse();
    if (caption.type == 'S') {
        if (caption.repeatSpeed) m_state = caption.repeatSpeed;
        emit command(Id(), kHoverCode);
        m_lastRepeat = RepeatClock()();
        // Speed 0 repeats on every pass of the event loop; otherwise the clock is polled often
        // enough to keep the interval within a few milliseconds.
        m_repeatTimer.start(IsDigit(m_state) && m_state == '0' ? 0 : 10);
        return;
    }
    if (!caption.sound.empty()) {
        const bool absolute = caption.sound[0] == '/' || (caption.sound.size() > 1 && caption.sound[1] == ':');
        PlayClickSound(absolute ? NativePath(caption.sound) : ModuleFolder() + NativePath(caption.sound));
    }
}

void CBmpBtn::RepeatTick() {
    if (!m_held || !m_selected) {
        m_repeatTimer.stop();
        return;
    }
    // A button whose caption gives no speed digit repeats every 100 ms.
    const int interval = (IsDigit(m_state) ? m_state - '0' : 1) * 100;
    const std::int64_t now = RepeatClock()();
    if (now - m_lastRepeat < interval) return;
    m_lastRepeat = now;
    emit command(Id(), kHoverCode);
}

void CBmpBtn::Unselected(bool inside, bool held) {
    const char type = Type();
    if (inside || !held) {
        if (type == 'C') {
            m_state = m_state == 'C' ? 'U' : 'C';
        } else if (type == 'R') {
            m_state = 'C';
            ClearGroup();
        }
    }
    update();
}

void CBmpBtn::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QPushButton::mousePressEvent(event);
    m_held = true;
    m_selected = true;
    Pressed();
    update();
}

void CBmpBtn::mouseMoveEvent(QMouseEvent* event) {
    if (!m_held) {
        CursorOver();
        return;
    }
    const bool inside = rect().contains(event->position().toPoint());
    if (inside == m_selected) return;
    m_selected = inside;
    if (inside) {
        Pressed();
        update();
    } else {
        Unselected(false, true);
    }
}

void CBmpBtn::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !m_held) return QPushButton::mouseReleaseEvent(event);
    const bool inside = rect().contains(event->position().toPoint());
    m_held = false;
    m_repeatTimer.stop();
    if (m_selected) {
        m_selected = false;
        Unselected(inside, false);
    }
    if (inside) emit clicked(false);
}

void CBmpBtn::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat()) return;
    QPushButton::keyPressEvent(event);
}

void CBmpBtn::keyReleaseEvent(QKeyEvent* event) {
    // The space bar clicks like the mouse, so that check boxes and radio buttons change too.
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat()) return Click();
    QPushButton::keyReleaseEvent(event);
}

void CBmpBtn::enterEvent(QEnterEvent* event) {
    QPushButton::enterEvent(event);
    if (!m_held) CursorOver();
}

void CBmpBtn::CursorOver() {
    const ParsedCaption caption = Parse();
    if (!m_cursorLoaded && !caption.cursor.empty()) {
        m_cursorLoaded = true;
        m_cursor = Cursors()(caption.cursor);
        if (m_cursor) setCursor(*m_cursor);
    }
    if (m_cursor) {
        emit command(Id() + kCursorCommandOffset, 0);
    } else if (caption.type == 'P') {
        emit command(Id(), kHoverCode);
    }
}
