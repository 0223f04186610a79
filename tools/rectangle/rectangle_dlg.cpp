#include "tools/rectangle/rectangle_dlg.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMoveEvent>
#include <QPainter>
#include <QPushButton>
#include <QResizeEvent>
#include <QTimerEvent>

#include "platform/shell/command_line.h"
#include "platform/shell/program_start.h"
#include "tools/rectangle/about_rectangle_dlg.h"
#include "tools/rectangle/rectangle_icon.h"

CRectangleDlg::CRectangleDlg(QWidget* parent) : QDialog(parent) {
    // A resizable, always-on-top window with a small tool caption that still has its own
    // taskbar entry, like an application window.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::WindowStaysOnTopHint);
    setAttribute(Qt::WA_X11NetWmWindowTypeUtility);
    setWindowTitle(QStringLiteral("Rectangle"));
    setWindowIcon(RectangleIcon());
    setSizeGripEnabled(false);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    for (int i = 0; i < 4; ++i) {
        labels_[i] = new QLabel(QStringLiteral("0"), this);
        labels_[i]->setAlignment(Qt::AlignCenter);
        labels_[i]->setTextInteractionFlags(Qt::NoTextInteraction);
        labels_[i]->setMinimumWidth(1);
        layout->addWidget(labels_[i], 0, i);
    }
    auto* copy = new QPushButton(QStringLiteral("&Copy"), this);
    auto* another = new QPushButton(QStringLiteral("&New"), this);
    for (QPushButton* button : {copy, another}) {
        button->setAutoDefault(false);
        button->setMinimumWidth(1);
    }
    layout->addWidget(copy, 1, 0, 1, 2);
    layout->addWidget(another, 1, 2, 1, 2);
    // The window measures: it may be sized smaller than its controls.
    layout->setSizeConstraint(QLayout::SetNoConstraint);
    setMinimumSize(1, 1);
    resize(240, 72);
    connect(copy, &QPushButton::clicked, this, &CRectangleDlg::OnCopy);
    connect(another, &QPushButton::clicked, this, &CRectangleDlg::OnNew);

    move(kStartX, kStartY);
    startTimer_ = startTimer(kStartTimerMs);
}

std::array<QString, 4> CRectangleDlg::LabelTexts() const {
    return {labels_[0]->text(), labels_[1]->text(), labels_[2]->text(), labels_[3]->text()};
}

void CRectangleDlg::OnCopy() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr) return;
    clipboard->setText(QString::fromStdString(measure_.ClipboardText()), QClipboard::Clipboard);
}

void CRectangleDlg::OnNew() {
    // Like the original, a copy that cannot be started is not reported.
    StartProgram(QuoteArgument(QCoreApplication::applicationFilePath().toStdString()));
}

void CRectangleDlg::OnAbout() {
    CAboutRectangleDlg about(this);
    about.exec();
}

void CRectangleDlg::timerEvent(QTimerEvent* event) {
    if (event->timerId() != startTimer_) {
        QDialog::timerEvent(event);
        return;
    }
    killTimer(startTimer_);
    startTimer_ = 0;
    const QRect outer = frameGeometry();
    measure_.SetReady(outer.x(), outer.y(), outer.width(), outer.height());
    ShowValues();
}

void CRectangleDlg::moveEvent(QMoveEvent* event) {
    // The event may report the frame's corner; what is shown is the client area's.
    const QPoint client = geometry().topLeft();
    if (measure_.Moved(client.x(), client.y())) ShowValues();
    QDialog::moveEvent(event);
}

void CRectangleDlg::resizeEvent(QResizeEvent* event) {
    if (measure_.Resized(event->size().width(), event->size().height())) ShowValues();
    QDialog::resizeEvent(event);
}

void CRectangleDlg::paintEvent(QPaintEvent* event) {
    if (!isMinimized()) {
        QDialog::paintEvent(event);
        return;
    }
    // Where the window system paints a minimised window's client area, it shows the icon.
    QPainter painter(this);
    const QPixmap icon = RectangleIconPixmap(32);
    painter.drawPixmap((width() - icon.width() + 1) / 2, (height() - icon.height() + 1) / 2, icon);
}

void CRectangleDlg::contextMenuEvent(QContextMenuEvent* event) {
    // The window menu of the window system cannot take entries of a program; this menu stands in
    // for it and holds the same About entry after a separator.
    QMenu menu(this);
    menu.addAction(QStringLiteral("&Close"), this, &QDialog::reject);
    menu.addSeparator();
    menu.addAction(QStringLiteral("&About Rectangle..."), this, &CRectangleDlg::OnAbout);
    menu.exec(event->globalPos());
}

void CRectangleDlg::ShowValues() {
    const int values[4] = {measure_.x(), measure_.y(), measure_.width(), measure_.height()};
    for (int i = 0; i < 4; ++i) labels_[i]->setText(QString::asprintf("%d", values[i]));
}
