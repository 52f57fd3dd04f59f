// The settings object of one top-level window.
#include "app/win/AppWindow.h"

#include <mutex>

#include "app/win/AppBase.h"
#include "app/win/SyncStore.h"
#include "platform/window/Window.h"

namespace s::app::win {

namespace {

constexpr const char16_t* kX = u"X";
constexpr const char16_t* kY = u"Y";
constexpr const char16_t* kWidth = u"Width";
constexpr const char16_t* kHeight = u"Height";
constexpr const char16_t* kMaximized = u"Maximized";
constexpr const char16_t* kEasyDrag = u"EasyDrag";
constexpr const char16_t* kKeepOnTop = u"KeepOnTop";
constexpr const char16_t* kOnMClick = u"OnMClick";

bool same(const char16_t* a, const char16_t* b) {
    return std::u16string_view(a) == b;
}

}  // namespace

AppWindow* AppWindow::open(AppBase* base, const char16_t* name, const Defaults& defaults) {
    AppWindow* window = open(base->syncStore(), name, defaults);
    window->base_ = base;
    window->skinner_ = base->getSkinner();
    window->titleTextId_ = AppBase::kProductText;
    return window;
}

AppWindow* AppWindow::open(SyncStore* store, const char16_t* name, const Defaults& defaults) {
    AppWindow* window = create();
    window->store_ = store;
    window->name_ = name;
    window->viewSection_ = window->sectionPath(u"View");
    window->skinSection_ = window->sectionPath(u"Skin");
    window->defaults_ = defaults;
    window->middleClickDefault_ =
        middleClickWord(defaults.middleClick ? defaults.middleClick : kDoNothing);
    window->defaults_.middleClick = nullptr;  // the copy above is used
    return window;
}

void AppWindow::recycle() {
    base_ = nullptr;
    store_ = nullptr;
    name_.clear();
    viewSection_.clear();
    skinSection_.clear();
    middleClickDefault_.clear();
    defaults_ = Defaults();
    titleTextId_ = AppBase::kProductText;
    skinner_ = nullptr;
}

map::IMappedData* AppWindow::getStore() const {
    return store_;
}

std::u16string AppWindow::sectionPath(const char16_t* subName) const {
    return name_ + u"\\" + subName;
}

lang::Localizer* AppWindow::getLocalizer() const {
    return base_ ? base_->getLocalizer() : nullptr;
}

const platform::window::Picture* AppWindow::getIcon(std::int32_t size) const {
    return base_ ? base_->getIcon(size) : nullptr;
}

// The skin is kept per window in "<name>\Skin" (empty key), the one place it is read and
// written: the About window has a skin of its own that must not become the main window's.
std::u16string AppWindow::getSkin(const char16_t* def) const {
    const char16_t* text = store_->getText(skinSection_.c_str(), u"", def, nullptr, false);
    return text ? text : u"";
}

void AppWindow::setSkin(const char16_t* name) {
    store_->setText(skinSection_.c_str(), u"", name ? name : u"");
}

std::int32_t AppWindow::readInt(const char16_t* key, std::int32_t def) const {
    return store_->getS32(viewSection_.c_str(), key, def);
}

bool AppWindow::readBool(const char16_t* key, bool def) const {
    return store_->getBool(viewSection_.c_str(), key, def);
}

void AppWindow::writeInt(const char16_t* key, std::int32_t value) {
    store_->setS32(viewSection_.c_str(), key, value);
}

void AppWindow::writeBool(const char16_t* key, bool value) {
    store_->setBool(viewSection_.c_str(), key, value);
}

bool AppWindow::has(const char16_t* key) const {
    return store_->hasValue(viewSection_.c_str(), key);
}

bool AppWindow::hasPosition() const {
    SyncStore::Guard g(store_->mutex());
    return has(kX) && has(kY);
}

void AppWindow::setBounds(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height) {
    SyncStore::Guard g(store_->mutex());
    writeInt(kX, x);
    writeInt(kY, y);
    writeInt(kWidth, width);
    writeInt(kHeight, height);
}

void AppWindow::setSize(std::int32_t width, std::int32_t height) {
    SyncStore::Guard g(store_->mutex());
    writeInt(kWidth, width);
    writeInt(kHeight, height);
}

void AppWindow::removeGeometry() {
    SyncStore::Guard g(store_->mutex());
    for (const char16_t* key : {kX, kY, kWidth, kHeight}) {
        store_->removeValue(viewSection_.c_str(), key);
    }
}

bool AppWindow::hasX() const {
    return has(kX);
}
std::int32_t AppWindow::getX() const {
    return readInt(kX, 0);
}
void AppWindow::setX(std::int32_t x) {
    writeInt(kX, x);
}
bool AppWindow::hasY() const {
    return has(kY);
}
std::int32_t AppWindow::getY() const {
    return readInt(kY, 0);
}
void AppWindow::setY(std::int32_t y) {
    writeInt(kY, y);
}

bool AppWindow::sizeValid(std::int32_t value, bool horizontal) const {
    if (value < kMinimumSize) return false;
    const platform::window::Rect screen = platform::window::virtualScreen();
    if (screen.empty()) return true;  // nothing to compare with
    return value <= (horizontal ? screen.width : screen.height);
}

bool AppWindow::storedSize(const char16_t* key, bool horizontal, std::int32_t* out) const {
    SyncStore::Guard g(store_->mutex());
    if (!has(key)) return false;
    const std::int32_t value = readInt(key, 0);
    if (!sizeValid(value, horizontal)) return false;
    *out = value;
    return true;
}

bool AppWindow::isWidthValid(std::int32_t width) const {
    return sizeValid(width, true);
}
bool AppWindow::isHeightValid(std::int32_t height) const {
    return sizeValid(height, false);
}

bool AppWindow::hasWidth() const {
    std::int32_t w;
    return storedSize(kWidth, true, &w);
}

std::int32_t AppWindow::getWidth() const {
    std::int32_t w = defaults_.width;
    storedSize(kWidth, true, &w);
    return w;
}

void AppWindow::setWidth(std::int32_t width) {
    writeInt(kWidth, width);
}

bool AppWindow::hasHeight() const {
    std::int32_t h;
    return storedSize(kHeight, false, &h);
}

std::int32_t AppWindow::getHeight() const {
    std::int32_t h = defaults_.height;
    storedSize(kHeight, false, &h);
    return h;
}

void AppWindow::setHeight(std::int32_t height) {
    writeInt(kHeight, height);
}

bool AppWindow::getEasyDrag() const {
    return readBool(kEasyDrag, defaults_.easyDrag);
}
void AppWindow::setEasyDrag(bool on) {
    writeBool(kEasyDrag, on);
}
bool AppWindow::isMaximized() const {
    return readBool(kMaximized, defaults_.maximized);
}
void AppWindow::setMaximized(bool on) {
    writeBool(kMaximized, on);
}
bool AppWindow::isKeepOnTop() const {
    return readBool(kKeepOnTop, defaults_.keepOnTop);
}
void AppWindow::setKeepOnTop(bool on) {
    writeBool(kKeepOnTop, on);
}

const char16_t* AppWindow::middleClickWord(const char16_t* text) {
    if (text && same(text, kClose)) return kClose;
    if (text && same(text, kIconize)) return kIconize;
    return kDoNothing;
}

std::u16string AppWindow::getMiddleClickAction() const {
    // Copied under the lock: another thread's read may reuse the store's text buffer.
    SyncStore::Guard g(store_->mutex());
    return middleClickWord(store_->getText(viewSection_.c_str(), kOnMClick,
                                           middleClickDefault_.c_str(), nullptr, false));
}

bool AppWindow::isCloseOnMiddleClick() const {
    return getMiddleClickAction() == kClose;
}
bool AppWindow::isIconizeOnMiddleClick() const {
    return getMiddleClickAction() == kIconize;
}

void AppWindow::setMiddleClickAction(const char16_t* action) {
    store_->setText(viewSection_.c_str(), kOnMClick, middleClickWord(action));
}

}  // namespace s::app::win
