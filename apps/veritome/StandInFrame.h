// A plain main window with the drop hint, for builds without the file-hash dialog: it opens,
// keeps its settings and closes like the real one, and names the files it is given.
#pragma once

#include <mutex>

#include "MainFrame.h"

namespace veritome {

class StandInFrame final : public MainFrame {
public:
    explicit StandInFrame(s::app::win::AppWindow* settings) : settings_(settings) {}
    ~StandInFrame() override;

    void open() override;
    s::gui::win::Window* window() const override { return window_; }
    void drop(const std::string& file) override;
    bool isBusy() const override { return false; }
    std::u16string summary() override;

private:
    s::app::win::AppWindow* settings_;
    s::gui::win::Window* window_ = nullptr;
    std::mutex lock_;
    std::u16string last_;
};

}  // namespace veritome
