// Message numbers, hit-test codes, mouse and key flags of the window layer, and the packing of
// points into message parameters. The numbers follow the long-established desktop convention the
// toolkit is written against, so its private numbers (0x0401 and up, 0x8001 and up) fit beside.
#pragma once

#include <cstdint>

#include "platform/window/Types.h"

namespace platform::window {

namespace msg {
// Life of a window. kCreate: lparam is the CreateParams*; a result of -1 aborts the creation.
constexpr std::uint32_t kCreate = 0x0001;
constexpr std::uint32_t kDestroy = 0x0002;  // before the children are destroyed
constexpr std::uint32_t kMove = 0x0003;     // lparam: packed new position (parent client coords)
// kSize: lparam the packed new client width/height; wparam the ShowState of a top-level window
// (0 normal, 1 minimised, 2 maximised).
constexpr std::uint32_t kSize = 0x0005;
constexpr std::uint32_t kActivate = 0x0006;   // top-level: wparam 1 activated, 0 deactivated
constexpr std::uint32_t kSetFocus = 0x0007;   // wparam: the window that lost the focus
constexpr std::uint32_t kKillFocus = 0x0008;  // wparam: the window that gets the focus
constexpr std::uint32_t kEnable = 0x000A;     // wparam: 1 enabled, 0 disabled
// kPaint: wparam is a PaintEvent* (Picture.h). Sent by the layer in z-order while painting.
constexpr std::uint32_t kPaint = 0x000F;
constexpr std::uint32_t kClose = 0x0010;       // the user asked to close a top-level window
constexpr std::uint32_t kQuit = 0x0012;        // never dispatched: getMessage answers false
constexpr std::uint32_t kShowWindow = 0x0018;  // wparam: 1 shown, 0 hidden
// kWindowPosChanging: a top-level window is about to be placed; lparam is the new Rect* (screen
// coordinates), which the handler may change; wparam the PlaceFlags.
constexpr std::uint32_t kWindowPosChanging = 0x0046;
// kDisplayChange: monitors came, went or changed their work areas (to every top-level window).
constexpr std::uint32_t kDisplayChange = 0x007E;
// kSetCursor: the pointer moved over the window; lparam low 16 bits: the hit-test code.
// Return nonzero when the handler set the cursor itself.
constexpr std::uint32_t kSetCursor = 0x0020;
// kHitTest: lparam is a packed screen point; the result is a HitTest code.
constexpr std::uint32_t kHitTest = 0x0084;
// Mouse over the caption or a sizing border of a top-level window (non-client): wparam is the
// HitTest code, lparam the packed screen point. A left press that no handler takes (the default
// handler) starts the layer's own move or resize of the top-level window.
constexpr std::uint32_t kNcMouseMove = 0x00A0;
constexpr std::uint32_t kNcLButtonDown = 0x00A1;
constexpr std::uint32_t kNcLButtonUp = 0x00A2;
constexpr std::uint32_t kNcLButtonDblClk = 0x00A3;
constexpr std::uint32_t kNcRButtonDown = 0x00A4;
constexpr std::uint32_t kNcRButtonUp = 0x00A5;
constexpr std::uint32_t kNcRButtonDblClk = 0x00A6;
constexpr std::uint32_t kNcMButtonDown = 0x00A7;
constexpr std::uint32_t kNcMButtonUp = 0x00A8;
// Keyboard, to the focus window (or the active top-level when no window has the focus).
// wparam: virtual key code (vk namespace); lparam bit 30: the key was already down (repeat).
constexpr std::uint32_t kKeyDown = 0x0100;
constexpr std::uint32_t kKeyUp = 0x0101;
constexpr std::uint32_t kChar = 0x0102;  // wparam: one UTF-16 code unit of typed text
// kPreedit: the input method's pre-edit text changed (empty when the composition ended). To the
// focus window; wparam: the cursor in the pre-edit text (UTF-16 units); the text itself is
// input::preeditText(top-level window) while the message is handled.
constexpr std::uint32_t kPreedit = 0x010F;
constexpr std::uint32_t kCommand = 0x0111;
// kMenuKey: the left Alt was pressed and released with no other key or button between; to the
// top-level window (the active popup while one is open), whose menu bar takes the keys.
constexpr std::uint32_t kMenuKey = 0x0112;
constexpr std::uint32_t kTimer = 0x0113;  // wparam: timer id
// Mouse, to the window under the pointer (or the capture window). wparam: MouseFlags of the
// buttons and modifiers held; lparam: packed point in the receiver's client coordinates.
constexpr std::uint32_t kMouseMove = 0x0200;
constexpr std::uint32_t kLButtonDown = 0x0201;
constexpr std::uint32_t kLButtonUp = 0x0202;
constexpr std::uint32_t kLButtonDblClk = 0x0203;
constexpr std::uint32_t kRButtonDown = 0x0204;
constexpr std::uint32_t kRButtonUp = 0x0205;
constexpr std::uint32_t kRButtonDblClk = 0x0206;
constexpr std::uint32_t kMButtonDown = 0x0207;
constexpr std::uint32_t kMButtonUp = 0x0208;
constexpr std::uint32_t kMButtonDblClk = 0x0209;
// kMouseWheel: wparam high 16 bits signed delta (120 per notch, positive away from the user),
// low 16 bits MouseFlags; lparam: packed point in the receiver's client coordinates.
constexpr std::uint32_t kMouseWheel = 0x020A;
// kSizing: the user drags an edge of a top-level window; wparam the SizingEdge, lparam the new
// Rect* (screen coordinates) that the handler may change. kMoving: the same for a move.
constexpr std::uint32_t kSizing = 0x0214;
constexpr std::uint32_t kCaptureChanged = 0x0215;  // to the loser; lparam: the new capture window
constexpr std::uint32_t kMoving = 0x0216;
constexpr std::uint32_t kEnterSizeMove = 0x0231;  // a move or resize by the user starts
constexpr std::uint32_t kExitSizeMove = 0x0232;   // ... and ends
constexpr std::uint32_t kDropFiles = 0x0233;  // wparam: DropHandle (Window.h); lparam: packed point
constexpr std::uint32_t kMouseLeave = 0x02A3;  // the pointer left the top-level window
// kScaleChange: the program's scale factor (Scale.h) changed while it runs; to every top-level
// window, which measures and lays out again. scale() answers the new factor already.
constexpr std::uint32_t kScaleChange = 0x02E0;
// First numbers free for the toolkit's own messages.
constexpr std::uint32_t kUser = 0x0400;
constexpr std::uint32_t kApp = 0x8000;
}  // namespace msg

// Answers to kHitTest.
enum HitTest : std::int32_t {
    kHitTransparent = -1,  // look at the window beneath
    kHitNowhere = 0,
    kHitClient = 1,
    kHitCaption = 2,  // dragging moves the top-level window
    kHitLeft = 10,
    kHitRight = 11,
    kHitTop = 12,
    kHitTopLeft = 13,
    kHitTopRight = 14,
    kHitBottom = 15,
    kHitBottomLeft = 16,
    kHitBottomRight = 17,
};

// The edge dragged in kSizing (wparam).
enum SizingEdge : std::int32_t {
    kEdgeLeft = 1,
    kEdgeRight = 2,
    kEdgeTop = 3,
    kEdgeTopLeft = 4,
    kEdgeTopRight = 5,
    kEdgeBottom = 6,
    kEdgeBottomLeft = 7,
    kEdgeBottomRight = 8,
};
// The sizing edge of a sizing-border hit code; 0 for other codes.
constexpr std::int32_t sizingEdgeOf(HitTest code) {
    return code >= kHitLeft && code <= kHitBottomRight ? code - kHitLeft + 1 : 0;
}

// Buttons and modifiers in mouse messages.
enum MouseFlags : std::uint32_t {
    kMouseLeft = 0x0001,
    kMouseRight = 0x0002,
    kMouseShift = 0x0004,
    kMouseControl = 0x0008,
    kMouseMiddle = 0x0010,
};

enum class MouseButton { kLeft, kRight, kMiddle };

// Virtual key codes. Letters and digits are their upper-case ASCII codes ('A', '0').
namespace vk {
constexpr std::uint32_t kBack = 0x08;
constexpr std::uint32_t kTab = 0x09;
constexpr std::uint32_t kReturn = 0x0D;
constexpr std::uint32_t kShift = 0x10;
constexpr std::uint32_t kControl = 0x11;
constexpr std::uint32_t kAlt = 0x12;
constexpr std::uint32_t kPause = 0x13;
constexpr std::uint32_t kCapital = 0x14;
constexpr std::uint32_t kEscape = 0x1B;
constexpr std::uint32_t kSpace = 0x20;
constexpr std::uint32_t kPageUp = 0x21;
constexpr std::uint32_t kPageDown = 0x22;
constexpr std::uint32_t kEnd = 0x23;
constexpr std::uint32_t kHome = 0x24;
constexpr std::uint32_t kLeft = 0x25;
constexpr std::uint32_t kUp = 0x26;
constexpr std::uint32_t kRight = 0x27;
constexpr std::uint32_t kDown = 0x28;
constexpr std::uint32_t kInsert = 0x2D;
constexpr std::uint32_t kDelete = 0x2E;
constexpr std::uint32_t kSuper = 0x5B;
constexpr std::uint32_t kApps = 0x5D;
// The right Alt key, kept apart from kAlt: many layouts type characters with it (AltGr).
constexpr std::uint32_t kRightAlt = 0xA5;
constexpr std::uint32_t kF1 = 0x70;  // kF1 + n - 1 for Fn, up to F24
}  // namespace vk

// Points travel in an LParam: x in the low 16 bits, y in the next 16, both signed.
constexpr LParam packPoint(std::int32_t x, std::int32_t y) {
    return static_cast<LParam>((static_cast<std::uint32_t>(x) & 0xFFFFu) |
                               ((static_cast<std::uint32_t>(y) & 0xFFFFu) << 16));
}
constexpr LParam packPoint(Point p) {
    return packPoint(p.x, p.y);
}
constexpr std::int32_t pointX(LParam l) {
    return static_cast<std::int16_t>(l & 0xFFFF);
}
constexpr std::int32_t pointY(LParam l) {
    return static_cast<std::int16_t>((l >> 16) & 0xFFFF);
}
constexpr Point unpackPoint(LParam l) {
    return {pointX(l), pointY(l)};
}
constexpr std::int32_t wheelDelta(WParam w) {
    return static_cast<std::int16_t>((w >> 16) & 0xFFFF);
}
// Lines one notch of the wheel (a turn of 120) scrolls: the usual desktop setting.
constexpr std::int32_t kWheelLinesPerNotch = 3;
// The lines a wheel message's turn scrolls, positive away from the user.
constexpr std::int32_t wheelLines(WParam w) {
    return wheelDelta(w) * kWheelLinesPerNotch / 120;
}

}  // namespace platform::window
