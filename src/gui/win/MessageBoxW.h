// The message box: the layer's modal box with the application's title, its buttons labelled
// from the language pack.
#pragma once

#include <cstdint>
#include <string>

#include "base/IObject.h"
#include "gui/IMessageBox.h"
#include "platform/window/MessageBox.h"
#include "thread/Pooled.h"

namespace s::lang {
class Localizer;
}

namespace s::gui::drawer {
class Skinner;
}

namespace s::gui::win {

class MessageBoxW : public base::IObject, public IMessageBox, public thread::Pooled<MessageBoxW> {
public:
    // Text numbers of the button labels.
    static constexpr std::int32_t kTextOk = 600000;
    static constexpr std::int32_t kTextYes = 600010;
    static constexpr std::int32_t kTextNo = 600020;
    static constexpr std::int32_t kTextCancel = 600030;

    const char16_t* typeName() const override { return u"s_gui_win_MessageBoxW"; }
    base::IObject* newInstance() const override { return create(); }
    void recycle() override {
        mode_ = 0;
        owner_ = 0;
    }

    // The title every box shows, the pack its buttons are labelled from (may be null: the
    // English words) and the skinner whose theme a box takes when its owner has none (may be
    // null: the light look). Set once by the application at start-up.
    static void setApplication(const std::u16string& title, lang::Localizer* pack,
                               drawer::Skinner* skinner = nullptr);

    void setMode0() override { mode_ = 0; }
    void setMode1() override { mode_ = 1; }
    void setMode2() override { mode_ = 2; }
    std::int32_t getMode() const { return mode_; }
    void inform(const std::u16string& text) override;
    void warn(const std::u16string& text) override;
    void error(const std::u16string& text) override;
    bool askYesNo(const std::u16string& text) override;
    bool askYesNoCancel(const std::u16string& text, bool* answer) override;
    void setOwner(platform::window::Handle owner) override { owner_ = owner; }

private:
    int show(const std::u16string& text, int icon, int buttons);

    std::int32_t mode_ = 0;
    platform::window::Handle owner_ = 0;
};

// The colours of a box in the theme of its owner's window, or of the application's skinner
// when the owner has no skin (or there is no owner).
platform::window::BoxColours messageBoxColours(platform::window::Handle owner);

// One box each, taken from the pool and given back: the forms the application calls.
void informBox(platform::window::Handle owner, const std::u16string& text);
void warnBox(platform::window::Handle owner, const std::u16string& text);
void errorBox(platform::window::Handle owner, const std::u16string& text);
bool askYesNoBox(platform::window::Handle owner, const std::u16string& text);
bool askYesNoCancelBox(platform::window::Handle owner, const std::u16string& text, bool* answer);

}  // namespace s::gui::win
