// The status bar: a container over one outer box that holds the content box (the application's
// fields) and the "#Resizer" grip; the bar's own area lets the pointer through.
#pragma once

#include <cstdint>

#include "gui/IStatusBar.h"
#include "gui/drawer/statusbar/IThin.h"
#include "gui/win/Box.h"
#include "thread/Pooled.h"

namespace s::gui::win {

class Button;

class StatusBar : public BoxBase, public IStatusBar, public thread::Pooled<StatusBar> {
public:
    static constexpr std::int32_t kGripSize = 12;

    StatusBar() { reset(); }
    ~StatusBar() override;
    const char16_t* typeName() const override { return u"s_gui_win_StatusBar"; }
    base::IObject* newInstance() const override { return create(); }
    void release() override { thread::Pooled<StatusBar>::release(); }
    void recycle() override { reset(); }

    // Without a fixed or percentage height, the height the fields need: the boxes inside take
    // their height from the bar.
    std::int32_t getMaxHeight() const override;
    // The shared pile manager unless one was set.
    ILayoutManager* getLayoutManager() const override;
    void setParts(IBox* outerBox, IBox* contentBox) override;
    IBox* getOuterBox() const override { return outer_; }
    IBox* getContentBox() const override { return contentBox_; }
    IComponent* getResizer() const override { return resizer_; }
    void setResizer(IComponent* grip) { resizer_ = grip; }
    void setLayoutFlag(bool on) override;
    bool getLayoutFlag() const override { return layoutFlag_; }
    void setFlag(bool on) override { flag_ = on; }
    bool getFlag() const override { return flag_; }
    void setStatusBarDrawer(drawer::statusbar::IThin* drawer, bool owned) override;
    drawer::statusbar::IThin* statusBarDrawer() const;

    platform::window::Result handleMessage(platform::window::Handle window, std::uint32_t message,
                                           platform::window::WParam wparam,
                                           platform::window::LParam lparam) override;

protected:
    void paint(platform::window::Canvas& canvas, platform::window::Rect area) override;

private:
    void reset();

    IBox* outer_ = nullptr;
    IBox* contentBox_ = nullptr;
    IComponent* resizer_ = nullptr;
    drawer::statusbar::IThin* drawer_ = nullptr;
    bool drawerOwned_ = false;
    bool layoutFlag_ = false;
    bool flag_ = false;
};

// The bar with its outer box, its content box (a left-aligned, vertically centred row with
// margins 2) and the 12 x 12 grip at the bottom right; percentage width 100.
StatusBar* newStatusBar();

}  // namespace s::gui::win
