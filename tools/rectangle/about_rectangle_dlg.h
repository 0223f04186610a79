#pragma once

#include <QDialog>
#include <QString>

// The About box "About Rectangle", shown from the window menu entry "&About Rectangle...".
class CAboutRectangleDlg : public QDialog {
    Q_OBJECT

public:
    explicit CAboutRectangleDlg(QWidget* parent = nullptr);

    // The note shown where the window system places every window itself; empty elsewhere.
    static QString PlacementNote(const QString& platformName);
};
