// The About window: product name, logo, version, release date, licence wording and web address,
// shown over the main window, which stays disabled while it is open.
#pragma once

#include <atomic>
#include <cstdint>

#include "base/IObject.h"
#include "gui/events/IEventListener.h"
#include "thread/Pooled.h"

namespace s::app {
class IAppWindow;
}
namespace s::lang {
class Localizer;
}
namespace s::gui {
class IWindow;
}
namespace s::gui::win {
class Window;
class Label;
class Button;
}  // namespace s::gui::win

namespace s::gui::dialogs {

class About3 : public events::IEventListener, public base::IObject, public thread::Pooled<About3> {
public:
    // The About window's settings: its name and default size.
    static constexpr const char16_t* kWindowName = u"AboutWindow";
    static constexpr std::int32_t kWidth = 340;
    static constexpr std::int32_t kHeight = 285;
    static constexpr const char16_t* kSkin = u"Classic LG";

    About3() = default;
    About3(const About3&) = delete;
    About3& operator=(const About3&) = delete;
    ~About3() override;

    const char16_t* typeName() const override { return u"s_gui_dialogs_About3"; }
    base::IObject* newInstance() const override { return create(); }
    // Closes an open window and forgets it.
    void recycle() override;

    // Opens the About window over owner with the given settings, or brings the open one to the
    // front. The owner is disabled only once the window exists.
    bool open(win::Window* owner, app::IAppWindow* settings);
    bool isOpen() const { return open_.load(); }
    // Closes the window when it is open and waits until the owner is enabled again.
    void close();
    // The window of the last opening (null before the first).
    win::Window* window() const { return window_; }
    win::Button* closeButton() const { return closeButton_; }
    win::Button* glyphButton() const { return glyphButton_; }
    win::Label* urlLink() const { return urlLink_; }
    win::Label* donationLink() const { return donationLink_; }

    void onEvent(void* source, std::int32_t code) override;

private:
    void build();
    void dispose();

    win::Window* owner_ = nullptr;
    app::IAppWindow* settings_ = nullptr;
    lang::Localizer* localizer_ = nullptr;
    win::Window* window_ = nullptr;
    win::Label* urlLink_ = nullptr;
    win::Label* donationLink_ = nullptr;
    win::Button* closeButton_ = nullptr;
    win::Button* glyphButton_ = nullptr;
    std::int32_t donationTextId_ = 500100;
    std::atomic<bool> open_{false};
    std::uint64_t modalToken_ = 0;  // in the owner's modal guard while open
};

}  // namespace s::gui::dialogs
