#pragma once

// The suite's modal message box (dialog 132): the title as window caption, the text centred
// beside the "thinking" picture, one OK bitmap button, the tiled background picture. It lives
// with the bitmap buttons because it is the one message display of every program, reached from
// below the runtime through platform/message/message_display.h.

#include "platform/gdi/surface.h"
#include "platform/message/message_display.h"

#include <QDialog>

#include <memory>
#include <string>

class CBmpBtn;
class QLabel;

class CMessageBox : public QDialog {
    Q_OBJECT

public:
    static constexpr int kDialogId = 132;
    static constexpr int kTextId = 1001;
    static constexpr int kOkId = 1;
    static constexpr char kOkCaption[] = "U:<OKN~D:<OKA~L:/~";

    CMessageBox(const std::string& title, const std::string& text, QWidget* parent = nullptr);
    ~CMessageBox() override;

    QLabel* TextControl() const { return m_text; }
    CBmpBtn* OkButton() const { return m_ok; }
    // The background as drawn: the tiled "BGD.B4" with "THINK.B4" keyed on magenta at the
    // top-left corner (light grey where a picture is missing).
    const gdi::Surface& Background() const { return *m_surface; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void DrawBackground();

    QLabel* m_text = nullptr;
    CBmpBtn* m_ok = nullptr;
    std::unique_ptr<gdi::Surface> m_surface;
};

// Makes CMessageBox the program's message display (ShowMessage): each message opens the box
// modally and returns when OK or Escape closes it. Without an application object the previous
// display is used. Returns the display it replaces, for tests and headless modes to put back.
// REQUIRES: called on the user-interface thread.
MessageDisplay InstallMessageBox();
