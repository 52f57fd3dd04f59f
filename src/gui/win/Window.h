// The top-level window at the root of a component tree: it owns the user-interface thread on
// which its native window and those of all its descendants are made, painted and destroyed,
// and carries the window's options, events, automatic fade or shrink and settings.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "gui/IWindow.h"
#include "gui/win/AutoHide.h"
#include "gui/win/Box.h"
#include "gui/win/FrameChrome.h"
#include "gui/win/InvisibleWindow.h"
#include "gui/win/ModalGuard.h"
#include "gui/win/UIThread.h"
#include "gui/win/WindowPlacement.h"
#include "platform/window/Picture.h"
#include "thread/Pooled.h"

namespace s::gui::win {

// Private messages of the window (gui/win/Messages.h), by the first parameter they carry:
// kMsgNotification a Notification* (fire code 2); kMsgShowMessage, kMsgShowError and kMsgAsk a
// std::u16string* (kMsgAsk answers 1 for yes); kMsgInternalNotification fires code 15;
// kMsgRunOnOwner a std::function<void()>*.

class Button;

class Window : public BoxBase, public virtual IWindow, public thread::Pooled<Window, 0> {
public:
    Window();
    ~Window() override;

    const char16_t* typeName() const override { return u"s_gui_win_Window"; }
    base::IObject* newInstance() const override { return create(); }
    void release() override { thread::Pooled<Window, 0>::release(); }
    void recycle() override {}

    // False when the native window could not be made (the window can only be released).
    bool hasNativeWindow() const { return native_ != platform::window::kNoWindow; }
    bool isOwnerThread() const override;
    void onEvent(void* source, std::int32_t code) override;

    IWindow* getWindow() const override { return const_cast<Window*>(this); }
    IComponent* getParent() const override { return nullptr; }
    // A window is the root: it is not attached anywhere.
    void attach(IComponent* parent) override {}
    void add(IComponent* child) override;
    // Shows (activating when asked, placing it first as the settings say) or hides the window.
    void setVisible(bool show, bool activate) override;
    std::int32_t getMaxWidth() const override;
    std::int32_t getMaxHeight() const override;
    std::int32_t getMinClientWidth() const override;
    std::int32_t getMinClientHeight() const override;
    // The inside above a shown status bar (the bar sits below it, along the bottom edge).
    std::int32_t getClientHeight() const override;
    std::int32_t getMinHeight() const override;
    // A window centres itself in the work area of its screen.
    void centre() override;
    void centreHorizontally() override;
    void centreVertically() override;
    void layout() override;

    // IWindow.
    bool isClosed() const override { return closed_.load(); }
    void close() override;
    void vetoClose() override { closeVetoed_ = true; }
    void waitUntilClosed() override;
    // Waits until `done` answers true; on the window's own thread the messages other threads
    // send to it are still handled meanwhile (a worker that reports synchronously can finish).
    void waitUntil(const std::function<bool()>& done);
    // Closes as the close button does, first ending every modal loop over the window (message
    // boxes as their Cancel or Close, popups, the About window). Any thread.
    void closeOverModal();
    // The guard every nested loop over this window enters (see ModalGuard).
    ModalGuard& modalGuard() { return modal_; }

    void activate(bool active) override;
    bool isMinimized() const override;
    void minimize() override;
    bool isMaximized() const override;
    void maximize() override;
    void restore() override;
    void showNormal() override;
    void iconize() override;
    bool isIconized() const override { return iconized_; }

    void setEasyDrag(bool on) override;
    bool getEasyDrag() const override { return easyDrag_; }
    void setMaximizeBox(bool on) override;
    void setMinimizeBox(bool on) override;
    bool hasMaximizeBox() const { return maximizeBox_; }
    bool hasMinimizeBox() const { return minimizeBox_; }
    void setSystemMenu(bool on) override { systemMenu_ = on; }
    void setCaption(bool on) override { caption_ = on; }
    void setToolWindow(bool on) override;
    void setFramed(bool on) override;
    bool isFramed() const override { return framed_; }
    void setClientEdge(bool on) override { clientEdge_ = on; }
    void setTaskbarButton(bool on) override;
    bool isResizable() const override { return resizable_; }
    void setResizable(bool on) override;

