#include "tools/rectangle/about_rectangle_dlg.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>

#include "tools/rectangle/rectangle_icon.h"

CAboutRectangleDlg::CAboutRectangleDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("About Rectangle"));
    auto* layout = new QGridLayout(this);

    auto* picture = new QLabel(this);
    picture->setPixmap(RectangleIconPixmap(48));
    picture->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    layout->addWidget(picture, 0, 0, 2, 1);

    auto* text = new QLabel(
        QStringLiteral("<b>Rectangle</b> Version 1.0<br>"
                       "Drag and size this window over the screen to measure where an object of a "
                       "presentation should go.<br>"
                       "Copy puts the position and size on the clipboard, ready to paste into a "
                       "declaration; New opens another measuring window."),
        this);
    text->setTextFormat(Qt::RichText);
    text->setWordWrap(true);
    layout->addWidget(text, 0, 1);

    const QString note = PlacementNote(QGuiApplication::platformName());
    if (!note.isEmpty()) {
        auto* placement = new QLabel(note, this);
        placement->setWordWrap(true);
        layout->addWidget(placement, 1, 1);
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons, 2, 0, 1, 2);
    setMinimumWidth(360);
}

QString CAboutRectangleDlg::PlacementNote(const QString& platformName) {
    if (!platformName.startsWith(QStringLiteral("wayland"), Qt::CaseInsensitive)) return {};
    return QStringLiteral(
        "This window system (Wayland) places every window itself and does not tell a program "
        "where its window is: Rectangle cannot move itself to its start position, and the "
        "position it shows is what the window system reports. The size is measured as usual.");
}
