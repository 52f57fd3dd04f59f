// The top-level window contract: a container at the root of a component tree, owning the
// user-interface thread of every native window in it, with its options, events and settings.
#pragma once

#include <cstdint>
#include <string>

#include "gui/IBox.h"

namespace platform::window {
class Picture;
}
namespace s::lang {
class Localizer;
}
namespace s::app {
class IAppWindow;
}
namespace s::gui::drawer {
class Skinner;
namespace window {
class IThin;
}
}  // namespace s::gui::drawer

namespace s::gui {

class IPopupMenu;

// Event codes a window fires, each to the listeners of its own list.
namespace windowevent {
constexpr std::int32_t kClose = 1;
constexpr std::int32_t kNotification = 2;
constexpr std::int32_t kRightDown = 3;
constexpr std::int32_t kLeftDown = 5;
constexpr std::int32_t kActivate = 6;
constexpr std::int32_t kDeactivate = 7;
constexpr std::int32_t kSizing = 8;
constexpr std::int32_t kMiddleDown = 9;
constexpr std::int32_t kMoving = 10;
constexpr std::int32_t kKeyDown = 12;
constexpr std::int32_t kMouseMove = 13;
constexpr std::int32_t kWheel = 14;
constexpr std::int32_t kInternalNotification = 15;
constexpr std::int32_t kDoubleClick = 16;
constexpr std::int32_t kCaptureEnd = 17;
constexpr std::int32_t kNotificationIconRightClick = 18;
constexpr std::int32_t kContextMenu = 19;
constexpr std::int32_t kNotificationIconClick = 22;
constexpr std::int32_t kHotKey = 23;
constexpr std::int32_t kRightUp = 24;
constexpr std::int32_t kLeftUp = 25;
constexpr std::int32_t kTimer = 26;
// The scale factor changed: fired before the window lays out at the new one, so that lengths
// measured on the screen can be measured again.
constexpr std::int32_t kScaleChange = 27;
}  // namespace windowevent

// The middle-click actions.
inline constexpr const char16_t* kMiddleDoNothing = u"DoNothing";
inline constexpr const char16_t* kMiddleIconize = u"Iconize";
inline constexpr const char16_t* kMiddleClose = u"Close";

class IWindow : public virtual IBox {
public:
    // True on the window's user-interface thread.
    virtual bool isOwnerThread() const = 0;

    // Closing.
    virtual bool isClosed() const = 0;
    virtual void close() = 0;
    virtual void vetoClose() = 0;  // from a close listener: the window stays open
    virtual void waitUntilClosed() = 0;

    // State.
    virtual void activate(bool active) = 0;
    virtual bool isMinimized() const = 0;
    virtual void minimize() = 0;
    virtual bool isMaximized() const = 0;
    virtual void maximize() = 0;
    virtual void restore() = 0;
    virtual void showNormal() = 0;
    // There is no notification area: iconizing minimises, and restore brings the window back.
    virtual void iconize() = 0;
    virtual bool isIconized() const = 0;

    // Frame and styles.
    virtual void setEasyDrag(bool on) = 0;
    virtual bool getEasyDrag() const = 0;
    virtual void setMaximizeBox(bool on) = 0;
    virtual void setMinimizeBox(bool on) = 0;
    virtual void setSystemMenu(bool on) = 0;
    virtual void setCaption(bool on) = 0;
    virtual void setToolWindow(bool on) = 0;
    virtual void setFramed(bool on) = 0;
    virtual bool isFramed() const = 0;
    virtual void setClientEdge(bool on) = 0;
    virtual void setTaskbarButton(bool on) = 0;
    virtual bool isResizable() const = 0;
    virtual void setResizable(bool on) = 0;

    // The notification area is not offered here: these keep their flags only.
    virtual void showNotificationIcon(bool show) = 0;
    virtual void updateNotificationIcon() = 0;
    virtual void setKeepNotificationIcon(bool on) = 0;
    virtual void setNotificationIconWhileOpen(bool on) = 0;
    virtual void setCloseToNotificationArea(bool on) = 0;
    virtual void setNotificationIconMenu(IPopupMenu* menu) = 0;
    virtual void setNotificationClickToggles(bool on) = 0;

