// What a window takes from its settings when they are attached (icons, language, title, skin,
// options, the saved place and size), what it writes back (place, size, maximised state), and
// the middle-click action the settings keep.
#include <optional>

#include "app/IAppWindow.h"
#include "gui/win/Window.h"

namespace pw = platform::window;

namespace s::gui::win {

void Window::attachAppWindow(app::IAppWindow* settings, bool withVersion) {
    appWindow_ = settings;
    if (!settings) return;
    setSmallIcon(settings->getIcon(px(16)), false);
    setLargeIcon(settings->getIcon(px(32)), false);
    setLanguagePack(settings->getLocalizer());
    std::int32_t title = settings->getTitleTextId();
    setTitleTexts(title, withVersion && title != -1 ? title + 10 : -1);
    if (settings->getSkinner()) setSkinner(settings->getSkinner());
    easyDrag_ = settings->getEasyDrag();
    setKeepOnTop(settings->isKeepOnTop());
    middleAction_ = settings->getMiddleClickAction();
    if (std::optional<pw::Rect> r = WindowPlacement::saved(*settings)) {
        setBounds(r->x, r->y, r->width, r->height);
        if (!isPlacementValid()) centre();
    } else {
        setSize(px(settings->getWidth()), px(settings->getHeight()));
    }
}

void Window::saveGeometry(bool undoShrinkFirst) {
    onOwner([&] {
        if (!appWindow_ || !shown_ || !pw::isShown(native_)) return;
        if (isMaximized()) {
            appWindow_->setMaximized(true);
            return;
        }
        if (isMinimized()) return;
        appWindow_->setMaximized(false);
        if (undoShrinkFirst) undoShrink();
        if (isTransformed()) return;
        WindowPlacement::save(*appWindow_, bounds());
    });
}

void Window::setMiddleClickAction(const std::u16string& action) {
    onOwner([&] {
        middleAction_ = action == kMiddleClose || action == kMiddleIconize
                            ? action
                            : std::u16string(kMiddleDoNothing);
        if (appWindow_) appWindow_->setMiddleClickAction(middleAction_.c_str());
    });
}

void Window::middleAction() {
    fire(windowevent::kMiddleDown);
    if (middleAction_ == kMiddleClose) {
        handleClose();
    } else if (middleAction_ == kMiddleIconize) {
        iconize();
    }
}

}  // namespace s::gui::win
