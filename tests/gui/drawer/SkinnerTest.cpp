// Skin families, selection by name, notification, and painting while the theme changes.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "gui/drawer/Pixels.h"
#include "gui/drawer/Skinner.h"

namespace pw = platform::window;
using s::gui::drawer::ISkin;
using s::gui::drawer::newSkinner;
using s::gui::drawer::Skinner;
using s::gui::testing::Pixels;

namespace {

struct Counter : s::gui::events::IEventListener {
    std::atomic<int> calls{0};
    void onEvent(void*, std::int32_t code) override {
        if (code == 0) ++calls;
    }
};

struct SkinnerFixture : ::testing::Test {
    Skinner* skinner = newSkinner();
    void TearDown() override { skinner->release(); }
    std::u16string current() const { return skinner->getCurrentSkin()->getName(); }
};

TEST_F(SkinnerFixture, FamiliesInOrder) {
    const char16_t* names[] = {u"White",       u"Ivory",          u"Black",      u"Black II",
                               u"Black Black", u"Black Black II", u"Classic LG", u"Beige",
                               u"Sky Blue",    u"Pink",           u"Salmon Red", u"Yellow",
                               u"Green",       u"Orange",         u"Khaki",      u"Indigo"};
    ASSERT_EQ(skinner->getSkinCount(), 16);
    for (int i = 0; i < 16; ++i) EXPECT_EQ(skinner->getSkinName(i), names[i]);
    EXPECT_EQ(skinner->getSkinName(16), u"");
    EXPECT_EQ(skinner->getFamily(), u"ThinWindow");
    EXPECT_EQ(skinner->getCurrentSkin(), nullptr);

    Skinner* thin = Skinner::create();
    EXPECT_EQ(thin->getFamily(), u"Basic");
    thin->build(Skinner::kThin);
    EXPECT_EQ(thin->getSkinCount(), 13);
    EXPECT_EQ(thin->getSkinName(7), u"Green2");
    thin->release();
    // A recycled skinner is empty again.
    Skinner* again = Skinner::create();
    EXPECT_EQ(again->getSkinCount(), 0);
    EXPECT_EQ(again->getFamily(), u"Basic");
    EXPECT_FALSE(again->selectSkin(u"White"));
    again->release();
}

TEST_F(SkinnerFixture, SelectByExactName) {
    struct Case {
        const char16_t* name;
        const char16_t* selected;
    };
    const Case cases[] = {{u"Black", u"Black"},
                          {u"black", u"White"},
                          {u"Black ", u"White"},
                          {u"", u"White"},
                          {u"Nope", u"White"},
                          {u"Classic LG", u"Classic LG"},
                          {u"Black Black II", u"Black Black II"}};
    for (const Case& c : cases) {
        skinner->selectSkin(u"Indigo");
        skinner->selectSkin(c.name);
        EXPECT_EQ(current(), c.selected);
    }
    std::int32_t index = 7;
    EXPECT_TRUE(skinner->findSkin(u"Classic LG", &index));
    EXPECT_EQ(index, 6);
    EXPECT_FALSE(skinner->findSkin(u"classic lg", &index));
    EXPECT_EQ(index, -1);
}

TEST_F(SkinnerFixture, ListenersToldOnlyOnChange) {
    Counter a, b;
    skinner->registerListener(&a);
    skinner->registerListener(&a);  // held once
    skinner->registerListener(&b);
    EXPECT_TRUE(skinner->selectSkin(u"Pink"));
    EXPECT_FALSE(skinner->selectSkin(u"Pink"));
    EXPECT_TRUE(skinner->selectSkin(u"nothing"));  // White
    EXPECT_FALSE(skinner->selectSkin(u""));        // White again
    EXPECT_EQ(a.calls, 2);
    EXPECT_EQ(b.calls, 2);
    skinner->unregisterListener(&b);
    skinner->selectSkin(u"Khaki");
    EXPECT_EQ(a.calls, 3);
    EXPECT_EQ(b.calls, 2);
}

// A listener may unregister itself or change the theme while it is told.
TEST_F(SkinnerFixture, ListenerMayUnregisterOrReselect) {
    struct Leaver : s::gui::events::IEventListener {
        Skinner* skinner;
        int calls = 0;
        void onEvent(void*, std::int32_t) override {
            ++calls;
            skinner->unregisterListener(this);
        }
    } leaver;
    struct Redirect : s::gui::events::IEventListener {
        Skinner* skinner;
        void onEvent(void*, std::int32_t) override {
            if (skinner->getCurrentSkin()->getName() == u"Yellow") skinner->selectSkin(u"Green");
        }
    } redirect;
    leaver.skinner = redirect.skinner = skinner;
    skinner->registerListener(&leaver);
    skinner->registerListener(&redirect);
    skinner->selectSkin(u"Yellow");
    EXPECT_EQ(current(), u"Green");
    EXPECT_EQ(leaver.calls, 1);
    EXPECT_EQ(skinner->getListenerCount(), 1);
}

// Paints a scene with every drawer of the skin that takes no text.
void paintScene(ISkin* skin, Pixels& p) {
    skin->getWindowDrawer()->paint(p.canvas, 0, 0, 120, 80);
    skin->getButtonDrawer()->paint(p.canvas, 4, 4, 24, 24, 0, u"#Down", true, nullptr, false,
                                   false);
    skin->getButtonDrawer()->paint(p.canvas, 26, 4, 46, 24, 2, u"#Check", true, nullptr, true,
                                   true);
    skin->getCheckBoxDrawer()->paint(p.canvas, 50, 4, 63, 17, 13, true, u"", nullptr);
    skin->getGroupBoxDrawer()->paint(p.canvas, 4, 30, 60, 70, u"", nullptr, 20, 12);
    skin->getScrollBarDrawer()->paint(p.canvas, 100, 4, 115, 70, 1, 300, 100, 50, false, 0, 1, 0);
    skin->getCounterDrawer()->paint(p.canvas, 64, 30, 96, 40, 5, 10);
    skin->getSliderDrawer()->paint(p.canvas, 64, 44, 96, 60, 0, 10, 3, false, 0, true);
}

TEST_F(SkinnerFixture, SecondVariantsDifferOnlyInTextColour) {
    for (auto [first, second] :
         {std::pair{u"Black", u"Black II"}, std::pair{u"Black Black", u"Black Black II"}}) {
        std::int32_t i = 0, j = 0;
        ASSERT_TRUE(skinner->findSkin(first, &i));
        ASSERT_TRUE(skinner->findSkin(second, &j));
        ISkin* a = nullptr;
        ISkin* b = nullptr;
        skinner->selectSkin(first);
        a = skinner->getCurrentSkin();
        skinner->selectSkin(second);
        b = skinner->getCurrentSkin();
        Pixels pa(120, 80), pb(120, 80);
        paintScene(a, pa);
        paintScene(b, pb);
        for (int y = 0; y < 80; ++y)
            for (int x = 0; x < 120; ++x) ASSERT_EQ(pa.at(x, y), pb.at(x, y)) << x << "," << y;
        EXPECT_EQ(a->getTextDrawer()->getTextColour(), pw::rgb(255, 255, 255));
        EXPECT_EQ(b->getTextDrawer()->getTextColour(), pw::rgb(221, 221, 221));
        EXPECT_EQ(a->getButtonDrawer()->getFontColour(0), pw::rgb(255, 255, 255));
        EXPECT_EQ(b->getButtonDrawer()->getFontColour(0), pw::rgb(221, 221, 221));
        EXPECT_EQ(b->getCheckBoxDrawer()->getTextColour(), pw::rgb(221, 221, 221));
        EXPECT_EQ(b->getGroupBoxDrawer()->getTitleColour(), pw::rgb(221, 221, 221));
        EXPECT_EQ(b->getMenuDrawer()->getTextColour(), pw::rgb(221, 221, 221));
        EXPECT_EQ(b->getComboDrawer()->getTextColour(), pw::rgb(221, 221, 221));
        EXPECT_EQ(b->getTabBoxDrawer()->getTextColour(), pw::rgb(221, 221, 221));
        // Text painted by the two skins differs.
        Pixels ta(60, 20), tb(60, 20);
        a->getTextDrawer()->paint(ta.canvas, 0, 0, 60, 20, u"Text", nullptr);
        b->getTextDrawer()->paint(tb.canvas, 0, 0, 60, 20, u"Text", nullptr);
        EXPECT_GT(ta.count(pw::rgb(255, 255, 255)), 0);
        EXPECT_EQ(tb.count(pw::rgb(255, 255, 255)), 0);
    }
}

TEST_F(SkinnerFixture, ColoursReachTheirDrawers) {
    skinner->selectSkin(u"Classic LG");
    ISkin* s = skinner->getCurrentSkin();
    EXPECT_EQ(s->getWindowDrawer()->getBackgroundColour(), pw::rgb(116, 116, 116));
    EXPECT_EQ(s->getWindowDrawer()->getFrameColour(), pw::rgb(17, 17, 17));
    EXPECT_EQ(s->getWindowDrawer()->getTopCornerStyle(), 0);
    EXPECT_EQ(s->getWindowDrawer()->getBottomCornerStyle(), 0);
    EXPECT_EQ(s->getButtonDrawer()->getColour(1), pw::rgb(86, 86, 86));
    EXPECT_EQ(s->getButtonDrawer()->getColour(3), pw::rgb(25, 25, 25));
    EXPECT_EQ(s->getButtonDrawer()->getFontColour(2), pw::rgb(255, 255, 255));
    EXPECT_EQ(s->getTextDrawer()->getThirdColour(), pw::rgb(51, 51, 51));
    EXPECT_EQ(s->getTextDrawer()->getStateColour(3), pw::rgb(17, 17, 17));
    EXPECT_EQ(s->getScrollBarDrawer()->getPageColour(), pw::rgb(116, 116, 116));
    EXPECT_EQ(s->getScrollBarDrawer()->getThickness(), 15);
    EXPECT_EQ(s->getCounterDrawer()->getColour1(), pw::rgb(195, 234, 0));
    EXPECT_EQ(s->getCounterDrawer()->getColour2(), pw::rgb(25, 25, 25));
    EXPECT_EQ(s->getListBoxDrawer()->getColour(1), pw::rgb(49, 49, 49));
    EXPECT_EQ(s->getListBoxDrawer()->getColour(5), pw::rgb(56, 56, 56));
    EXPECT_EQ(s->getListHeaderDrawer()->getSecondColour(), pw::rgb(25, 25, 25));
    EXPECT_EQ(s->getMenuDrawer()->getBackgroundColour(), pw::rgb(116, 116, 116));
    EXPECT_EQ(s->getMenuDrawer()->getHighlightColour(), pw::rgb(17, 17, 17));
    EXPECT_EQ(s->getSliderDrawer()->getSecondColour(), pw::rgb(116, 116, 116));
    EXPECT_EQ(s->getGroupBoxDrawer()->getLineColour(), pw::rgb(17, 17, 17));
}

// A worker switches themes while another thread keeps painting with whatever skin is current
// (as a window repaints on each change); listeners come and go meanwhile.
TEST(SkinnerThread, ThemeSwitchedWhilePainting) {
    Skinner* skinner = newSkinner();
    skinner->selectSkin(u"White");
    struct Repainter : s::gui::events::IEventListener {
        Skinner* skinner;
        std::atomic<int> repaints{0};
        void onEvent(void*, std::int32_t) override {
            Pixels p(40, 30);
            ISkin* skin = skinner->getCurrentSkin();
            skin->getWindowDrawer()->paint(p.canvas, 0, 0, 40, 30);
            skin->getButtonDrawer()->paint(p.canvas, 2, 2, 30, 20, 1, u"#Up", true, nullptr, false,
                                           false);
            ++repaints;
        }
    } repainter;
    repainter.skinner = skinner;
    skinner->registerListener(&repainter);
    std::atomic<bool> done{false}, started{false};
    std::thread worker([&] {
        while (!started) std::this_thread::yield();
        for (int i = 1; i <= 200; ++i) skinner->selectSkin(skinner->getSkinName(i % 16));
        done = true;
    });
    Counter passing;
    int paints = 0;
    started = true;
    while (!done || paints < 20) {
        skinner->registerListener(&passing);
        Pixels p(40, 30);
        skinner->getCurrentSkin()->getCheckBoxDrawer()->paint(p.canvas, 0, 0, 13, 13, 13, true, u"",
                                                              nullptr);
        skinner->unregisterListener(&passing);
        ++paints;
    }
    worker.join();
    EXPECT_EQ(repainter.repaints, 200);
    skinner->release();
}

}  // namespace
