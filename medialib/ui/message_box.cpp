#include "medialib/ui/message_box.h"

#include "medialib/blit.h"
#include "medialib/bmp_holder.h"
#include "medialib/ui/bmp_btn.h"
#include "medialib/ui/button_bitmaps.h"
#include "medialib/ui/control_id.h"
#include "medialib/ui/dialog_units.h"
#include "platform/gdi/text.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>

namespace {

constexpr gdi::COLORREF kMagenta = 0xFF00FF;

QRect PixelRect(int x, int y, int width, int height) {
    const gdi::RECT r = DialogUnitsToPixels(x, y, width, height);
    return QRect(r.left, r.top, r.Width(), r.Height());
}


}  // namespace

CMessageBox::CMessageBox(const std::string& title, const std::string& text, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    SetControlId(this, kDialogId);
    setWindowTitle(gdi::DecodeText(title));
    setModal(true);
    const QRect client = PixelRect(0, 0, 264, 114);
    setFixedSize(client.size());
    setFont(gdi::FontFromLogFont(DialogFont()));

    m_text = new QLabel(gdi::DecodeText(text), this);
    SetControlId(m_text, kTextId);
    m_text->setTextFormat(Qt::PlainText);
    m_text->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_text->setWordWrap(true);
    m_text->setGeometry(PixelRect(90, 41, 167, 66));

    m_ok = new CBmpBtn(this, kOkId, kOkCaption);
    m_ok->setGeometry(PixelRect(210, 7, 47, 14));
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);

    m_surface = std::make_unique<gdi::Surface>(client.width(), client.height());
    m_surface->SetVisible(false);
    m_surface->SetRepaintHandler([this](const gdi::RECT&) { update(); });
    DrawBackground();
}

CMessageBox::~CMessageBox() = default;

void CMessageBox::DrawBackground() {
    gdi::DCPtr dc = gdi::CreateWindowDC(*m_surface);
    FillRectSolid(*dc, m_surface->ClientRect(), 0xC0C0C0);
    CBmp background;
    background.Attach(LookupBuiltinBitmap("BGD.B4"), nullptr);
    background.TileWindow(*m_surface);
    if (const gdi::HBITMAP think = LookupBuiltinBitmap("THINK.B4")) TransparentDraw(*dc, think, 0, 0, kMagenta);
}

void CMessageBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, m_surface->FrontBuffer()->Image());
}

void CMessageBox::moveEvent(QMoveEvent* event) {
    QDialog::moveEvent(event);
    const QPoint origin = mapToGlobal(QPoint(0, 0));
    m_surface->SetScreenOrigin({origin.x(), origin.y()});
}

void CMessageBox::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    const QPoint origin = mapToGlobal(QPoint(0, 0));
    m_surface->SetScreenOrigin({origin.x(), origin.y()});
    m_surface->SetVisible(true);
    m_surface->Raise();
}

void CMessageBox::hideEvent(QHideEvent* event) {
    m_surface->SetVisible(false);
    QDialog::hideEvent(event);
}

MessageDisplay InstallMessageBox() {
    auto previous = std::make_shared<MessageDisplay>();
    *previous = SetMessageDisplay([previous](const std::string& title, const std::string& text) {
        if (!qobject_cast<QApplication*>(QCoreApplication::instance())) {
            if (*previous) (*previous)(title, text);
            return;
        }
        CMessageBox box(title, text, QApplication::activeWindow());
        box.exec();
    });
    return *previous;
}
