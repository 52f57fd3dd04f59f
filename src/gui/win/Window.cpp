// The top-level window: its thread and native windows, closing, state, styles, events and
// sizing. Its parts live beside it: the automatic fade and shrink (AutoHide), where it may be
// and what the settings keep of it (WindowPlacement), the self-painted frame (FrameChrome), the
// focus (WindowFocus.cpp), the settings it reads and writes (WindowSettings.cpp) and the hot
// keys (WindowHotKeys.cpp).
#include "gui/win/Window.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <mutex>
#include <optional>
#include <thread>

#include "app/IAppWindow.h"
#include "gui/IMenuEx.h"
#include "gui/IPopupMenu.h"
#include "gui/access/Access.h"
#include "gui/drawer/Skinner.h"
#include "gui/drawer/window/IThin.h"
#include "gui/events/Listeners.h"
#include "gui/layout/Vertical.h"
#include "gui/win/Button.h"
#include "gui/win/MenuEx.h"
#include "gui/win/MessageBoxW.h"
#include "gui/win/PopupMenu.h"
#include "lang/Localizer.h"
#include "platform/window/MessageBox.h"
#include "platform/window/Popup.h"

namespace pw = platform::window;

namespace s::gui::win {

namespace {

std::int64_t nowMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

constexpr std::int32_t kDefaultWidth = 240;
constexpr std::int32_t kDefaultHeight = 120;
// A deactivation this recent came from the click that is being handled.
constexpr std::int64_t kRecentDeactivationMs = 150;

}  // namespace

// ---- thread and native windows ------------------------------------------------------------

Window::Window() {
    window_ = this;
    manager_ = layout::Vertical::shared();
    background_ = kSystemButtonFace;
    transparent_ = false;
    shown_ = false;
    hoverTracking_ = false;
    width_ = px(kDefaultWidth);
    height_ = px(kDefaultHeight);
    // Blocks until the thread has made the windows (or failed to).
    thread_.start([this] { return makeNativeWindows(); });
}

bool Window::makeNativeWindows() {
    // 1. The invisible owner window.
    invisible_.create();
    // 2. The visible window: framed, sizable, hidden, at the default place and size.
    registerNativeClass();
    pw::Rect work = pw::workArea({0, 0});
    pw::CreateParams params;
    params.className = kComponentClass;
    params.owner = invisible_.handle();
    const std::int32_t w = px(kDefaultWidth), h = px(kDefaultHeight);
    params.rect = {work.x + (work.width - w) / 2, work.y + (work.height - h) / 2, w, h};
    params.style = pw::kStyleResizable;
    params.title = u"Window";
    params.userData = this;
    pw::Handle made = pw::create(params);
    if (made == pw::kNoWindow) {
        // 5. The user hears of it; the window stays without a native window.
        invisible_.destroy();
        pw::MessageBoxRequest box;
        box.text = u"Window Creation Failed!";
        box.title = u"Error!";
        box.icon = pw::BoxIcon::kWarning;
        box.colours = messageBoxColours(pw::kNoWindow);
        pw::messageBox(box);
        return false;
    }
    x_ = params.rect.x;
    y_ = params.rect.y;
    factor_ = scaleFactor();
    native_ = made;
    modal_.setWindow(made);
    access::Access::windowOpened(this);
    return true;
}

Window::~Window() {
    // The window owns the tree still in it: the components are released on the window's
    // thread, where their native windows live, before that thread ends. Nothing else could
    // release them once the window is gone.
    auto releaseTree = [this] {
        frozen_ = true;  // no layout between the removals
        removeAll(true);
        // The status bar is its owner's to release; it only leaves the window.
        if (statusBar_) statusBar_->attach(nullptr);
        statusBar_ = nullptr;
    };
    if (!handOff(releaseTree)) releaseTree();
    pw::Handle native = native_;
    if (native != pw::kNoWindow) {
        // The native windows go on their own thread, which then leaves its loop.
        pw::send(native, kMsgDestroyWindow);
        forgetNative();
    }
    thread_.stop();
    if (ownsSmallIcon_) delete smallIcon_;
    if (ownsLargeIcon_) delete largeIcon_;
    if (localizer_) localizer_->removeListener(this);
    if (skinner_) skinner_->unregisterListener(this);
}

bool Window::isOwnerThread() const {
    return pw::isOwnerThread(native_);
}

void Window::onOwner(const std::function<void()>& work) const {
    // Without a native window (or after it) the work is done on the caller.
    pw::callOnOwner(native_, [&]() -> pw::Result {
        work();
        return 1;
    });
}

void Window::onEvent(void* source, std::int32_t code) {
    // The language changed: the title follows.
    if (localizer_ && source == localizer_) onOwner([this] { rebuildTitle(); });
    // The skin changed: so does the frame.
    if (skinner_ && source == skinner_) onOwner([this] { takeSkin(); });
}

// ---- listeners ------------------------------------------------------------------------------

void Window::listen(std::int32_t code, events::IEventListener* listener) {
    onOwner([&] { listeners_[code].push_back(listener); });
}

void Window::fire(std::int32_t code) {
    auto it = listeners_.find(code);
    if (it == listeners_.end()) return;
    events::fireListeners(it->second, eventSource(this), code);
}

// ---- tree -----------------------------------------------------------------------------------

void Window::add(IComponent* child) {
    if (handOff([&] { add(child); })) return;
    children_.push_back(child);
    child->setParentComponent(this);
    if (native_ == pw::kNoWindow) return;
    child->attach(this);
    layout();
}

void Window::setStatusBar(IComponent* statusBar) {
    onOwner([&] {
        // The bar taken away leaves the window for good: no pointer back to a window that may
        // be released before the bar is emptied.
        if (statusBar_ && statusBar_ != statusBar) statusBar_->attach(nullptr);
        statusBar_ = statusBar;
        if (statusBar) {
            // Attached to the window but kept out of the children: the window places it.
            statusBar->attach(this);
        }
        layout();
    });
}

void Window::layout() {
    if (native_ != pw::kNoWindow && !pw::isOwnerThread(native_)) {
        pw::send(native_, kMsgLayout);
        return;
    }
    std::int32_t barHeight = statusBarHeight();
    BoxBase::layout();
    if (statusBar_ && statusBar_->isVisibleFlag()) {
        // The bar learns the height its fields need from its own layout: placed, laid out, and
        // placed again while that height still changes.
        for (int pass = 0; pass < 3; ++pass) {
            std::int32_t h = statusBar_->getMaxHeight();
            statusBar_->setBounds(0, BoxBase::getClientHeight() - h, getClientWidth(), h);
            statusBar_->relayout();
            if (statusBar_->getMaxHeight() == h) break;
        }
        // The children were laid out above a bar of another height.
        if (statusBarHeight() != barHeight) BoxBase::layout();
    }
    applyMinimumSize();
}

std::int32_t Window::statusBarHeight() const {
    return statusBar_ && statusBar_->isVisibleFlag() ? statusBar_->getMaxHeight() : 0;
}

std::int32_t Window::getClientHeight() const {
    return std::max(BoxBase::getClientHeight() - statusBarHeight(), 0);
}

std::int32_t Window::getMinHeight() const {
    return BoxBase::getMinHeight() + statusBarHeight();
}

std::int32_t Window::getMaxWidth() const {
    if (fixedWidth_ >= 0) return fixedWidth_;
    return pw::workArea({x_, y_}).width;
}

std::int32_t Window::getMaxHeight() const {
    if (fixedHeight_ >= 0) return fixedHeight_;
    return pw::workArea({x_, y_}).height;
}

std::int32_t Window::getMinClientWidth() const {
    if (fixedWidth_ >= 0) return fixedWidth_;
    std::int32_t widest = 0;
    for (IComponent* child : children_) widest = std::max(widest, child->getMinWidth());
    return widest;
}

std::int32_t Window::getMinClientHeight() const {
    std::int32_t sum = 0;
    for (IComponent* child : children_) sum += child->getMinHeight();
    return sum;
}

void Window::centre() {
    centreHorizontally();
    centreVertically();
}

// The place is read and changed on the owner thread, where the user's moves land.
void Window::centreHorizontally() {
    if (handOff([&] { centreHorizontally(); })) return;
    pw::Rect area = pw::workArea({x_ + width_ / 2, y_ + height_ / 2});
    setPosition(area.x + std::max((area.width - width_) / 2, 0), y_);
}

void Window::centreVertically() {
    if (handOff([&] { centreVertically(); })) return;
    pw::Rect area = pw::workArea({x_ + width_ / 2, y_ + height_ / 2});
    setPosition(x_, area.y + std::max((area.height - height_) / 2, 0));
}

void Window::takeFocus() {
    onOwner([this] { pw::setFocus(native_); });
}

// ---- closing --------------------------------------------------------------------------------

void Window::close() {
    if (native_ == pw::kNoWindow) return;
    pw::send(native_, pw::msg::kClose);
}

void Window::handleClose() {
    if (closed_.load()) return;
    // A modal box, popup or the About window is over the window: the close waits for the
    // outermost to end, so that the application does not take the window away beneath it.
    if (modal_.holdClose()) return;
    closeVetoed_ = false;
    fire(windowevent::kClose);
    if (closeVetoed_) return;
    setVisible(false, false);
    closed_ = true;
}

void Window::windowKey(std::uint32_t key) {
    if (closed_.load()) return;
    bool ctrl = pw::isKeyDown(pw::vk::kControl);
    bool alt = pw::isKeyDown(pw::vk::kAlt);
    if (ctrl && !alt && (key == 'W' || key == 'Q')) {
        close();
    } else if (ctrl || alt) {
        return;
    } else if (key == pw::vk::kReturn && defaultButton_ && defaultButton_->isEnabled() &&
               defaultButton_->isShown()) {
        defaultButton_->click();
    } else if (key == pw::vk::kEscape && escapeCloses_) {
        close();
    } else if (key == pw::vk::kF1 + 9 && !pw::isKeyDown(pw::vk::kShift)) {  // F10
        if (auto* bar = dynamic_cast<MenuEx*>(menuBar_)) bar->toggleKeys();
    } else if (key == pw::vk::kTab) {
        moveFocus(pw::isKeyDown(pw::vk::kShift));
    }
}

void Window::closeOverModal() {
    if (native_ == pw::kNoWindow) return;
    onOwner([this] {
        if (!modal_.holdClose()) {
            handleClose();
            return;
        }
        modal_.cancelAll();
    });
}

void Window::waitUntilClosed() {
    waitUntil([this] { return closed_.load(); });
}

void Window::waitUntil(const std::function<bool()>& done) {
    if (native_ != pw::kNoWindow && pw::isOwnerThread(native_)) {
        pw::waitHandlingSent(done, -1, UIThread::kPollMs);
        return;
    }
    while (!done()) std::this_thread::sleep_for(std::chrono::milliseconds(UIThread::kPollMs));
}

// ---- showing and state ----------------------------------------------------------------------

void Window::setVisible(bool show, bool activate) {
    if (native_ == pw::kNoWindow) {
        shown_ = show;
        return;
    }
    onOwner([&] {
        if (show) {
            if (shown_ && pw::isShown(native_)) return;
            if (placement_.followsCursor()) {
                pw::Point c = pw::cursorPosition();
                setPosition(c.x - width_ / 2, c.y - height_ / 2);
            }
            if (!isMaximized()) {
                if (appWindow_ && appWindow_->isMaximized()) {
                    maximize();
                } else if (placement_.validates() && !placement_.keepsInside() &&
                           !placement_.followsCursor()) {
                    bool noPosition = appWindow_ && !appWindow_->hasPosition();
                    if (noPosition || !isPlacementValid()) centre();
                }
            }
            shown_ = true;
            pw::show(native_, true);
            if (activate) pw::activate(native_);
            regainFocus();
            pw::invalidate(native_);
            return;
        }
        saveGeometry(true);
        shown_ = false;
        pw::show(native_, false);
    });
}

void Window::activate(bool active) {
    onOwner([&] {
        if (!active) {
            lastDeactivation_ = nowMs();
            return;
        }
        // To the front: on top for a moment, then back to the kept state.
        pw::setOnTop(native_, true);
        pw::activate(native_);
        pw::setOnTop(native_, keptOnTop_);
    });
}

bool Window::isMinimized() const {
    return pw::showState(native_) == pw::ShowState::kMinimised;
}

bool Window::isMaximized() const {
    return pw::showState(native_) == pw::ShowState::kMaximised;
}

void Window::minimize() {
    onOwner([this] {
        undoShrink();
        pw::setShowState(native_, pw::ShowState::kMinimised);
    });
}

void Window::maximize() {
    onOwner([this] {
        undoShrink();
        pw::setShowState(native_, pw::ShowState::kMaximised);
        applyShape();
    });
}

void Window::restore() {
    onOwner([this] {
        // A window minimised while maximised comes back maximised, as the desktop restores it.
        pw::ShowState back = pw::restoredShowState(native_);
        if (appWindow_ && back != pw::ShowState::kMaximised) appWindow_->setMaximized(false);
        if (iconized_) {
            iconized_ = false;
            pw::show(native_, true);
            pw::activate(native_);
        }
        pw::setShowState(native_, back);
        applyShape();
    });
}

void Window::showNormal() {
    onOwner([this] {
        pw::setShowState(native_, pw::ShowState::kNormal);
        applyShape();
    });
}

void Window::iconize() {
    // No notification area here: the window is minimised, never hidden, so that the task bar
    // or the window list always brings it back.
    onOwner([this] {
        if (iconized_) return;
        undoShrink();
        pw::setShowState(native_, pw::ShowState::kMinimised);
        iconized_ = true;
    });
}

// ---- styles ---------------------------------------------------------------------------------

void Window::applyStyle() {
    std::uint32_t style = 0;
    if (!framed_) style |= pw::kStyleBorderless;
    if (resizable_) style |= pw::kStyleResizable;
    if (!taskbarButton_) style |= pw::kStyleNoTaskbar;
    if (toolWindow_) style |= pw::kStyleToolWindow;
    pw::setStyle(native_, style);
}

void Window::setEasyDrag(bool on) {
    easyDrag_ = on;
    if (appWindow_) appWindow_->setEasyDrag(on);
}

void Window::setMaximizeBox(bool on) {
    maximizeBox_ = on;
    menuBarChanged();
}

void Window::setMinimizeBox(bool on) {
    minimizeBox_ = on;
    menuBarChanged();
}

void Window::setMenuBar(IComponent* menuBar) {
    menuBar_ = menuBar;
    menuBarChanged();
}

void Window::menuBarChanged() {
    if (auto* bar = dynamic_cast<MenuEx*>(menuBar_)) {
        bar->windowButtonsChanged();
    } else if (menuBar_) {
        menuBar_->repaint();
    }
}

void Window::setToolWindow(bool on) {
    onOwner([&] {
        toolWindow_ = on;
        applyStyle();
    });
}

void Window::setFramed(bool on) {
    onOwner([&] {
        framed_ = on;
        applyStyle();
        menuBarChanged();
        pw::invalidate(native_);
    });
}

void Window::setTaskbarButton(bool on) {
    onOwner([&] {
        if (taskbarButton_ == on) return;
        taskbarButton_ = on;
        // Hidden and shown again around the change.
        bool wasShown = pw::isShown(native_);
        if (wasShown) pw::show(native_, false);
        applyStyle();
        if (wasShown) pw::show(native_, true);
    });
}

void Window::setResizable(bool on) {
    onOwner([&] {
        resizable_ = on;
        applyStyle();
    });
}

// ---- keep on top and transparency -----------------------------------------------------------

void Window::setKeepOnTop(bool on) {
    onOwner([&] {
        bool was = keptOnTop_;
        keptOnTop_ = on;
        pw::setOnTop(native_, on);
        autoHide_.keptOnTopChanged(was, on);
        if (appWindow_) appWindow_->setKeepOnTop(on);
    });
}

void Window::setTransparency(std::int32_t percent, bool onlyWhileOnTop) {
    onOwner([&] { autoHide_.setTransparency(percent, onlyWhileOnTop); });
}

// ---- automatic fade and shrink --------------------------------------------------------------

void Window::setAutoHide(bool enabled, bool shrink, bool onlyWhileOnTop, std::int32_t delaySeconds,
                         std::int32_t targetWidth, std::int32_t targetHeight,
                         bool restoreWithShift) {
    onOwner([&] {
        autoHide_.setAutoHide(enabled, shrink, onlyWhileOnTop, delaySeconds, targetWidth,
                              targetHeight, restoreWithShift);
    });
}

void Window::AutoHideHost::setTimer(std::uint32_t id, std::uint32_t milliseconds) {
    pw::setTimer(window_.native_, id, milliseconds);
}

void Window::AutoHideHost::killTimer(std::uint32_t id) {
    pw::killTimer(window_.native_, id);
}

void Window::AutoHideHost::setOpacity(std::int32_t percent) {
    std::int32_t alpha = std::clamp(percent * 255 / 100, 0, 255);
    pw::setOpacity(window_.native_, static_cast<std::uint8_t>(alpha));
}

void Window::AutoHideHost::setSize(std::int32_t width, std::int32_t height) {
    window_.setSize(width, height);
}

bool Window::AutoHideHost::pointerIn(pw::Rect r) const {
    return r.contains(pw::cursorPosition());
}

bool Window::AutoHideHost::shiftDown() const {
    return pw::isKeyDown(pw::vk::kShift);
}

// ---- title, icons, language, drawer ---------------------------------------------------------

std::u16string Window::getTitle() const {
    return pw::title(native_);
}

void Window::setTitle(const std::u16string& title) {
    if (native_ != pw::kNoWindow) pw::setTitle(native_, title);
}

void Window::setTitleTexts(std::int32_t textNumber, std::int32_t versionNumber) {
    onOwner([&] {
        if (textNumber == -1) return;
        titleNumber_ = textNumber;
        versionNumber_ = versionNumber;
        rebuildTitle();
    });
}

void Window::rebuildTitle() {
    if (!localizer_ || titleNumber_ == -1) return;
    std::u16string title = localizer_->text(titleNumber_);
    if (versionNumber_ != -1) {
        title += u" v";
        title += localizer_->text(versionNumber_);
    }
    pw::setTitle(native_, title);
}

void Window::setLanguagePack(lang::Localizer* pack) {
    onOwner([&] {
        if (localizer_ == pack) return;
        if (localizer_) localizer_->removeListener(this);
        localizer_ = pack;
        if (pack) pack->addListener(this);
        rebuildTitle();
    });
}

void Window::setSmallIcon(const pw::Picture* icon, bool owned) {
    onOwner([&] {
        if (ownsSmallIcon_ && smallIcon_ != icon) delete smallIcon_;
        smallIcon_ = icon;
        ownsSmallIcon_ = owned;
        applyIcon();
    });
}

void Window::setLargeIcon(const pw::Picture* icon, bool owned) {
    onOwner([&] {
        if (ownsLargeIcon_ && largeIcon_ != icon) delete largeIcon_;
        largeIcon_ = icon;
        ownsLargeIcon_ = owned;
        applyIcon();
    });
}

void Window::applyIcon() {
    // The desktop scales one icon for every place: the larger one is given.
    pw::setIcon(native_, largeIcon_ ? largeIcon_ : smallIcon_);
}

void Window::setSkinner(drawer::Skinner* skinner) {
    onOwner([&] {
        if (skinner_ == skinner) return;
        if (skinner_) skinner_->unregisterListener(this);
        skinner_ = skinner;
        if (skinner) skinner->registerListener(this);
        takeSkin();
    });
}

void Window::takeSkin() {
    drawer::ISkin* skin = skinner_ ? skinner_->getCurrentSkin() : nullptr;
    // The skin owns its drawers; without a skin the system frame comes back.
    setWindowDrawer(skin ? skin->getWindowDrawer() : nullptr, false);
    repaint();
}

void Window::setWindowDrawer(drawer::window::IThin* drawer, bool owned) {
    onOwner([&] {
        chrome_.setDrawer(drawer, owned);
        // With a drawer the window paints its own frame.
        setFramed(drawer == nullptr);
        applyShape();
        pw::invalidate(native_);
    });
}

void Window::addOwnedWindow(IWindow* window) {
    if (!window) return;
    ownedWindows_.push_back(window);
    if (auto* w = dynamic_cast<Window*>(window)) w->ownerWindow_ = this;
}

// ---- menus ----------------------------------------------------------------------------------

void Window::setContextMenu(IPopupMenu* menu, IWindow* owner) {
    onOwner([&] {
        contextMenu_ = menu;
        contextOwner_ = owner;
        if (auto* popup = dynamic_cast<PopupMenu*>(menu)) {
            popup->setOwnerWindow(owner ? owner->getNativeWindow() : native_);
        }
    });
}

void Window::rightDown() {
    fire(windowevent::kRightDown);
    if (!contextMenu_) return;
    fire(windowevent::kContextMenu);
    pw::Point c = pw::cursorPosition();
    pw::Handle owner = contextOwner_ ? contextOwner_->getNativeWindow() : native_;
    // The menu runs its own loop (inside the modal guard) until it closes; the chosen item
    // reaches its listeners.
    contextMenu_->showAt(c.x, c.y, owner);
}

void Window::applyShape() {
    pw::setShape(native_, chrome_.shape(width_, height_, chrome_.drawer() && isMaximized()));
}

bool Window::dispatchCommand(std::int32_t command) {
    // The menu bar first: a command it owns is chosen through the bar, which tells the owning
    // popup's listeners and its own.
    if (auto* bar = dynamic_cast<IMenuEx*>(menuBar_); bar && bar->ownsCommand(command)) {
        return bar->chooseCommand(command);
    }
    for (IPopupMenu* menu : {notificationMenu_, contextMenu_}) {
        if (!menu || !menu->ownsCommand(command)) continue;
        IPopupMenu* owner = menu->menuOfCommand(command);
        if (!owner) owner = menu;
        owner->choose(owner->findItem(command));
        return true;
    }
    return false;
}

// ---- notifications and message boxes --------------------------------------------------------

std::intptr_t Window::postNotification(std::intptr_t a, std::intptr_t b, std::intptr_t c,
                                       std::intptr_t d) {
    if (native_ == pw::kNoWindow) return 0;
    // The values travel in the message: each call is handled alone on the window's thread.
    Notification n;
    n.values[0] = a;
    n.values[1] = b;
    n.values[2] = c;
    n.values[3] = d;
    pw::send(native_, kMsgNotification, reinterpret_cast<pw::WParam>(&n));
    return n.result;
}

void Window::handleNotification(Notification* n) {
    // A listener may post again (nested): the outer values come back afterwards.
    Notification saved = notification_;
    notification_ = *n;
    notification_.result = 0;
    fire(windowevent::kNotification);
    n->result = notification_.result;
    notification_ = saved;
}

void Window::sendInternalNotification() {
    if (native_ != pw::kNoWindow) pw::send(native_, kMsgInternalNotification);
}

int Window::showBox(std::uint32_t kind, const std::u16string& text) {
    // The box enters the modal guard itself.
    int answer = 1;
    switch (kind) {
        case kMsgShowError:
            errorBox(native_, text);
            break;
        case kMsgAsk:
            answer = askYesNoBox(native_, text) ? 1 : 0;
            break;
        default:
            informBox(native_, text);
            break;
    }
    return answer;
}

void Window::showMessage(const std::u16string& text) {
    if (native_ != pw::kNoWindow)
        pw::send(native_, kMsgShowMessage, 0, reinterpret_cast<pw::LParam>(&text));
}

void Window::showError(const std::u16string& text) {
    if (native_ != pw::kNoWindow)
        pw::send(native_, kMsgShowError, 0, reinterpret_cast<pw::LParam>(&text));
}

bool Window::ask(const std::u16string& text) {
    if (native_ == pw::kNoWindow) return false;
    return pw::send(native_, kMsgAsk, 0, reinterpret_cast<pw::LParam>(&text)) == 1;
}

// ---- placement ------------------------------------------------------------------------------

bool Window::isPlacementValid() const {
    return placement_.isValid(bounds());
}

void Window::keepOnScreen() {
    onOwner([this] {
        if (isMaximized()) return;
        pw::Rect r = WindowPlacement::insideScreen(bounds());
        if (r.x != x_ || r.y != y_) setPosition(r.x, r.y);
    });
}

// After a change of monitors: a window that no monitor shows well any more (its monitor went
// away) is brought into the work area of the nearest one.
void Window::keepReachable() {
    if (isMaximized()) return;
    if (std::optional<pw::Rect> r = placement_.reachable(bounds())) setPosition(r->x, r->y);
}

// After a change of the scale factor: everything is measured again, and the window keeps its
// apparent size at its place, brought inside the screen.
void Window::takeScale() {
    const double now = scaleFactor();
    if (now == factor_) return;
    const double ratio = now / factor_;
    factor_ = now;
    BoxBase::scaleChanged(ratio);
    Component* bar = Component::of(statusBar_);
    if (bar) bar->scaleChanged(ratio);
    fire(windowevent::kScaleChange);
    // Laid out afresh (a row would keep the taller height its children had), and before the
    // window is sized: the minimum size of the new factor applies to the new size. Hidden parts
    // keep theirs: no layout sizes them until they show.
    auto forget = [](Component* c) {
        if (!c->isVisibleFlag()) return Walk::kPast;
        c->forgetLaidOutSize();
        return Walk::kInto;
    };
    forEachDescendant(forget);
    if (bar) {
        bar->forgetLaidOutSize();
        bar->forEachDescendant(forget);
    }
    layout();
    if (!isMaximized()) {
        pw::Rect r{x_, y_, static_cast<std::int32_t>(std::lround(width_ * ratio)),
                   static_cast<std::int32_t>(std::lround(height_ * ratio))};
        r = WindowPlacement::insideScreen(r);
        setBounds(r.x, r.y, r.width, r.height);
    }
    applyShape();
    repaint();
}

// ---- sizing ---------------------------------------------------------------------------------

bool Window::isSizingLeft() const {
    return sizingEdge_ == pw::kEdgeLeft || sizingEdge_ == pw::kEdgeTopLeft ||
           sizingEdge_ == pw::kEdgeBottomLeft;
}
bool Window::isSizingRight() const {
    return sizingEdge_ == pw::kEdgeRight || sizingEdge_ == pw::kEdgeTopRight ||
           sizingEdge_ == pw::kEdgeBottomRight;
}
bool Window::isSizingTop() const {
    return sizingEdge_ == pw::kEdgeTop || sizingEdge_ == pw::kEdgeTopLeft ||
           sizingEdge_ == pw::kEdgeTopRight;
}
bool Window::isSizingBottom() const {
    return sizingEdge_ == pw::kEdgeBottom || sizingEdge_ == pw::kEdgeBottomLeft ||
           sizingEdge_ == pw::kEdgeBottomRight;
}

void Window::setFixedClientWidth(std::int32_t width) {
    fixedClientWidth_ = width;
    if (width >= 0) setClientWidth(width);
}

void Window::setFixedClientHeight(std::int32_t height) {
    fixedClientHeight_ = height;
    if (height >= 0) setClientHeight(height);
}

void Window::setEnforceMinimumSize(bool width, bool height) {
    onOwner([&] {
        enforceMinWidth_ = width;
        enforceMinHeight_ = height;
        applyMinimumSize();
    });
}

void Window::applyMinimumSize() {
    if (native_ == pw::kNoWindow) return;
    pw::setMinimumSize(
        native_, {enforceMinWidth_ ? getMinWidth() : 0, enforceMinHeight_ ? getMinHeight() : 0});
}

void Window::growToMinimum() {
    std::int32_t w = std::max(width_, getMinWidth());
    std::int32_t h = std::max(height_, getMinHeight());
    if (w != width_ || h != height_) setSize(w, h);
}

// ---- capture and timers -------------------------------------------------------------------------

void Window::beginCapture() {
    onOwner([this] {
        pw::setCapture(native_);
        dragging_ = true;
    });
}

bool Window::startTimer(std::int32_t number, std::uint32_t milliseconds) {
    if (number < 0 || native_ == pw::kNoWindow) return false;
    if (static_cast<std::uint64_t>(number) + kUserTimerBase > UINT32_MAX) return false;
    return pw::setTimer(native_, kUserTimerBase + static_cast<std::uint32_t>(number), milliseconds);
}

void Window::stopTimer(std::int32_t number) {
    if (number < 0 || native_ == pw::kNoWindow) return;
    pw::killTimer(native_, kUserTimerBase + static_cast<std::uint32_t>(number));
}

// ---- painting and hit testing ---------------------------------------------------------------

pw::Size Window::backBufferSize() const {
    return chrome_.backBufferSize();
}

void Window::paint(pw::Canvas& canvas, pw::Rect area) {
    if (!chrome_.drawer()) {
        Component::paint(canvas, area);
        return;
    }
    chrome_.paint(canvas, width_, height_);
}

pw::HitTest Window::hitTest(pw::Point screen) {
    pw::Rect r = pw::screenRect(native_);
    FrameChrome::Hit state;
    state.resizable = resizable_;
    state.maximized = chrome_.drawer() && resizable_ && isMaximized();
    state.easyDrag = easyDrag_;
    state.titleRowHeight = titleRowHeight();
    state.rightButtonDown = (pw::mouseButtonsDown() & pw::kMouseRight) != 0;
    pw::HitTest code =
        chrome_.hitTest({screen.x - r.x, screen.y - r.y}, {r.width, r.height}, state);
    // The window buttons reach the top and right edges: there they win over the sizing strip.
    auto* bar = dynamic_cast<MenuEx*>(menuBar_);
    if (pw::sizingEdgeOf(code) != 0 && bar && bar->windowButtonAt(screen)) return pw::kHitClient;
    return code;
}

std::int32_t Window::titleRowHeight() const {
    if (framed_ || !menuBar_ || !menuBar_->isShown()) return 0;
    return menuBar_->getY() + menuBar_->getHeight();
}

// ---- messages -------------------------------------------------------------------------------

pw::Result Window::handleMessage(pw::Handle window, std::uint32_t message, pw::WParam wparam,
                                 pw::LParam lparam) {
    switch (message) {
        case kMsgRunOnOwner:
            (*reinterpret_cast<const std::function<void()>*>(wparam))();
            return 1;
        case kMsgDestroyWindow:
            access::Access::windowClosed(this);
            invisible_.destroy();
            pw::destroy(window);
            pw::postQuitMessage(0);
            return 1;
        case kMsgNotification:
            handleNotification(reinterpret_cast<Notification*>(wparam));
            return 1;
        case kMsgShowMessage:
        case kMsgShowError:
        case kMsgAsk:
            return showBox(message, *reinterpret_cast<const std::u16string*>(lparam));
        case kMsgInternalNotification:
            fire(windowevent::kInternalNotification);
            return 1;
        case pw::msg::kClose:
            handleClose();
            return 0;
        case pw::msg::kSize: {
            // Resized by the user or the system: take the size and lay out.
            pw::Point size = pw::unpackPoint(lparam);
            if (size.x != width_ || size.y != height_) {
                width_ = size.x;
                height_ = size.y;
                if (static_cast<pw::ShowState>(wparam) != pw::ShowState::kMinimised) layout();
            }
            // Also on a change of state alone: a maximised window loses its corners.
            if (static_cast<pw::ShowState>(wparam) != pw::ShowState::kMinimised) applyShape();
            return 0;
        }
        case pw::msg::kMove: {
            pw::Point p = pw::unpackPoint(lparam);
            x_ = p.x;
            y_ = p.y;
            return 0;
        }
        case pw::msg::kWindowPosChanging: {
            auto* r = reinterpret_cast<pw::Rect*>(lparam);
            fire(windowevent::kMoving);
            if (placement_.keepsInside() && !isMaximized()) *r = WindowPlacement::insideScreen(*r);
            return 0;
        }
        case pw::msg::kSizing: {
            auto* r = reinterpret_cast<pw::Rect*>(lparam);
            sizingEdge_ = static_cast<std::int32_t>(wparam);
            sizingRect_ = *r;
            fire(windowevent::kSizing);
            *r = sizingRect_;
            // The dragged side is pushed out so that the window keeps its minimum size.
            if (enforceMinWidth_ && r->width < getMinWidth()) {
                if (isSizingLeft()) r->x = r->right() - getMinWidth();
                r->width = getMinWidth();
            }
            if (enforceMinHeight_ && r->height < getMinHeight()) {
                if (isSizingTop()) r->y = r->bottom() - getMinHeight();
                r->height = getMinHeight();
            }
            sizingEdge_ = 0;
            return 1;
        }
        case pw::msg::kDisplayChange:
            keepReachable();
            return 0;
        case pw::msg::kScaleChange:
            takeScale();
            return 0;
        case pw::msg::kActivate:
            access::Access::windowActivated(this, wparam != 0);
            if (wparam) {
                regainFocus();
                fire(windowevent::kActivate);
            } else {
                lastDeactivation_ = nowMs();
                fire(windowevent::kDeactivate);
            }
            return 0;
        case pw::msg::kHitTest:
            return hitTest(pw::unpackPoint(lparam));
        case pw::msg::kSetCursor:
            if (hideCursor_) {
                pw::setCursor(pw::Cursor::kHidden);
                return 1;
            }
            return pw::defaultHandler(window, message, wparam, lparam);
        case pw::msg::kMouseMove:
        case pw::msg::kNcMouseMove:
            fire(windowevent::kMouseMove);
            autoHide_.pointerMoved();
            if (message == pw::msg::kMouseMove) break;
            return 0;
        case pw::msg::kLButtonDown:
            fire(windowevent::kLeftDown);
            break;
        case pw::msg::kNcLButtonDown:
            fire(windowevent::kLeftDown);
            return pw::defaultHandler(window, message, wparam, lparam);
        case pw::msg::kNcLButtonDblClk:
            fire(windowevent::kDoubleClick);
            if (static_cast<pw::HitTest>(wparam) == pw::kHitCaption &&
                pw::unpackPoint(lparam).y - pw::screenRect(native_).y < titleRowHeight()) {
                if (isMaximized()) {
                    restore();
                } else {
                    maximize();
                }
            }
            return 0;
        case pw::msg::kLButtonUp:
        case pw::msg::kNcLButtonUp:
            fire(windowevent::kLeftUp);
            return 0;
        case pw::msg::kRButtonDown:
        case pw::msg::kNcRButtonDown:
            rightDown();
            return 0;
        case pw::msg::kRButtonUp:
        case pw::msg::kNcRButtonUp:
            fire(windowevent::kRightUp);
            return 0;
        case pw::msg::kMButtonDown:
        case pw::msg::kNcMButtonDown:
            middleAction();
            return 0;
        case pw::msg::kKeyDown:
            keyCode_ = static_cast<std::uint32_t>(wparam);
            fire(windowevent::kKeyDown);
            windowKey(keyCode_);
            return 0;
        case pw::msg::kMenuKey:  // a lone Alt
            if (auto* bar = dynamic_cast<MenuEx*>(menuBar_); bar && !closed_.load())
                bar->toggleKeys();
            return 0;
        case pw::msg::kMouseWheel:
            wheelLineCount_ = pw::wheelLines(wparam);
            fire(windowevent::kWheel);
            return 0;
        case pw::msg::kCaptureChanged:
            if (dragging_) {
                dragging_ = false;
                fire(windowevent::kCaptureEnd);
            }
            return 0;
        case pw::msg::kEnterSizeMove:
            dragging_ = true;
            return 0;
        case pw::msg::kCommand:
            return dispatchCommand(static_cast<std::int32_t>(wparam)) ? 1 : 0;
        case pw::msg::kTimer: {
            auto id = static_cast<std::uint32_t>(wparam);
            if (id >= kUserTimerBase) {
                timerNumber_ = static_cast<std::int32_t>(id - kUserTimerBase);
                fire(windowevent::kTimer);
                return 0;
            }
            autoHide_.onTimer(id);
            return 0;
        }
        default:
            break;
    }
    return BoxBase::handleMessage(window, message, wparam, lparam);
}

Window* newWindow(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height) {
    Window* window = Window::create();
    window->setBounds(x, y, width, height);
    return window;
}

}  // namespace s::gui::win
