// The top-level window at the root of a component tree: it owns the user-interface thread on
// which its native window and those of all its descendants are made, painted and destroyed.
#pragma once

#include <cstdint>
#include <string>
#include <thread>

#include "gui/IWindow.h"
#include "gui/win/Box.h"
#include "thread/Pooled.h"

namespace s::gui::win {

class Window : public BoxBase, public virtual IWindow, public thread::Pooled<Window, 0> {
public:
    Window();
    ~Window() override;

    const char16_t* typeName() const override { return u"s_gui_win_Window"; }
    base::IObject* newInstance() const override { return create(); }
    void release() override { thread::Pooled<Window, 0>::release(); }
    void recycle() override {}

    bool isOwnerThread() const override;

    IWindow* getWindow() const override { return const_cast<Window*>(this); }
    IComponent* getParent() const override { return nullptr; }
    // A window is the root: it is not attached anywhere.
    void attach(IComponent* parent) override {}
    void add(IComponent* child) override;
    void setVisible(bool show, bool relayout) override;
    std::int32_t getMaxWidth() const override;
    std::int32_t getMaxHeight() const override;
    std::int32_t getMinClientWidth() const override;
    std::int32_t getMinClientHeight() const override;
    // A window centres itself in the work area of its screen.
    void centre() override;
    void centreHorizontally() override;
    void centreVertically() override;

    void setTitle(const std::u16string& title);

    platform::window::Result handleMessage(platform::window::Handle window, std::uint32_t message,
                                           platform::window::WParam wparam,
                                           platform::window::LParam lparam) override;

private:
    void run();
    std::thread thread_;
};

// A window of the given client size at (x, y), hidden until setVisible(true, ...).
Window* newWindow(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height);

}  // namespace s::gui::win