    virtual void setKeepOnTop(bool on) = 0;
    virtual bool isKeptOnTop() const = 0;

    // Title, icons, language, skin.
    virtual std::u16string getTitle() const = 0;
    virtual void setTitle(const std::u16string& title) = 0;
    // Title = text of `textNumber`, then " v" and the text of `versionNumber` unless it is -1;
    // a textNumber of -1 leaves the title alone.
    virtual void setTitleTexts(std::int32_t textNumber, std::int32_t versionNumber) = 0;
    virtual const platform::window::Picture* getSmallIcon() const = 0;
    virtual void setSmallIcon(const platform::window::Picture* icon, bool owned) = 0;
    virtual const platform::window::Picture* getLargeIcon() const = 0;
    virtual void setLargeIcon(const platform::window::Picture* icon, bool owned) = 0;
    virtual bool hasLanguagePack() const = 0;
    virtual lang::Localizer* getLanguagePack() const = 0;
    virtual void setLanguagePack(lang::Localizer* pack) = 0;
    virtual bool hasSkinner() const = 0;
    virtual drawer::Skinner* getSkinner() const = 0;
    virtual void setSkinner(drawer::Skinner* skinner) = 0;
    // With a drawer the window is borderless and paints its own frame; null: the system frame.
    virtual void setWindowDrawer(drawer::window::IThin* drawer, bool owned) = 0;
    virtual drawer::window::IThin* getWindowDrawer() const = 0;

    virtual void addOwnedWindow(IWindow* window) = 0;
    virtual IWindow* getOwnerWindow() const = 0;

    // Listener lists (codes in windowevent).
    virtual void addCloseListener(events::IEventListener* l) = 0;
    virtual void addScaleChangeListener(events::IEventListener* l) = 0;
    virtual void addRightDownListener(events::IEventListener* l) = 0;
    virtual void addLeftDownListener(events::IEventListener* l) = 0;
    virtual void addRightUpListener(events::IEventListener* l) = 0;
    virtual void addLeftUpListener(events::IEventListener* l) = 0;
    virtual void addNotificationIconClickListener(events::IEventListener* l) = 0;
    virtual void addDoubleClickListener(events::IEventListener* l) = 0;
    virtual void addMiddleDownListener(events::IEventListener* l) = 0;
    virtual void addActivateListener(events::IEventListener* l) = 0;
    virtual void addDeactivateListener(events::IEventListener* l) = 0;
    virtual void addMovingListener(events::IEventListener* l) = 0;
    virtual void addKeyDownListener(events::IEventListener* l) = 0;
    virtual void addNotificationIconRightClickListener(events::IEventListener* l) = 0;
    virtual void addContextMenuListener(events::IEventListener* l) = 0;
    virtual void addNotificationListener(events::IEventListener* l) = 0;
    virtual void addSizingListener(events::IEventListener* l) = 0;
    virtual void addMouseMoveListener(events::IEventListener* l) = 0;
    virtual void addWheelListener(events::IEventListener* l) = 0;
    virtual void addInternalNotificationListener(events::IEventListener* l) = 0;
    virtual void addCaptureEndListener(events::IEventListener* l) = 0;
    virtual void addHotKeyListener(events::IEventListener* l) = 0;
    virtual void addTimerListener(events::IEventListener* l) = 0;

    // Menus and status bar (components of the tree; the window places the status bar along
    // its bottom edge and offers menu commands to the menu bar, then the context menu).
    virtual void setMenuBar(IComponent* menuBar) = 0;
    virtual IComponent* getMenuBar() const = 0;
    virtual void setStatusBar(IComponent* statusBar) = 0;
    virtual IComponent* getStatusBar() const = 0;
    virtual void setContextMenu(IPopupMenu* menu, IWindow* owner) = 0;

