// Message boxes through the window layer, labelled from the language pack.
#include "gui/win/MessageBoxW.h"

#include <mutex>

#include "gui/IWindow.h"
#include "gui/drawer/Defaults.h"
#include "gui/drawer/SkinColours.h"
#include "gui/drawer/Skinner.h"
#include "gui/win/Component.h"
#include "gui/win/ModalGuard.h"
#include "lang/Localizer.h"
#include "platform/window/MessageBox.h"

namespace s::gui::win {

namespace pw = platform::window;

namespace {

struct Application {
    std::mutex mutex;
    std::u16string title;
    lang::Localizer* pack = nullptr;
    drawer::Skinner* skinner = nullptr;
};

Application& application() {
    static auto* a = new Application;
    return *a;
}

std::u16string packText(lang::Localizer* pack, std::int32_t id) {
    const char16_t* t = pack ? pack->text(id) : nullptr;
    return t ? t : u"";
}

}  // namespace

pw::BoxColours messageBoxColours(pw::Handle owner) {
    Component* component = owner != pw::kNoWindow ? Component::fromNative(owner) : nullptr;
    IWindow* window = component ? component->getWindow() : nullptr;
    drawer::Skinner* skinner = window ? window->getSkinner() : nullptr;
    if (!skinner) {
        Application& a = application();
        std::lock_guard<std::mutex> lock(a.mutex);
        skinner = a.skinner;
    }
    drawer::SkinColours theme = drawer::SkinColours::of(drawer::Defaults::currentSkin(skinner));
    pw::BoxColours c;
    c.face = theme.face;
    c.text = theme.text;
    c.button = theme.buttonFace;
    c.buttonHover = theme.buttonHover;
    c.frame = theme.buttonFrame;
    c.defaultFrame = theme.focusFrame;
    return c;
}

void MessageBoxW::setApplication(const std::u16string& title, lang::Localizer* pack,
                                 drawer::Skinner* skinner) {
    Application& a = application();
    std::lock_guard<std::mutex> lock(a.mutex);
    a.title = title;
    a.pack = pack;
    a.skinner = skinner;
}

int MessageBoxW::show(const std::u16string& text, int icon, int buttons) {
    pw::MessageBoxRequest r;
    {
        Application& a = application();
        std::lock_guard<std::mutex> lock(a.mutex);
        r.title = a.title;
        r.okText = packText(a.pack, kTextOk);
        r.yesText = packText(a.pack, kTextYes);
        r.noText = packText(a.pack, kTextNo);
        r.cancelText = packText(a.pack, kTextCancel);
    }
    r.owner = owner_;
    r.text = text;
    r.icon = static_cast<pw::BoxIcon>(icon);
    r.buttons = static_cast<pw::BoxButtons>(buttons);
    r.colours = messageBoxColours(owner_);
    // The box is a nested loop over its owner's window: a close waits for it, and ending every
    // loop over the window closes it as its Cancel or Close.
    pw::Handle owner = owner_;
    ModalGuard::Scope modal(modalGuardOf(owner), [owner] { pw::closeMessageBoxes(owner); });
    return pw::messageBox(r);
}

void MessageBoxW::inform(const std::u16string& text) {
    show(text, static_cast<int>(pw::BoxIcon::kInformation), static_cast<int>(pw::BoxButtons::kOk));
}

void MessageBoxW::warn(const std::u16string& text) {
    show(text, static_cast<int>(pw::BoxIcon::kWarning), static_cast<int>(pw::BoxButtons::kOk));
}

void MessageBoxW::error(const std::u16string& text) {
    show(text, static_cast<int>(pw::BoxIcon::kError), static_cast<int>(pw::BoxButtons::kOk));
}

bool MessageBoxW::askYesNo(const std::u16string& text) {
    return show(text, static_cast<int>(pw::BoxIcon::kQuestion),
                static_cast<int>(pw::BoxButtons::kYesNo)) == pw::kAnswerYes;
}

bool MessageBoxW::askYesNoCancel(const std::u16string& text, bool* answer) {
    int a = show(text, static_cast<int>(pw::BoxIcon::kQuestion),
                 static_cast<int>(pw::BoxButtons::kYesNoCancel));
    if (a != pw::kAnswerYes && a != pw::kAnswerNo) return false;
    if (answer) *answer = a == pw::kAnswerYes;
    return true;
}

namespace {
template <typename F>
auto withBox(pw::Handle owner, F f) {
    MessageBoxW* box = MessageBoxW::create();
    box->setOwner(owner);
    auto result = f(*box);
    box->release();
    return result;
}
}  // namespace

void informBox(pw::Handle owner, const std::u16string& text) {
    withBox(owner, [&](MessageBoxW& b) { return b.inform(text), 0; });
}

void warnBox(pw::Handle owner, const std::u16string& text) {
    withBox(owner, [&](MessageBoxW& b) { return b.warn(text), 0; });
}

void errorBox(pw::Handle owner, const std::u16string& text) {
    withBox(owner, [&](MessageBoxW& b) { return b.error(text), 0; });
}

bool askYesNoBox(pw::Handle owner, const std::u16string& text) {
    return withBox(owner, [&](MessageBoxW& b) { return b.askYesNo(text); });
}

bool askYesNoCancelBox(pw::Handle owner, const std::u16string& text, bool* answer) {
    return withBox(owner, [&](MessageBoxW& b) { return b.askYesNoCancel(text, answer); });
}

}  // namespace s::gui::win
