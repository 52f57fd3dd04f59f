// The leaf behaviour of components: stored geometry, size rules, native placement and the
// hand-off of native work to the owner thread.
#include "gui/win/Component.h"

#include <algorithm>
#include <mutex>

#include "gui/IWindow.h"
#include "gui/access/Access.h"
#include "gui/drawer/Skinner.h"
#include "gui/win/Window.h"
#include "lang/Localizer.h"
#include "platform/window/Popup.h"

namespace pw = platform::window;

namespace s::gui::win {

namespace {

pw::Result componentHandler(pw::Handle window, std::uint32_t message, pw::WParam wparam,
                            pw::LParam lparam) {
    auto* component = static_cast<Component*>(pw::userData(window));
    if (!component) return pw::defaultHandler(window, message, wparam, lparam);
    // A press gives the focus to what it presses, before the widget acts on it.
    if ((message == pw::msg::kLButtonDown || message == pw::msg::kLButtonDblClk ||
         message == pw::msg::kRButtonDown) &&
        component->takesFocus() && pw::isEnabled(window)) {
        component->giveFocus();
    }
    pw::Result result = component->handleMessage(window, message, wparam, lparam);
    if ((message == pw::msg::kSetFocus || message == pw::msg::kKillFocus) &&
        component->focusWindow() == window) {
        component->focusChanged(message == pw::msg::kSetFocus);
    }
    return result;
}

const std::vector<IComponent*> kNoChildren;

thread_local int repaintBatchDepth = 0;

}  // namespace

Component::Component() = default;

void Component::registerNativeClass() {
    static std::once_flag once;
    std::call_once(once, [] { pw::registerClass(kComponentClass, &componentHandler); });
}

Component::~Component() {
    access::Access::released(this);
    unfollowWindow();
    // The layer destroys on the owner thread; the handler no longer reaches this object.
    if (native_ != pw::kNoWindow && pw::isWindow(native_)) {
        pw::setUserData(native_, nullptr);
        pw::destroy(native_);
    }
}

Component* Component::fromNative(pw::Handle window) {
    if (pw::className(window) != kComponentClass) return nullptr;
    return static_cast<Component*>(pw::userData(window));
}

void Component::beginRepaintBatch() {
    ++repaintBatchDepth;
}

void Component::endRepaintBatch(IComponent* component) {
    if (--repaintBatchDepth > 0) return;
    pw::Handle native = component->getNativeWindow();
    if (native != pw::kNoWindow) pw::update(native);
}

Component* Component::of(IComponent* component) {
    return dynamic_cast<Component*>(component);
}

void Component::resetComponent() {
    access::Access::released(this);
    if (native_ != pw::kNoWindow) destroyNative();
    unfollowWindow();
    window_ = nullptr;
    parent_ = nullptr;
    font_ = nullptr;
    shown_ = true;
    deferred_ = pending_ = resizedWhileDeferred_ = false;
    x_ = y_ = originX_ = originY_ = width_ = height_ = 0;
    minWidth_ = minHeight_ = naturalWidth_ = naturalHeight_ = 0;
    percentWidth_ = percentHeight_ = fixedWidth_ = fixedHeight_ = -1;
    background_ = kSystemButtonFace;
    transparent_ = false;
    enabled_ = true;
}

std::int32_t Component::getScreenX() const {
    if (native_ != pw::kNoWindow) return pw::screenRect(native_).x;
    return originX_ + x_;
}

std::int32_t Component::getScreenY() const {
    if (native_ != pw::kNoWindow) return pw::screenRect(native_).y;
    return originY_ + y_;
}

bool Component::containsScreenPoint(std::int32_t x, std::int32_t y) const {
    if (!isShown()) return false;
    std::int32_t left = getScreenX();
    std::int32_t top = getScreenY();
    return left <= x && x <= left + width_ && top <= y && y <= top + height_;
}

void Component::placeNative(std::uint32_t flags) {
    if (native_ == pw::kNoWindow) return;
    pw::place(native_, {originX_ + x_, originY_ + y_, std::max(width_, 0), std::max(height_, 0)},
              flags);
}

// Placement of an attached component runs on its owner thread, which paints and lays out
// with the same fields.
void Component::setPosition(std::int32_t x, std::int32_t y) {
    if (handOff([&] { setPosition(x, y); })) return;
    x_ = x;
    y_ = y;
    if (deferred_) {
        pending_ = true;
        return;
    }
    placeNative(pw::kPlaceNoSize);
}

void Component::setSize(std::int32_t w, std::int32_t h) {
    if (handOff([&] { setSize(w, h); })) return;
    bool changed = w != width_ || h != height_;
    width_ = w;
    height_ = h;
    if (deferred_) {
        pending_ = true;
        resizedWhileDeferred_ = resizedWhileDeferred_ || changed;
        return;
    }
    placeNative(pw::kPlaceNoMove);
    if (changed) onResized();
}

void Component::setBounds(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h) {
    if (handOff([&] { setBounds(x, y, w, h); })) return;
    bool changed = w != width_ || h != height_;
    x_ = x;
    y_ = y;
    width_ = w;
    height_ = h;
    if (deferred_) {
        pending_ = true;
        resizedWhileDeferred_ = resizedWhileDeferred_ || changed;
        return;
    }
    placeNative(0);
    if (changed) onResized();
}

void Component::setOrigin(std::int32_t ox, std::int32_t oy) {
    if (handOff([&] { setOrigin(ox, oy); })) return;
    originX_ = ox;
    originY_ = oy;
    if (deferred_) {
        pending_ = true;
        return;
    }
    placeNative(pw::kPlaceNoSize);
}

void Component::moveOrigin(std::int32_t dx, std::int32_t dy) {
    if (handOff([&] { moveOrigin(dx, dy); })) return;
    setOrigin(originX_ + dx, originY_ + dy);
}

std::int32_t Component::parentClientWidth() const {
    return parent_ ? parent_->getClientWidth() : 0;
}

std::int32_t Component::parentClientHeight() const {
    return parent_ ? parent_->getClientHeight() : 0;
}

std::int32_t Component::getMinWidth() const {
    return fixedWidth_ >= 0 ? fixedWidth_ : minWidth_;
}

std::int32_t Component::getMinHeight() const {
    return fixedHeight_ >= 0 ? fixedHeight_ : minHeight_;
}

std::int32_t Component::getMinClientWidth() const {
    return getMinWidth();
}

std::int32_t Component::getMinClientHeight() const {
    return getMinHeight();
}

std::int32_t Component::getMaxWidth() const {
    if (fixedWidth_ >= 0) return fixedWidth_;
    if (percentWidth_ >= 0 && parent_) return parentClientWidth() * percentWidth_ / 100;
    return std::max(minWidth_, naturalWidth_);
}

std::int32_t Component::getMaxHeight() const {
    if (fixedHeight_ >= 0) return fixedHeight_;
    if (percentHeight_ >= 0 && parent_) return parentClientHeight() * percentHeight_ / 100;
    return std::max(minHeight_, naturalHeight_);
}

// Shown, hidden, enabled and disabled on the owner thread, which paints and lays out.
void Component::setVisible(bool show, bool relayout) {
    if (handOff([&] { setVisible(show, relayout); })) return;
    shown_ = show;
    if (native_ != pw::kNoWindow) pw::show(native_, show);
    if (relayout && parent_) parent_->relayout();
}

bool Component::isEnabled() const {
    if (native_ != pw::kNoWindow) return pw::isEnabled(native_);
    return enabled_;
}

void Component::setEnabled(bool enable) {
    if (handOff([&] { setEnabled(enable); })) return;
    enabled_ = enable;
    if (native_ != pw::kNoWindow) pw::enable(native_, enable);
}

void Component::centre() {
    centreHorizontally();
    centreVertically();
}

void Component::centreHorizontally() {
    std::int32_t room = parentClientWidth() - width_;
    setPosition(room > 0 ? room / 2 : 0, y_);
}

void Component::centreVertically() {
    std::int32_t room = parentClientHeight() - height_;
    setPosition(x_, room > 0 ? room / 2 : 0);
}

// The background of an attached component changes on its owner thread, which paints it.
void Component::setBackgroundTransparent(bool repaint) {
    if (handOff([&] { setBackgroundTransparent(repaint); })) return;
    transparent_ = true;
    if (repaint) this->repaint();
}

void Component::setBackgroundSystem(bool repaint) {
    if (handOff([&] { setBackgroundSystem(repaint); })) return;
    transparent_ = false;
    background_ = kSystemButtonFace;
    if (repaint) this->repaint();
}

void Component::setBackgroundPale(bool repaint) {
    Colour c = kSystemInactiveCaptionText;
    auto pale = [](std::int32_t v) { return 128 + v / 2; };
    setBackgroundColour(pale(c & 0xFF), pale((c >> 8) & 0xFF), pale((c >> 16) & 0xFF), repaint);
}

void Component::setBackgroundColour(std::int32_t red, std::int32_t green, std::int32_t blue,
                                    bool repaint) {
    if (handOff([&] { setBackgroundColour(red, green, blue, repaint); })) return;
    transparent_ = false;
    background_ = makeColour(red, green, blue);
    if (repaint) this->repaint();
}

void Component::setParentComponent(IComponent* parent) {
    parent_ = parent;
    window_ = parent ? parent->getWindow() : nullptr;
}

void Component::attach(IComponent* parent) {
    if (!parent) {
        if (native_ != pw::kNoWindow) destroyNative();
        parent_ = nullptr;
        window_ = nullptr;
        return;
    }
    pw::Handle host = parent->getNativeWindow();
    // Native windows belong to the owner thread: make this one there.
    if (host != pw::kNoWindow && !pw::isOwnerThread(host)) {
        pw::send(host, kMsgAttach, reinterpret_cast<pw::WParam>(static_cast<IComponent*>(this)));
        return;
    }
    setParentComponent(parent);
    if (host == pw::kNoWindow) return;  // made when the parent itself is attached
    if (native_ != pw::kNoWindow) {
        if (pw::isWindow(native_) && pw::parentOf(native_) == host) return;
        destroyNative();  // moving to another parent: made again there
    }
    registerNativeClass();
    std::uint32_t style = 0;
    if (shown_) style |= pw::kStyleVisible;
    if (!enabled_) style |= pw::kStyleDisabled;
    pw::CreateParams params;
    params.className = kComponentClass;
    params.parent = host;
    params.rect = {originX_ + x_, originY_ + y_, std::max(width_, 0), std::max(height_, 0)};
    params.style = style;
    params.userData = this;
    native_ = pw::create(params);
    if (native_ == pw::kNoWindow) return;
    followWindow();
    onAttached();
    for (IComponent* child : getChildren()) child->attach(this);
}

void Component::forgetNative() {
    native_ = pw::kNoWindow;
    unfollowWindow();
}

void Component::followWindow() {
    unfollowWindow();
    if (!window_) return;
    if (followsLanguage()) {
        followedPack_ = window_->getLanguagePack();
        if (followedPack_) followedPack_->addListener(this);
    }
    if (followsSkin()) {
        followedSkinner_ = window_->getSkinner();
        if (followedSkinner_) followedSkinner_->registerListener(this);
    }
}

void Component::unfollowWindow() {
    if (followedPack_) followedPack_->removeListener(this);
    if (followedSkinner_) followedSkinner_->unregisterListener(this);
    followedPack_ = nullptr;
    followedSkinner_ = nullptr;
}

void Component::destroyNative() {
    pw::Handle native = native_;
    forgetNative();
    if (!pw::isWindow(native)) return;
    if (pw::isOwnerThread(native)) {
        pw::destroy(native);
    } else {
        pw::send(native, kMsgDestroySelf);
    }
}

void Component::repaintArea(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h) {
    if (!isShown()) return;
    pw::Rect area{x, y, w, h};
    pw::invalidate(native_, &area);
    if (repaintBatchDepth == 0) pw::update(native_);
}

void Component::setSizeWithin(std::int32_t w, std::int32_t h) {
    // The minimum wins when minimum and maximum cross.
    w = std::max(std::min(w, getMaxWidth()), getMinWidth());
    h = std::max(std::min(h, getMaxHeight()), getMinHeight());
    setSize(w, h);
}

const std::vector<IComponent*>& Component::getChildren() const {
    return kNoChildren;
}

void Component::forEachDescendant(const std::function<Walk(Component*)>& visit) const {
    for (IComponent* child : getChildren()) {
        Component* c = of(child);
        if (c && visit(c) == Walk::kInto) c->forEachDescendant(visit);
    }
}

pw::Picture* Component::getBackgroundPicture(std::int32_t* dx, std::int32_t* dy) {
    if (!parent_) return nullptr;
    if (dx) *dx += originX_ + x_;
    if (dy) *dy += originY_ + y_;
    return parent_->getBackgroundPicture(dx, dy);
}

void Component::applyDeferred() {
    deferred_ = false;
    if (!pending_) return;
    pending_ = false;
    bool resized = resizedWhileDeferred_;
    resizedWhileDeferred_ = false;
    placeNative(0);  // moves and sizes in one call
    if (resized) onResized();
}

void Component::paint(pw::Canvas& canvas, pw::Rect area) {
    if (transparent_) return;  // the parent's painting shows through
    canvas.fillRect({0, 0, width_, height_}, background_);
}

bool Component::handOff(const std::function<void()>& work) {
    pw::Handle native = native_;
    if (native == pw::kNoWindow || pw::isOwnerThread(native)) return false;
    pw::callOnOwner(native, [&]() -> pw::Result {
        // Run on the caller: the native window went with its top-level window, whose thread
        // may have ended too. The component forgets the dead window, so that the work (which
        // asks handOff again) is done here (a release after the window's end).
        if (!pw::isOwnerThread(native)) forgetNative();
        work();
        return 1;
    });
    return true;
}

void Component::addListenerTo(std::vector<events::IEventListener*>& list,
                              events::IEventListener* listener) {
    if (!listener) return;
    if (handOff([&] { addListenerTo(list, listener); })) return;
    list.push_back(listener);
}

bool Component::hasFocus() const {
    pw::Handle target = focusWindow();
    return target != pw::kNoWindow && pw::focusOf(pw::threadOf(target)) == target;
}

void Component::giveFocus() {
    onOwner([this] {
        pw::Handle target = focusWindow();
        if (target != pw::kNoWindow && pw::focus() != target) pw::setFocus(target);
    });
}

void Component::focusChanged(bool gained) {
    repaint();
    if (auto* window = dynamic_cast<Window*>(window_)) window->focusMoved(this, gained);
}

pw::Result Component::forwardToParent(std::uint32_t message, pw::WParam wparam, pw::LParam lparam) {
    if (!parent_) return 0;
    pw::Handle host = parent_->getNativeWindow();
    if (host == pw::kNoWindow || native_ == pw::kNoWindow) return 0;
    pw::Rect r = pw::windowRect(native_);
    pw::Point p = pw::unpackPoint(lparam);
    return pw::send(host, message, wparam, pw::packPoint(p.x + r.x, p.y + r.y));
}

pw::Result Component::handleMessage(pw::Handle window, std::uint32_t message, pw::WParam wparam,
                                    pw::LParam lparam) {
    switch (message) {
        case kMsgAttach:
            reinterpret_cast<IComponent*>(wparam)->attach(this);
            return 1;
        case kMsgRun:
            (*reinterpret_cast<const std::function<void()>*>(wparam))();
            return 1;
        case kMsgDestroySelf:
            pw::destroy(window);
            return 1;
        case pw::msg::kSetFocus:
            access::Access::focused(this);
            return 0;
        case pw::msg::kEnable:
            access::Access::enabledChanged(this, wparam != 0);
            return 0;
        case pw::msg::kShowWindow:
            access::Access::shownChanged(this, wparam != 0);
            return 0;
        case pw::msg::kPaint: {
            pw::PaintEvent* event = pw::paintEventOf(wparam);
            paint(*event->canvas, event->area);
            return 0;
        }
        case pw::msg::kMouseWheel:
            return forwardToParent(message, wparam, lparam);
        default:
            return pw::defaultHandler(window, message, wparam, lparam);
    }
}

}  // namespace s::gui::win