    void showNotificationIcon(bool show) override {}
    void updateNotificationIcon() override {}
    void setKeepNotificationIcon(bool on) override { keepNotificationIcon_ = on; }
    void setNotificationIconWhileOpen(bool on) override {}
    void setCloseToNotificationArea(bool on) override { closeToNotificationArea_ = on; }
    void setNotificationIconMenu(IPopupMenu* menu) override { notificationMenu_ = menu; }
    void setNotificationClickToggles(bool on) override { notificationClickToggles_ = on; }

    void setKeepOnTop(bool on) override;
    bool isKeptOnTop() const override { return keptOnTop_; }

    std::u16string getTitle() const override;
    void setTitle(const std::u16string& title) override;
    void setTitleTexts(std::int32_t textNumber, std::int32_t versionNumber) override;
    const platform::window::Picture* getSmallIcon() const override { return smallIcon_; }
    void setSmallIcon(const platform::window::Picture* icon, bool owned) override;
    const platform::window::Picture* getLargeIcon() const override { return largeIcon_; }
    void setLargeIcon(const platform::window::Picture* icon, bool owned) override;
    bool hasLanguagePack() const override { return localizer_ != nullptr; }
    lang::Localizer* getLanguagePack() const override { return localizer_; }
    void setLanguagePack(lang::Localizer* pack) override;
    bool hasSkinner() const override { return skinner_ != nullptr; }
    drawer::Skinner* getSkinner() const override { return skinner_; }
    // Registers with the skinner and takes the window drawer of its current skin, again on
    // every change of skin.
    void setSkinner(drawer::Skinner* skinner) override;
    void setWindowDrawer(drawer::window::IThin* drawer, bool owned) override;
    drawer::window::IThin* getWindowDrawer() const override { return chrome_.drawer(); }

    void addOwnedWindow(IWindow* window) override;
    IWindow* getOwnerWindow() const override { return ownerWindow_; }

    void addCloseListener(events::IEventListener* l) override { listen(windowevent::kClose, l); }
    void addScaleChangeListener(events::IEventListener* l) override {
        listen(windowevent::kScaleChange, l);
    }
    void addRightDownListener(events::IEventListener* l) override {
        listen(windowevent::kRightDown, l);
    }
    void addLeftDownListener(events::IEventListener* l) override {
        listen(windowevent::kLeftDown, l);
    }
    void addRightUpListener(events::IEventListener* l) override {
        listen(windowevent::kRightUp, l);
    }
    void addLeftUpListener(events::IEventListener* l) override { listen(windowevent::kLeftUp, l); }
    void addNotificationIconClickListener(events::IEventListener* l) override {
        listen(windowevent::kNotificationIconClick, l);
    }
    void addDoubleClickListener(events::IEventListener* l) override {
        listen(windowevent::kDoubleClick, l);
    }
    void addMiddleDownListener(events::IEventListener* l) override {
        listen(windowevent::kMiddleDown, l);
    }
    void addActivateListener(events::IEventListener* l) override {
        listen(windowevent::kActivate, l);
    }
    void addDeactivateListener(events::IEventListener* l) override {
        listen(windowevent::kDeactivate, l);
    }
    void addMovingListener(events::IEventListener* l) override { listen(windowevent::kMoving, l); }
    void addKeyDownListener(events::IEventListener* l) override {
        listen(windowevent::kKeyDown, l);
    }
    void addNotificationIconRightClickListener(events::IEventListener* l) override {
        listen(windowevent::kNotificationIconRightClick, l);
    }
    void addContextMenuListener(events::IEventListener* l) override {
        listen(windowevent::kContextMenu, l);
    }
    void addNotificationListener(events::IEventListener* l) override {
        listen(windowevent::kNotification, l);
    }
    void addSizingListener(events::IEventListener* l) override { listen(windowevent::kSizing, l); }
    void addMouseMoveListener(events::IEventListener* l) override {
        listen(windowevent::kMouseMove, l);
    }
    void addWheelListener(events::IEventListener* l) override { listen(windowevent::kWheel, l); }
    void addInternalNotificationListener(events::IEventListener* l) override {
        listen(windowevent::kInternalNotification, l);
    }
    void addCaptureEndListener(events::IEventListener* l) override {
        listen(windowevent::kCaptureEnd, l);
    }
    void addHotKeyListener(events::IEventListener* l) override { listen(windowevent::kHotKey, l); }
    void addTimerListener(events::IEventListener* l) override { listen(windowevent::kTimer, l); }

