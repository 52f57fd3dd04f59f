// The status bar's parts, its pointer transparency and its painting by the status-bar drawer.
#include "gui/win/StatusBar.h"

#include "gui/IWindow.h"
#include "gui/drawer/Defaults.h"
#include "gui/layout/Pile.h"
#include "gui/win/Button.h"

namespace pw = platform::window;

namespace s::gui::win {

StatusBar::~StatusBar() {
    if (drawer_ && drawerOwned_) drawer_->release();
}

void StatusBar::reset() {
    resetBox();
    layoutPile();
    outer_ = contentBox_ = nullptr;
    resizer_ = nullptr;
    if (drawer_ && drawerOwned_) drawer_->release();
    drawer_ = nullptr;
    drawerOwned_ = false;
    layoutFlag_ = flag_ = false;
}

std::int32_t StatusBar::getMaxHeight() const {
    if (fixedHeight_ >= 0 || percentHeight_ >= 0) return BoxBase::getMaxHeight();
    return getMinHeight();
}

ILayoutManager* StatusBar::getLayoutManager() const {
    return manager_ ? manager_ : layout::Pile::shared();
}

void StatusBar::setParts(IBox* outerBox, IBox* contentBox) {
    if (handOff([&] { setParts(outerBox, contentBox); })) return;
    if (outerBox && outerBox != outer_) add(outerBox);
    outer_ = outerBox;
    contentBox_ = contentBox;
}

void StatusBar::setLayoutFlag(bool on) {
    if (handOff([&] { setLayoutFlag(on); })) return;
    layoutFlag_ = on;
    layout();
    if (parent_) parent_->relayout();
}

drawer::statusbar::IThin* StatusBar::statusBarDrawer() const {
    if (drawer_) return drawer_;
    // The current skin dresses the bar; the plain drawer while there is none.
    drawer::ISkin* skin = drawer::Defaults::currentSkin(window_ ? window_->getSkinner() : nullptr);
    if (skin && skin->getStatusBarDrawer()) return skin->getStatusBarDrawer();
    return drawer::Defaults::statusBar();
}

void StatusBar::setStatusBarDrawer(drawer::statusbar::IThin* drawer, bool owned) {
    if (handOff([&] { setStatusBarDrawer(drawer, owned); })) return;
    if (drawer_ && drawerOwned_ && drawer_ != drawer) drawer_->release();
    drawer_ = drawer;
    drawerOwned_ = drawer && owned;
    repaint();
}

void StatusBar::paint(pw::Canvas& canvas, pw::Rect area) {
    Component::paint(canvas, area);
    statusBarDrawer()->paint(canvas, 0, 0, width_, height_);
}

pw::Result StatusBar::handleMessage(pw::Handle window, std::uint32_t message, pw::WParam wparam,
                                    pw::LParam lparam) {
    if (message == pw::msg::kHitTest) {
        // Drags and clicks on the bar's body reach the window behind it.
        pw::Result hit = BoxBase::handleMessage(window, message, wparam, lparam);
        if (hit == pw::kHitClient) return pw::kHitTransparent;
        return hit;
    }
    return BoxBase::handleMessage(window, message, wparam, lparam);
}

StatusBar* newStatusBar() {
    Button* grip = newButton(u"#Resizer", StatusBar::kGripSize, StatusBar::kGripSize);
    Box* gripBox = newBox(-1, 100, layout::kEnd, layout::kEnd, 0, 0, 0, 0, layout::kRow);
    gripBox->add(grip);
    Box* content = newBox(100, 100, 0, 1, -1, -1, 2, 2, 0);
    Box* outer = newBox(100, 100, layout::kStart, layout::kStart, 0, 0, 0, 0, layout::kRow);
    outer->add(content);
    outer->add(gripBox);
    for (Box* box : {gripBox, content, outer}) box->setPointerTransparent(true);
    StatusBar* bar = StatusBar::create();
    bar->setParts(outer, content);
    bar->setResizer(grip);
    bar->setPercentWidth(100, false);
    return bar;
}

}  // namespace s::gui::win
