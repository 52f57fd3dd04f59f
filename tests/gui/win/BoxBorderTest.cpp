// A box paints its border through the border drawer it was given, in the drawer's colour or,
// where the drawer leaves it open, the window's current skin; the menu bar paints its entries
// with the skin's menu drawer.
#include <gtest/gtest.h>

#include "gui/HeadlessWindow.h"
#include "gui/drawer/Skinner.h"
#include "gui/drawer/border/win/Plain.h"
#include "gui/drawer/border/win/Thin.h"
#include "gui/menuitem/MenuItem.h"
#include "gui/win/Box.h"
#include "gui/win/MenuEx.h"

namespace {

namespace pw = platform::window;
namespace sd = s::gui::drawer;
namespace sw = s::gui::win;

class SkinnedBoxBorder : public s::gui::testing::HeadlessWindow {
protected:
    void SetUp() override {
        HeadlessWindow::SetUp();
        skinner = sd::newSkinner();
        skinner->selectSkin(u"White");
        window->setSkinner(skinner);
        box = sw::newBoxFixed(s::gui::layout::kColumn, 40, 20, -1, -1, -1);
        window->add(box);
        window->setVisible(true, false);
    }
    void TearDown() override {
        HeadlessWindow::TearDown();
        skinner->release();
    }
    // Pixels of the box: its bottom-right corner, the middle of its bottom edge, and its inside
    // (the top and left edges lie on the window's own frame line).
    struct Edges {
        pw::Colour corner, bottom, inside;
    };
    Edges edges() {
        pw::update(top());
        Edges e{};
        pw::Handle native = box->getNativeWindow();
        const std::int32_t w = box->getWidth(), h = box->getHeight();
        EXPECT_GT(h, 2);
        pw::pixelAt(native, {w - 1, h - 1}, &e.corner);
        pw::pixelAt(native, {w / 2, h - 1}, &e.bottom);
        pw::pixelAt(native, {w / 2, h / 2}, &e.inside);
        return e;
    }

    sd::Skinner* skinner = nullptr;
    sw::Box* box = nullptr;
};

TEST_F(SkinnedBoxBorder, PlainBorderInItsOwnColourOrTheSkins) {
    const pw::Colour before = edges().inside;
    auto* plain = sd::border::win::Plain::create();
    plain->setLineColour(pw::rgb(145, 155, 156));
    box->setBorder(plain, true);
    Edges own = edges();
    EXPECT_EQ(own.corner & 0xFFFFFF, pw::rgb(145, 155, 156));
    EXPECT_EQ(own.bottom & 0xFFFFFF, pw::rgb(145, 155, 156));
    EXPECT_EQ(own.inside, before);

    // Left open, the colour follows the theme: the group-box line of White, then of Black.
    auto* open = sd::border::win::Plain::create();
    open->setLineColour(sd::kDrawerColour);
    box->setBorder(open, true);
    EXPECT_EQ(edges().corner & 0xFFFFFF, pw::rgb(68, 68, 68));
    skinner->selectSkin(u"Black");
    EXPECT_EQ(edges().bottom & 0xFFFFFF, pw::rgb(176, 176, 176));

    box->setBorder(nullptr, false);
    EXPECT_EQ(edges().corner, edges().inside);
}

TEST_F(SkinnedBoxBorder, ShadedBorderPaintsItsLook) {
    auto* shaded = sd::border::win::Thin::create();
    shaded->setLook(0, 0, pw::rgb(200, 200, 200));  // raised: deep bottom line
    box->setBorder(shaded, true);
    EXPECT_EQ(edges().bottom & 0xFFFFFF, pw::rgb(100, 100, 100));
}

// Without a drawer of its own the bar takes the skin's menu drawer and its text colour: the
// softer white of "Black II", which no contrast rule would choose by itself.
TEST_F(SkinnedBoxBorder, MenuBarPaintsWithTheSkinsMenuDrawer) {
    sw::MenuEx* bar = sw::newMenuEx();
    bar->addItem(s::gui::menuitem::newMenuItemText(u"MMMM", 1, false));
    window->add(bar);
    auto count = [&](pw::Colour wanted) {
        pw::update(top());
        return onOwner([&] {
            int n = 0;
            for (std::int32_t y = 0; y < bar->getHeight(); ++y)
                for (std::int32_t x = 0; x < bar->getWidth(); ++x) {
                    pw::Colour c = 0;
                    n +=
                        pw::pixelAt(bar->getNativeWindow(), {x, y}, &c) && (c & 0xFFFFFF) == wanted;
                }
            return n;
        });
    };
    ASSERT_GT(bar->getWidth() * bar->getHeight(), 0);
    skinner->selectSkin(u"Black II");
    EXPECT_GT(count(pw::rgb(221, 221, 221)), 3);
    skinner->selectSkin(u"White");
    EXPECT_EQ(count(pw::rgb(221, 221, 221)), 0);
    EXPECT_GT(count(pw::rgb(0, 0, 0)), 3);
}

}  // namespace
