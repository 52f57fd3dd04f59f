// The headless backend: no screen. Tests drive it: they inject input with the functions of
// Input.h, read the window tree and pixels through Window.h, and set the answers given here.
// It also plays a small window manager: it keeps what each surface was told (place, style,
// stacking, opacity, show state, icon), activates shown windows and reports activation like a
// real one when asked, and can report placements back late as a real display does.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/window/Backend.h"

namespace platform::window {

// What the headless window manager knows of one surface.
struct HeadlessSurface {
    Rect rect;
    bool visible = false;
    bool onTop = false;
    std::uint8_t alpha = 255;
    ShowState showState = ShowState::kNormal;
    Size minimumSize;
    std::uint32_t style = 0;
    Size icon;  // 0 x 0: none
    std::vector<Rect> shape;  // empty: the whole rectangle
    std::u16string title;
    int presents = 0;
    bool textInput = false;  // input methods on
    Rect textInputArea;      // where the candidate window goes
};

class HeadlessBackend : public Backend {
public:
    HeadlessBackend();
    ~HeadlessBackend() override;

    // Test controls.
    // Every message box is answered by this function (default: the first button). The boxes
    // shown are recorded in order.
    void setMessageBoxAnswerer(std::function<int(const MessageBoxRequest&)> answerer);
    std::vector<MessageBoxRequest> shownMessageBoxes();
    // Without an answerer, boxes are real windows of the layer (class "LayerMessageBox") that
    // the test answers with input; otherwise (the default) the first button answers at once.
    void setMessageBoxWindows(bool windows);
    void setCursorPosition(Point screen);
    // One monitor whose work area is `area` (its bounds too).
    void setWorkArea(Rect area);
    // The monitors (the first is the primary); every top-level window hears kDisplayChange.
    void setMonitors(std::vector<Monitor> monitors);
    // Placements are reported back through input (moved, resized) as a display does, after
    // the placement and in order.
    void setEchoPlacements(bool echo);
    // What the surface of a top-level window was told (false when it has none).
    bool surface(Handle topLevel, HeadlessSurface* out);
    Handle activeSurface();
    // Activation changes are also reported to the windows (kActivate) while set; off by
    // default, so that a test's queue holds only what the test caused.
    void setActivationReports(bool report);
    // Surfaces cannot be made (a display that refuses new windows) while set.
    void setFailSurfaces(bool fail);
    // How many times a top-level window was presented (a cheap "did it repaint" probe).
    int presentCount(Handle topLevel);
    Cursor currentCursor();
    // Whether text input is on for a top-level window, and where its candidate window goes.
    bool textInputOn(Handle topLevel);
    Rect textInputArea(Handle topLevel);

    const char* name() const override { return "headless"; }
    bool hasScreen() const override { return false; }
    bool openSurface(Handle topLevel, const SurfaceRequest& request) override;
    void closeSurface(Handle topLevel) override;
    void present(Handle topLevel, const Picture& buffer, Rect area) override;
    void showSurface(Handle topLevel, bool visible, bool activate) override;
    void placeSurface(Handle topLevel, Rect screen) override;
    void setSurfaceTitle(Handle topLevel, std::u16string_view title) override;
    void setSurfaceOnTop(Handle topLevel, bool onTop) override;
    void setSurfaceOpacity(Handle topLevel, std::uint8_t alpha) override;
    void setSurfaceShowState(Handle topLevel, ShowState state) override;
    void setSurfaceMinimumSize(Handle topLevel, Size size) override;
    void activateSurface(Handle topLevel) override;
    void captureMouse(Handle topLevel, bool captured) override;
    void setHitTestCode(Handle topLevel, HitTest code) override;
    void setCursor(Cursor cursor) override;
    Point cursorPosition() override;
    Rect workArea(Point near) override;
    Rect virtualScreen() override;
    std::vector<Monitor> monitors() override;
    void setSurfaceStyle(Handle topLevel, std::uint32_t style) override;
    void setSurfaceIcon(Handle topLevel, const Picture* icon) override;
    void setSurfaceShape(Handle topLevel, const std::vector<Rect>& rects) override;
    bool setClipboardText(std::u16string_view text) override;
    bool clipboardText(std::u16string* out) override;
    bool setPrimarySelectionText(std::u16string_view text) override;
    bool primarySelectionText(std::u16string* out) override;
    void setTextInput(Handle topLevel, bool on) override;
    void setTextInputArea(Handle topLevel, Rect caret) override;
    int messageBox(const MessageBoxRequest& request) override;

private:
    struct State;
    std::unique_ptr<State> state_;
};

// The running backend when it is the headless one, else null.
HeadlessBackend* headless();

}  // namespace platform::window
