#pragma once

// CBmpBtn: the suite's one dialog button. Push buttons, check boxes, radio buttons, colour
// swatches, logos and auto-repeat arrows are all this widget, configured only by its caption
// (see medialib/caption.h), which it re-reads on every paint.
//
// Call order that callers rely on: a press plays the click sound (or, on an auto-repeat button,
// sends the first repeat command) before the press look is shown; a release inside toggles a
// check box or checks a radio button before clicked() is emitted, so a clicked() handler reads
// the new state.

#include "medialib/caption.h"
#include "medialib/ui/button_look.h"

#include <QCursor>
#include <QPushButton>
#include <QTimer>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class CBmpBtn : public QPushButton {
    Q_OBJECT

public:
    // The notification code sent on hover over a push button and by auto-repeat buttons.
    static constexpr int kHoverCode = 5;
    // Added to the identifier for the command sent while a custom cursor is shown.
    static constexpr int kCursorCommandOffset = 1024;
    // How far a radio group reaches on either side of a button's identifier.
    static constexpr int kGroupReach = 17;

    // id is the control identifier of the dialog template (see control_id.h).
    explicit CBmpBtn(QWidget* parent = nullptr, int id = -1, const std::string& caption = {});

    // The caption is the window text (UTF-8).
    std::string Caption() const;
    void SetCaption(const std::string& caption);
    std::string GetCaptionValue(char key) const;
    void SetCaptionEntry(const std::string& entry);
    void SetCaptionText(const std::string& text);

    // "U" up, "C" checked; an auto-repeat button holds its speed digit here.
    char State() const { return m_state; }
    // The type the caption gives ("P", "C", "R", "S", "I").
    char Type() const;
    bool IsChecked() const { return m_state == 'C'; }
    // Checking clears the rest of the radio group; both directions repaint the button.
    void SetCheck(bool checked);
    // A press and a release at (1, 1), as a user's click.
    void Click();
    // The same with SetCheck(true) between press and release.
    void ClickChecked();
    // This button's identifier when it is checked, else the checked button's of its radio
    // group, else -1.
    int GetCheckedInGroup() const;
    // The other bitmap buttons of the radio group, nearest first below, then above.
    std::vector<CBmpBtn*> RadioGroup() const;

    // The milliseconds that auto-repeat counts in; the default is the steady clock. Returns the
    // clock it replaces; an empty one restores the default.
    using Clock = std::function<std::int64_t()>;
    static Clock SetRepeatClock(Clock clock);
    // One step of the repeat loop while the button is held: sends the command again once the
    // speed digit × 100 ms have passed since the last one, and stops when the button has been
    // released or the cursor has left it. The repeat timer calls it; tests call it with their
    // own clock.
    void RepeatTick();
    bool IsRepeating() const { return m_repeatTimer.isActive(); }

    // The cursor resources that the u key names; the default reads the program's cursor
    // resources, with the system hand for "hand" when there are none. Returns the lookup
    // it replaces; an empty one restores the default.
    using CursorLookup = std::function<std::optional<QCursor>(const std::string& name)>;
    static CursorLookup SetCursorLookup(CursorLookup lookup);

    // The look a paint draws now, and whether the press frame goes over it.
    ButtonLook CurrentLook() const;
    bool ShowsPressFrame() const { return m_selected; }
    // The picture of the current look with the parent's background where the look draws
    // nothing (transparent pixels).
    QImage RenderCurrentLook() const;

signals:
    // The command the parent receives: (identifier, 5) on hover and auto-repeat,
    // (identifier + 1024, 0) while a custom cursor is shown.
    void command(int id, int code);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void enterEvent(QEnterEvent* event) override;

private:
    ParsedCaption Parse() const;
    // The press: sound or first repeat command.
    void Pressed();
    // The end of a press by a release (inside or not) or by dragging out.
    void Unselected(bool inside, bool held);
    // What WM_SETCURSOR did: the custom cursor and its command, or the hover command.
    void CursorOver();
    void ClearGroup();
    int Id() const;

    char m_state = 'U';
    bool m_held = false;      // the left button went down on this button and is still down
    bool m_selected = false;  // held with the cursor inside: the press look
    bool m_cursorLoaded = false;
    std::optional<QCursor> m_cursor;
    std::int64_t m_lastRepeat = 0;
    QTimer m_repeatTimer;
};