    void setMenuBar(IComponent* menuBar) override;
    IComponent* getMenuBar() const override { return menuBar_; }
    void setStatusBar(IComponent* statusBar) override;
    IComponent* getStatusBar() const override { return statusBar_; }
    void setContextMenu(IPopupMenu* menu, IWindow* owner) override;
    // Offers a menu command to the menu bar (an IMenuEx), then to the notification-icon menu,
    // then to the context menu; the first that owns it chooses it. Answers whether one did.
    bool dispatchCommand(std::int32_t command);

    std::intptr_t postNotification(std::intptr_t a, std::intptr_t b, std::intptr_t c,
                                   std::intptr_t d) override;
    std::intptr_t getNotificationValue1() const override { return notification_.values[0]; }
    std::intptr_t getNotificationValue2() const override { return notification_.values[1]; }
    std::intptr_t getNotificationValue3() const override { return notification_.values[2]; }
    std::intptr_t getNotificationValue4() const override { return notification_.values[3]; }
    void setNotificationResult(std::intptr_t result) override { notification_.result = result; }
    void sendInternalNotification() override;

    void takeFocus() override;
    // The keyboard focus among the window's widgets. Listeners hear every change with the
    // component as source, code 1 when it got the focus and 0 when it lost it.
    void addFocusListener(events::IEventListener* l) { addListenerTo(focusListeners_, l); }
    // The widget with the focus (null when the focus is elsewhere).
    Component* getFocusedComponent() const;
    // Tab: to the next widget in reading order (the previous with `back`); false when none.
    bool moveFocus(bool back);
    // To the first widget in reading order (the window itself when it has none).
    void focusFirst();
    // When the window opens or comes back and the focus is elsewhere: to the widget that had
    // it last, else the first.
    void regainFocus();
    // A widget of the window got or lost the focus (its own report).
    void focusMoved(Component* component, bool gained);

    std::int32_t getSizingEdge() const override { return sizingEdge_; }
    bool isSizingLeft() const override;
    bool isSizingRight() const override;
    bool isSizingTop() const override;
    bool isSizingBottom() const override;
    platform::window::Rect getSizingRect() const override { return sizingRect_; }
    void setSizingRect(const platform::window::Rect& rect) override { sizingRect_ = rect; }

    void setFixedClientWidth(std::int32_t width) override;
    void setFixedClientHeight(std::int32_t height) override;
    void setEnforceMinimumSize(bool both) override { setEnforceMinimumSize(both, both); }
    void setEnforceMinimumSize(bool width, bool height) override;
    void growToMinimum() override;
    std::int32_t getFrameWidth() const override { return 0; }
    std::int32_t getFrameHeight() const override { return 0; }

    void showMessage(const std::u16string& text) override;
    void showError(const std::u16string& text) override;
    bool ask(const std::u16string& text) override;

    void attachAppWindow(app::IAppWindow* settings, bool withVersion) override;
    app::IAppWindow* getAppWindow() const override { return appWindow_; }
    void saveGeometry(bool undoShrink) override;
    void setMiddleClickAction(const std::u16string& action) override;
    std::u16string getMiddleClickAction() const override { return middleAction_; }

    bool isPlacementValid() const override;
    void keepOnScreen() override;
    void setValidatePlacement(bool on) override { placement_.setValidate(on); }
    void setKeepInsideScreen(bool on) override { placement_.setKeepInside(on); }
    void setFollowCursor(bool on) override { placement_.setFollowCursor(on); }
    void setHideCursor(bool on) override { hideCursor_ = on; }