    // Notifications: the four values travel with the call; a code-2 listener reads them and
    // may store the result postNotification returns.
    virtual std::intptr_t postNotification(std::intptr_t a, std::intptr_t b, std::intptr_t c,
                                           std::intptr_t d) = 0;
    virtual std::intptr_t getNotificationValue1() const = 0;
    virtual std::intptr_t getNotificationValue2() const = 0;
    virtual std::intptr_t getNotificationValue3() const = 0;
    virtual std::intptr_t getNotificationValue4() const = 0;
    virtual void setNotificationResult(std::intptr_t result) = 0;
    // Fires code 15 on the window's thread.
    virtual void sendInternalNotification() = 0;

    virtual void takeFocus() = 0;

    // Valid while a code-8 listener runs (edge numbers 1 left ... 8 bottom-right).
    virtual std::int32_t getSizingEdge() const = 0;
    virtual bool isSizingLeft() const = 0;
    virtual bool isSizingRight() const = 0;
    virtual bool isSizingTop() const = 0;
    virtual bool isSizingBottom() const = 0;
    virtual platform::window::Rect getSizingRect() const = 0;
    virtual void setSizingRect(const platform::window::Rect& rect) = 0;

    virtual void setFixedClientWidth(std::int32_t width) = 0;
    virtual void setFixedClientHeight(std::int32_t height) = 0;
    virtual void setEnforceMinimumSize(bool both) = 0;
    virtual void setEnforceMinimumSize(bool width, bool height) = 0;
    virtual void growToMinimum() = 0;
    virtual std::int32_t getFrameWidth() const = 0;
    virtual std::int32_t getFrameHeight() const = 0;

    // Message boxes from the window's thread.
    virtual void showMessage(const std::u16string& text) = 0;
    virtual void showError(const std::u16string& text) = 0;
    virtual bool ask(const std::u16string& text) = 0;

    // Settings.
    virtual void attachAppWindow(app::IAppWindow* settings, bool withVersion) = 0;
    virtual app::IAppWindow* getAppWindow() const = 0;
    // Writes the geometry to the attached settings; `undoShrink` first undoes an automatic
    // shrink in progress.
    virtual void saveGeometry(bool undoShrink) = 0;
    virtual void setMiddleClickAction(const std::u16string& action) = 0;
    virtual std::u16string getMiddleClickAction() const = 0;

    // Placement.
    virtual bool isPlacementValid() const = 0;
    virtual void keepOnScreen() = 0;
    virtual void setValidatePlacement(bool on) = 0;
    virtual void setKeepInsideScreen(bool on) = 0;
    virtual void setFollowCursor(bool on) = 0;
    virtual void setHideCursor(bool on) = 0;

    // Transparency (100 opaque) and the automatic fade or shrink.
    virtual void setTransparency(std::int32_t percent, bool onlyWhileOnTop) = 0;
    virtual std::int32_t getTransparency() const = 0;
    virtual std::int32_t getAppliedTransparency() const = 0;
    // delaySeconds: the time outside the window before it comes back; a target of -1 keeps
    // that dimension when shrinking.
    virtual void setAutoHide(bool enabled, bool shrink, bool onlyWhileOnTop,
                             std::int32_t delaySeconds, std::int32_t targetWidth,
                             std::int32_t targetHeight, bool restoreWithShift) = 0;
    virtual bool isShrunk() const = 0;
    virtual bool isFaded() const = 0;
    virtual bool isTransformed() const = 0;

    virtual void beginCapture() = 0;

    // Hot keys are not offered by this platform: registration answers false (and shows why
    // when `report` is set).
    virtual bool registerHotKey(bool alt, bool ctrl, bool shift, bool win, std::uint32_t key,
                                const std::u16string& name, bool report) = 0;
    virtual void unregisterHotKey(const std::u16string& name) = 0;
    virtual void unregisterAllHotKeys() = 0;
    virtual bool isHotKey(const std::u16string& name) const = 0;

    // User timers: code 26 with getTimerNumber() every `milliseconds`; negative numbers are
    // refused.
    virtual bool startTimer(std::int32_t number, std::uint32_t milliseconds) = 0;
    virtual void stopTimer(std::int32_t number) = 0;
    virtual std::int32_t getTimerNumber() const = 0;

    virtual std::uint32_t getKeyCode() const = 0;
    virtual std::int32_t getWheelLineCount() const = 0;
};

}  // namespace s::gui
