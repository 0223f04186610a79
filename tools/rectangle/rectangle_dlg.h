#pragma once

#include <QDialog>
#include <QString>
#include <array>

#include "tools/rectangle/rectangle_measure.h"

class QLabel;
class QPushButton;

// The measuring window: an always-on-top tool window titled "Rectangle" that shows its position
// and size in four labels and copies them as script text.
//
// Call order: the constructor places the window at (20, 20) and arms the 10 ms start timer; the
// caller then shows it. Until the timer fires, moves and resizes are not shown.
class CRectangleDlg : public QDialog {
    Q_OBJECT

public:
    static constexpr int kStartX = 20;
    static constexpr int kStartY = 20;
    static constexpr int kStartTimerMs = 10;

    explicit CRectangleDlg(QWidget* parent = nullptr);

    const RectangleMeasure& measure() const { return measure_; }
    // The four labels' texts: x, y, width, height.
    std::array<QString, 4> LabelTexts() const;

public slots:
    // "&Copy": the current values as "POSITION = x, y  SIZE = w, h" on the clipboard.
    void OnCopy();
    // "&New": another copy of this program, shown normally.
    void OnNew();
    void OnAbout();

protected:
    void timerEvent(QTimerEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void ShowValues();

    RectangleMeasure measure_;
    std::array<QLabel*, 4> labels_{};
    int startTimer_ = 0;
};
