#include "medialib/ui/message_box.h"
#include "medialib/ui/bmp_btn.h"
#include "medialib/ui/control_id.h"
#include "medialib/ui/dialog_units.h"
#include "medialib/ui/tests/test_support.h"
#include "platform/message/message_display.h"

#include <QKeyEvent>
#include <QLabel>
#include <QTimer>

namespace {

class MessageBoxTest : public ::testing::Test {
protected:
    void SetUp() override { App(); }
};

void PressEscape(QWidget* widget) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &press);
}

}  // namespace

TEST_F(MessageBoxTest, ShowsTitleAndTextAsDialog132) {
    CMessageBox box("Syntax error", "3.7 (12) Got 'ID' (Bogus) symbol, expected '='");
    EXPECT_EQ(box.windowTitle(), "Syntax error");
    EXPECT_EQ(box.TextControl()->text(), "3.7 (12) Got 'ID' (Bogus) symbol, expected '='");
    EXPECT_EQ(ControlId(box.TextControl()), 1001);
    EXPECT_TRUE(box.TextControl()->alignment() & Qt::AlignHCenter);
    EXPECT_EQ(box.OkButton()->Caption(), "U:<OKN~D:<OKA~L:/~");
    EXPECT_EQ(ControlId(box.OkButton()), 1);
    const gdi::RECT ok = DialogUnitsToPixels(210, 7, 47, 14);
    EXPECT_EQ(box.OkButton()->geometry(), QRect(ok.left, ok.top, ok.Width(), ok.Height()));
    const gdi::RECT client = DialogUnitsToPixels(0, 0, 264, 114);
    EXPECT_EQ(box.size(), QSize(client.Width(), client.Height()));
}

TEST_F(MessageBoxTest, ClosesOnOkAndOnEscape) {
    {
        CMessageBox box("Title", "Text");
        box.show();
        box.OkButton()->Click();
        EXPECT_FALSE(box.isVisible());
        EXPECT_EQ(box.result(), QDialog::Accepted);
    }
    {
        CMessageBox box("Title", "Text");
        box.show();
        PressEscape(&box);
        EXPECT_FALSE(box.isVisible());
        EXPECT_EQ(box.result(), QDialog::Rejected);
    }
}

TEST_F(MessageBoxTest, InstalledAsTheMessageDisplayItBlocksUntilClosed) {
    const MessageDisplay previous = InstallMessageBox();
    QString seenTitle, seenText;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<CMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        seenTitle = box->windowTitle();
        seenText = box->TextControl()->text();
        PressEscape(box);
    });
    ShowMessage("Vistrel", "Could not find the following resource: a.bmp");
    EXPECT_EQ(seenTitle, "Vistrel");
    EXPECT_EQ(seenText, "Could not find the following resource: a.bmp");
    SetMessageDisplay(previous);
}

TEST_F(MessageBoxTest, HeadlessDisplayRecordsAndReturns) {
    std::vector<std::pair<std::string, std::string>> shown;
    const MessageDisplay previous =
        SetMessageDisplay([&](const std::string& title, const std::string& text) { shown.emplace_back(title, text); });
    ShowMessage("Syntax error", "1.1 Error: unclosed string");
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].first, "Syntax error");
    SetMessageDisplay(previous);
}

// The built-in background tiled over the client area with the thinking figure keyed on magenta.
TEST_F(MessageBoxTest, BackgroundPicture) {
    CMessageBox box("Title", "Text");
    ExpectImage(box.Background().FrontBuffer()->Image(), "message_box_background");
}

TEST_F(MessageBoxTest, WholeDialogPicture) {
    CMessageBox box("Syntax error", "3.7 (12) Got 'ID' (Bogus) symbol, expected '='");
    ExpectImage(box.grab().toImage(), "message_box");
}