    void setTransparency(std::int32_t percent, bool onlyWhileOnTop) override;
    std::int32_t getTransparency() const override { return autoHide_.transparency(); }
    std::int32_t getAppliedTransparency() const override { return autoHide_.appliedTransparency(); }
    void setAutoHide(bool enabled, bool shrink, bool onlyWhileOnTop, std::int32_t delaySeconds,
                     std::int32_t targetWidth, std::int32_t targetHeight,
                     bool restoreWithShift) override;
    bool isShrunk() const override { return autoHide_.isShrunk(); }
    bool isFaded() const override { return autoHide_.isFaded(); }
    bool isTransformed() const override { return isShrunk() || isFaded(); }

    void beginCapture() override;

    bool registerHotKey(bool alt, bool ctrl, bool shift, bool win, std::uint32_t key,
                        const std::u16string& name, bool report) override;
    void unregisterHotKey(const std::u16string& name) override;
    void unregisterAllHotKeys() override;
    bool isHotKey(const std::u16string& name) const override;
    // The text shown when a hot key cannot be registered.
    static std::u16string hotKeyText(bool alt, bool ctrl, bool shift, bool win, std::uint32_t key);
    // The error number reported for every hot key: the platform offers none.
    static constexpr std::int32_t kHotKeyUnavailable = 95;

    bool startTimer(std::int32_t number, std::uint32_t milliseconds) override;
    void stopTimer(std::int32_t number) override;
    std::int32_t getTimerNumber() const override { return timerNumber_; }

    std::uint32_t getKeyCode() const override { return keyCode_; }
    // Enter anywhere in the window (no widget took it) presses this button.
    void setDefaultButton(Button* button) { defaultButton_ = button; }
    // Escape closes the window as its close box does (a dialog's cancel).
    void setEscapeCloses(bool on) { escapeCloses_ = on; }
    std::int32_t getWheelLineCount() const override { return wheelLineCount_; }

    // The back buffer a window with a drawer paints its frame into (tests look at its size).
    platform::window::Size backBufferSize() const;
    // Native timers of the automatic fade and shrink; user timers are offset by kUserTimerBase.
    static constexpr std::uint32_t kFadeWaitTimer = AutoHide::kFadeWaitTimer,
                                   kFadeInTimer = AutoHide::kFadeInTimer,
                                   kFadeOutTimer = AutoHide::kFadeOutTimer,
                                   kShrinkWaitTimer = AutoHide::kShrinkWaitTimer,
                                   kGrowTimer = AutoHide::kGrowTimer,
                                   kShrinkTimer = AutoHide::kShrinkTimer;
    static constexpr std::uint32_t kUserTimerBase = 10000;
    // The self-painted frame (drawer, back buffer, shape, hit test).
    const FrameChrome& frameChrome() const { return chrome_; }

    platform::window::Result handleMessage(platform::window::Handle window, std::uint32_t message,
                                           platform::window::WParam wparam,
                                           platform::window::LParam lparam) override;

protected:
    void paint(platform::window::Canvas& canvas, platform::window::Rect area) override;

private:
    struct Notification {
        std::intptr_t values[4] = {0, 0, 0, 0};
        std::intptr_t result = 0;
    };

    bool makeNativeWindows();
    // Runs work on the window's thread (directly when already there) and waits for it.
    void onOwner(const std::function<void()>& work) const;
    void listen(std::int32_t code, events::IEventListener* listener);
    void fire(std::int32_t code);
    void handleClose();
    // The keys of the window itself, after its key listeners: closing, Enter and Escape.
    void windowKey(std::uint32_t key);
    void handleNotification(Notification* n);
    int showBox(std::uint32_t kind, const std::u16string& text);
    void undoShrink() { autoHide_.undoShrink(); }
    void rebuildTitle();
    void takeSkin();
    // The window drawer's shape for the current size, given to the native window.
    void applyShape();
    void applyIcon();
    void applyStyle();
    void applyMinimumSize();
    void middleAction();
    void rightDown();
    void keepReachable();
    void takeScale();
    // The height of the status bar when one is set and shown, else 0.
    std::int32_t statusBarHeight() const;
    platform::window::Rect bounds() const { return {x_, y_, width_, height_}; }
    platform::window::HitTest hitTest(platform::window::Point screen);
    // The height of the menu bar's row of a window without a system frame (0 for none): its
    // title bar, which moves the window and maximises or restores it on a double click.
    std::int32_t titleRowHeight() const;
    // The menu bar shows the window buttons of a window without a system frame.
    void menuBarChanged();

