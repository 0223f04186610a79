#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "runtime/device_context.h"
#include "runtime/geometry.h"

class CScriptReader;

// Button states.
inline constexpr int32_t kStateActive = 0;
inline constexpr int32_t kStateRolledOver = 1;
inline constexpr int32_t kStateInactive = 2;
inline constexpr int32_t kStateNormal = 3;

// The class records an object answers with when asked for its class. Only four classes have a
// record of their own; frames, scenes, browsers, pages and programs answer Rect.
enum class VClass { Rect, Button, Animation, Sound };

// The root of the presentation's objects: everything a scene shows or plays. Objects are made only
// by the grammar and live as long as the document that owns them.
class CVRect {
public:
    CVRect() = default;
    CVRect(const CVRect&) = delete;
    CVRect& operator=(const CVRect&) = delete;
    virtual ~CVRect() = default;

    // The class query: Button for every button, image and text box.
    virtual VClass ClassRecord() const { return VClass::Rect; }
    bool IsButton() const { return ClassRecord() == VClass::Button; }

    // The operations of every object, in their fixed order. The base does nothing (or answers
    // "not handled"); each class overrides what it reacts to.
    virtual void Draw(DeviceContext& dc);
    virtual bool MouseMove(VPoint point);
    virtual void SetSource(const std::string& source);
    virtual bool MouseDown(VPoint point);
    virtual void SelectForLayout();
    virtual bool ToggleSelect(VPoint point);
    virtual void DrawTracker(DeviceContext& dc);
    // Reads (writeBack false) or writes (writeBack true) the POSITION and SIZE numbers, and for
    // buttons the TEXT, of the object's declaration in the reader's token list. One implementation
    // serves every class.
    virtual void SyncLayout(CScriptReader& reader, bool writeBack);
    virtual void Show();
    // True when the object may be removed from the display list.
    virtual bool Stop();
    // True when a wait on the object is over.
    virtual bool FinishWait();
    // The rectangle to repaint, if any.
    virtual std::optional<VRect> Hide();
    virtual void Preload();

    void SetName(const std::string& name) { name_ = name; }
    // right := left + width, bottom := top + height.
    void SetSize(int32_t width, int32_t height);
    // Moves the top-left corner to (x, y) keeping the size; with right -1 (the natural size of
    // the media) only left and top are set.
    void MoveTo(int32_t x, int32_t y);

    const std::string& Name() const { return name_; }

    std::string name_;
    VRect rect_;
    int32_t state_ = kStateInactive;
    int32_t frameIndex_ = -1;  // -1 until the object is first shown; frames hold their own index
    bool sizeGiven_ = false;
    bool selected_ = false;
};
