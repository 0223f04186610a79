#include "tools/rectangle/rectangle_dlg.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <functional>
#include <ostream>

#include "tools/rectangle/about_rectangle_dlg.h"

// Readable failure messages for Qt strings.
void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace {

QApplication& App() {
    static int argc = 1;
    static char name[] = "tools_rectangle_tests";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    return app;
}

// Runs the event loop until done() holds or a generous deadline passes.
bool ProcessEventsUntil(const std::function<bool()>& done) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > 5000) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

QPushButton* Button(QWidget& window, const QString& text) {
    for (QPushButton* button : window.findChildren<QPushButton*>()) {
        if (button->text() == text) return button;
    }
    return nullptr;
}

class RectangleWindow : public ::testing::Test {
protected:
    RectangleWindow() { App(); }
};

TEST_F(RectangleWindow, StartsAtTwentyTwentyOnTopAndShowsTheOuterRectangleWhenReady) {
    CRectangleDlg dialog;
    EXPECT_EQ(dialog.windowTitle(), "Rectangle");
    EXPECT_TRUE(dialog.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    dialog.show();
    EXPECT_FALSE(dialog.measure().ready());
    ASSERT_TRUE(ProcessEventsUntil([&] { return dialog.measure().ready(); }));

    const QRect outer = dialog.frameGeometry();
    EXPECT_EQ(outer.topLeft(), QPoint(20, 20));
    EXPECT_EQ(dialog.measure().x(), 20);
    EXPECT_EQ(dialog.measure().y(), 20);
    EXPECT_EQ(dialog.measure().width(), outer.width());
    EXPECT_EQ(dialog.measure().height(), outer.height());
    const std::array<QString, 4> expected = {"20", "20", QString::number(outer.width()),
                                             QString::number(outer.height())};
    EXPECT_EQ(dialog.LabelTexts(), expected);

    // Copy before any move copies the start position, with two blanks before SIZE.
    QGuiApplication::clipboard()->clear();
    Button(dialog, "&Copy")->click();
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              QString("POSITION = 20, 20  SIZE = %1, %2").arg(outer.width()).arg(outer.height()));
}

TEST_F(RectangleWindow, AfterMovesAndResizesItShowsTheClientArea) {
    CRectangleDlg dialog;
    dialog.show();
    ASSERT_TRUE(ProcessEventsUntil([&] { return dialog.measure().ready(); }));
    const QRect outer = dialog.frameGeometry();

    dialog.move(140, 90);
    ASSERT_TRUE(ProcessEventsUntil([&] { return dialog.measure().x() != 20; }));
    const QRect client = dialog.geometry();
    EXPECT_EQ(dialog.frameGeometry().topLeft(), QPoint(140, 90));
    EXPECT_EQ(dialog.measure().x(), client.x());
    EXPECT_EQ(dialog.measure().y(), client.y());
    // A move alone leaves the outer size shown.
    EXPECT_EQ(dialog.measure().width(), outer.width());

    dialog.resize(310, 125);
    ASSERT_TRUE(ProcessEventsUntil([&] { return dialog.measure().width() == 310; }));
    EXPECT_EQ(dialog.measure().height(), 125);
    // The client area is shown, so the width shown is the outer width less the frame.
    EXPECT_EQ(dialog.measure().width(), dialog.geometry().width());
    EXPECT_LT(dialog.measure().width(), dialog.frameGeometry().width());
    const std::array<QString, 4> expected = {QString::number(client.x()),
                                             QString::number(client.y()), "310", "125"};
    EXPECT_EQ(dialog.LabelTexts(), expected);

    Button(dialog, "&Copy")->click();
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              QString("POSITION = %1, %2  SIZE = 310, 125").arg(client.x()).arg(client.y()));
    EXPECT_EQ(QGuiApplication::clipboard()->mimeData()->formats(), QStringList{"text/plain"});
}

TEST(AboutRectangle, SaysSoWhereTheWindowSystemPlacesWindows) {
    EXPECT_TRUE(CAboutRectangleDlg::PlacementNote("xcb").isEmpty());
    EXPECT_TRUE(CAboutRectangleDlg::PlacementNote("offscreen").isEmpty());
    EXPECT_TRUE(CAboutRectangleDlg::PlacementNote("wayland-egl").contains("Wayland"));
    App();
    CAboutRectangleDlg about;
    EXPECT_EQ(about.windowTitle(), "About Rectangle");
}

}  // namespace