    UIThread thread_;
    InvisibleWindow invisible_;

    std::map<std::int32_t, std::vector<events::IEventListener*>> listeners_;
    std::atomic<bool> closed_{false};
    bool closeVetoed_ = false;
    ModalGuard modal_;
    bool iconized_ = false;
    bool dragging_ = false;
    std::int64_t lastDeactivation_ = 0;

    bool easyDrag_ = false, keptOnTop_ = false, taskbarButton_ = true, resizable_ = true;
    bool minimizeBox_ = true, maximizeBox_ = true, systemMenu_ = true, caption_ = true;
    bool toolWindow_ = false, framed_ = true, clientEdge_ = true;
    bool closeToNotificationArea_ = false, keepNotificationIcon_ = false;
    bool notificationClickToggles_ = true, hideCursor_ = false;
    WindowPlacement placement_;
    bool enforceMinWidth_ = true, enforceMinHeight_ = true;
    std::int32_t fixedClientWidth_ = -1, fixedClientHeight_ = -1;
    std::u16string middleAction_ = kMiddleDoNothing;

    std::int32_t titleNumber_ = -1, versionNumber_ = -1;
    const platform::window::Picture* smallIcon_ = nullptr;
    const platform::window::Picture* largeIcon_ = nullptr;
    bool ownsSmallIcon_ = false, ownsLargeIcon_ = false;
    lang::Localizer* localizer_ = nullptr;
    drawer::Skinner* skinner_ = nullptr;
    FrameChrome chrome_;
    app::IAppWindow* appWindow_ = nullptr;
    IWindow* ownerWindow_ = nullptr;
    std::vector<IWindow*> ownedWindows_;

    IComponent* menuBar_ = nullptr;
    IComponent* statusBar_ = nullptr;
    double factor_ = 1.0;  // the scale factor the window is measured at
    IPopupMenu* contextMenu_ = nullptr;
    IWindow* contextOwner_ = nullptr;
    IPopupMenu* notificationMenu_ = nullptr;

    Notification notification_;
    std::int32_t sizingEdge_ = 0;
    platform::window::Rect sizingRect_;
    std::int32_t timerNumber_ = -1;
    std::uint32_t keyCode_ = 0;
    Button* defaultButton_ = nullptr;
    std::vector<events::IEventListener*> focusListeners_;
    platform::window::Handle lastFocus_ = platform::window::kNoWindow;
    bool escapeCloses_ = false;
    std::int32_t wheelLineCount_ = 0;
    std::map<std::u16string, std::uint32_t> hotKeys_;
    std::uint32_t pressedHotKey_ = 0;

    // Transparency and the automatic fade or shrink, on the window's native timers.
    class AutoHideHost : public AutoHide::Host {
    public:
        explicit AutoHideHost(Window& window) : window_(window) {}
        void setTimer(std::uint32_t id, std::uint32_t milliseconds) override;
        void killTimer(std::uint32_t id) override;
        void setOpacity(std::int32_t percent) override;
        platform::window::Rect bounds() const override { return window_.bounds(); }
        void setSize(std::int32_t width, std::int32_t height) override;
        bool pointerIn(platform::window::Rect r) const override;
        bool shiftDown() const override;
        bool keptOnTop() const override { return window_.keptOnTop_; }

    private:
        Window& window_;
    };
    AutoHideHost autoHideHost_{*this};
    AutoHide autoHide_{autoHideHost_};
};

// A window of the given client size at (x, y), hidden until setVisible(true, ...).
Window* newWindow(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height);

}  // namespace s::gui::win
