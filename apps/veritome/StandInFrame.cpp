// The plain main window: the drop hint in a window that carries the main window's settings.
#include "StandInFrame.h"

#include "app/win/AppWindow.h"
#include "gui/IBox.h"
#include "gui/win/Box.h"
#include "gui/win/Label.h"
#include "gui/win/Window.h"
#include "platform/window/Text.h"

namespace veritome {

std::unique_ptr<MainFrame> MainFrame::create(s::app::win::AppWindow* settings) {
    return std::make_unique<StandInFrame>(settings);
}

StandInFrame::~StandInFrame() {
    if (!window_) return;
    if (!window_->isClosed()) window_->close();
    window_->release();
}

void StandInFrame::open() {
    namespace layout = s::gui::layout;
    window_ = s::gui::win::newWindow(0, 0, settings_->getWidth(), settings_->getHeight());
    window_->attachAppWindow(settings_, false);
    s::gui::win::Box* area =
        s::gui::win::newBox(100, 100, layout::kCentre, layout::kCentre, 0, 0, 10, 6, layout::kRow);
    area->add(s::gui::win::newLabelByNumber(1002000, false, false, 0));
    window_->add(area);
    window_->layout();
    window_->setVisible(true, true);
}

void StandInFrame::drop(const std::string& file) {
    std::lock_guard<std::mutex> hold(lock_);
    last_ = platform::window::fromUtf8(file);
}

std::u16string StandInFrame::summary() {
    std::lock_guard<std::mutex> hold(lock_);
    return last_;
}

}  // namespace veritome
