// Window settings: defaults on an empty store, the size validity rule against the virtual
// screen, the middle-click words, the application base's language and identification values,
// settings surviving a restart, and two windows' settings used from two threads.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <thread>

#include "app/win/AppBase.h"
#include "app/win/AppWindow.h"
#include "app/win/SyncStore.h"
#include "gui/win/Window.h"
#include "gui/win/WindowPlacement.h"
#include "lang/Localizer.h"
#include "platform/window/Backend.h"
#include "platform/window/Headless.h"
#include "platform/window/Scale.h"
#include "xml/MappedData.h"

namespace {

using s::app::IAppWindow;
using s::app::win::AppBase;
using s::app::win::AppWindow;
using s::app::win::SyncStore;

constexpr char kPack[] = R"(<lang>
  <languages>
    <entry tagName="eng" engName="English" trueName="English"/>
    <entry tagName="deu" engName="German" trueName="Deutsch"/>
  </languages>
  <entries>
    <entry id="300000"><eng>Zarnek Veritome</eng><deu>Zarnek Veritome</deu></entry>
    <entry id="500000"><eng>Veritome</eng><deu>Veritome</deu></entry>
    <entry id="500010"><eng>1.16</eng><deu>1.16</deu></entry>
    <entry id="700000"><eng>Language</eng><deu>Sprache</deu></entry>
  </entries>
</lang>)";

s::lang::Localizer* smallLocalizer() {
    return s::lang::Localizer::createFromBytes(reinterpret_cast<const std::uint8_t*>(kPack),
                                               sizeof kPack - 1, u"English");
}

class AppWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto& backend = platform::window::startBackend(platform::window::BackendKind::kHeadless);
        static_cast<platform::window::HeadlessBackend&>(backend).setWorkArea({0, 0, 1920, 1080});
        dir_ =
            std::filesystem::temp_directory_path() /
            ("app_settings_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
        file_ = (dir_ / "SaveData.xml").u16string();
        store_ = SyncStore::wrap(s::xml::MappedData::open(file_.c_str()));
        window_ = AppWindow::open(store_, u"MainWindow", AppWindow::Defaults{});
    }
    void TearDown() override {
        if (window_) window_->release();
        if (store_) store_->release();
        std::filesystem::remove_all(dir_);
    }
    std::filesystem::path dir_;
    std::u16string file_;
    SyncStore* store_ = nullptr;
    AppWindow* window_ = nullptr;
};

TEST_F(AppWindowTest, EmptyStoreGivesTheDefaultsAndWritesUnderTheViewSection) {
    EXPECT_EQ(window_->getWidth(), 600);
    EXPECT_EQ(window_->getHeight(), 550);
    EXPECT_FALSE(window_->hasWidth());
    EXPECT_TRUE(window_->isKeepOnTop());
    EXPECT_TRUE(window_->getEasyDrag());
    EXPECT_FALSE(window_->isMaximized());
    EXPECT_EQ(window_->getMiddleClickAction(), u"Close");
    EXPECT_TRUE(window_->isCloseOnMiddleClick());
    EXPECT_FALSE(window_->hasX());
    EXPECT_FALSE(window_->hasY());
    EXPECT_FALSE(window_->hasPosition());
    EXPECT_EQ(window_->getSkin(u"White"), u"White");
    EXPECT_EQ(window_->sectionPath(u"View"), u"MainWindow\\View");

    window_->setBounds(12, 34, 700, 500);
    window_->setKeepOnTop(false);
    window_->setSkin(u"Ocean");
    s::map::IMappedData* raw = store_->inner();
    for (const char16_t* key : {u"X", u"Y", u"Width", u"Height", u"KeepOnTop"}) {
        EXPECT_TRUE(raw->hasValue(u"MainWindow\\View", key)) << std::string(key, key + 1);
    }
    EXPECT_EQ(std::u16string(raw->getText(u"MainWindow\\Skin", u"", u"")), u"Ocean");
    EXPECT_TRUE(window_->hasPosition());
    EXPECT_EQ(window_->getX(), 12);
    EXPECT_EQ(window_->getHeight(), 500);

    window_->removeGeometry();
    EXPECT_FALSE(window_->hasPosition());
    EXPECT_EQ(window_->getWidth(), 600);
}

TEST_F(AppWindowTest, XWithoutYIsNoPosition) {
    window_->setX(40);
    EXPECT_TRUE(window_->hasX());
    EXPECT_FALSE(window_->hasPosition());
    window_->setY(0);
    EXPECT_TRUE(window_->hasPosition());
}

TEST_F(AppWindowTest, StoredSizeIsUsedOnlyWhenAtLeastTenAndWithinTheVirtualScreen) {
    struct Case {
        std::int32_t stored;
        std::int32_t width;  // read back on a 1920 x 1080 screen
        bool has;
    };
    for (const Case& c : {Case{5, 600, false}, Case{9, 600, false}, Case{10, 10, true},
                          Case{1920, 1920, true}, Case{1921, 600, false}, Case{-3, 600, false}}) {
        window_->setWidth(c.stored);
        EXPECT_EQ(window_->getWidth(), c.width) << c.stored;
        EXPECT_EQ(window_->hasWidth(), c.has) << c.stored;
        EXPECT_EQ(window_->isWidthValid(c.stored), c.has) << c.stored;
    }
    window_->setHeight(1081);
    EXPECT_EQ(window_->getHeight(), 550);
    window_->setHeight(1080);
    EXPECT_EQ(window_->getHeight(), 1080);
}

TEST_F(AppWindowTest, SettingsKeepTheBoundsOfANinetySixDpiScreen) {
    const double before = platform::window::scale();
    window_->setBounds(40, 30, 600, 550);
    const struct {
        double factor;
        platform::window::Rect opened;  // what a window made with the settings gets
        platform::window::Rect moved;   // then moved and sized by the user
        platform::window::Rect stored;  // what is written back
    } cases[] = {
        {2.0, {80, 60, 1200, 1100}, {81, 60, 1203, 1100}, {41, 30, 602, 550}},
        {1.5, {60, 45, 900, 825}, {60, 45, 901, 826}, {40, 30, 601, 551}},
        {1.0, {40, 30, 600, 550}, {41, 31, 601, 551}, {41, 31, 601, 551}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.factor);
        platform::window::setScale(c.factor);
        window_->setBounds(40, 30, 600, 550);
        s::gui::win::Window* w = s::gui::win::newWindow(0, 0, 100, 100);
        w->attachAppWindow(window_, false);
        EXPECT_EQ((platform::window::Rect{w->getX(), w->getY(), w->getWidth(), w->getHeight()}),
                  c.opened);
        w->release();
        EXPECT_EQ(s::gui::win::WindowPlacement::saved(*window_), c.opened);
        s::gui::win::WindowPlacement::save(*window_, c.moved);
        EXPECT_EQ((platform::window::Rect{window_->getX(), window_->getY(), window_->getWidth(),
                                          window_->getHeight()}),
                  c.stored);
    }
    platform::window::setScale(before);
}

TEST_F(AppWindowTest, MiddleClickReadsOnlyTheThreeWords) {
    struct Case {
        const char16_t* stored;
        const char16_t* read;
    };
    for (const Case& c :
         {Case{u"Close", u"Close"}, Case{u"Iconize", u"Iconize"}, Case{u"DoNothing", u"DoNothing"},
          Case{u"close", u"DoNothing"}, Case{u"Minimize", u"DoNothing"}, Case{u"", u"DoNothing"}}) {
        store_->setText(u"MainWindow\\View", u"OnMClick", c.stored);
        EXPECT_EQ(window_->getMiddleClickAction(), c.read);
    }
    window_->setMiddleClickAction(u"Iconize");
    EXPECT_TRUE(window_->isIconizeOnMiddleClick());
    window_->setMiddleClickAction(u"Explode");
    EXPECT_EQ(std::u16string(store_->getText(u"MainWindow\\View", u"OnMClick", u"")), u"DoNothing");

    // Another window's default middle-click word, and a nonsense default, are honoured too.
    AppWindow* about = AppWindow::open(store_, u"AboutWindow",
                                       {340, 285, true, false, true, IAppWindow::kIconize});
    EXPECT_EQ(about->getMiddleClickAction(), u"Iconize");
    EXPECT_EQ(about->getWidth(), 340);
    about->release();
}

TEST_F(AppWindowTest, BaseAppliesTheSavedLanguageAndSettingsSurviveARestart) {
    store_->setText(u"Language", u"", u"German");
    store_->flush();
    window_->release();
    window_ = nullptr;
    store_->release();
    store_ = nullptr;

    for (int run = 0; run < 2; ++run) {
        AppBase* base = AppBase::create();
        base->initialize(smallLocalizer(), s::xml::MappedData::open(file_.c_str()));
        EXPECT_EQ(base->text(700000), run == 0 ? u"Sprache" : u"Language");
        EXPECT_EQ(base->productText(0), u"Veritome");
        AppWindow* main = AppWindow::open(base, u"MainWindow", AppWindow::Defaults{});
        EXPECT_EQ(main->getTitleTextId(), 500000);
        EXPECT_EQ(main->getLocalizer(), base->getLocalizer());
        if (run == 0) {
            main->setSize(800, 640);
            main->setMiddleClickAction(u"DoNothing");
            base->writeIdentification(u"MainWindow", u"HashTool");
            base->saveLanguage(u"Klingon");
        } else {
            EXPECT_EQ(main->getWidth(), 800);
            EXPECT_EQ(main->getHeight(), 640);
            EXPECT_EQ(main->getMiddleClickAction(), u"DoNothing");
            // A saved name that matches no language falls back to English and is written back.
            EXPECT_EQ(base->savedLanguage(), u"English");
            s::map::IMappedData* store = base->getStore();
            EXPECT_EQ(std::u16string(store->getText(u"MainWindow\\SoftwareID", u"", u"")),
                      u"Zarnek Veritome");
            EXPECT_EQ(std::u16string(store->getText(u"MainWindow\\Version", u"", u"")), u"1.16");
            EXPECT_EQ(std::u16string(store->getText(u"MainWindow\\SoftwareType", u"", u"")),
                      u"HashTool");
        }
        main->release();
        base->release();  // writes the file
    }
}

// Two windows' settings objects on two threads share one store: every call is serialised and
// the texts handed out are copies (run under ThreadSanitizer).
class AppWindowThreadTest : public AppWindowTest {};

TEST_F(AppWindowThreadTest, TwoWindowsShareOneStore) {
    AppWindow* about = AppWindow::open(store_, u"AboutWindow",
                                       {340, 285, true, false, true, IAppWindow::kDoNothing});
    auto hammer = [](AppWindow* w, std::int32_t base, const char16_t* word) {
        for (int i = 0; i < 300; ++i) {
            w->setBounds(base + i, base, 100 + i % 50, 200);
            w->setMiddleClickAction(word);
            EXPECT_EQ(w->getMiddleClickAction(), word);
            EXPECT_TRUE(w->hasPosition());
            EXPECT_EQ(w->getY(), base);
            w->setSkin(word);
            EXPECT_EQ(w->getSkin(u""), word);
        }
    };
    std::thread a(hammer, window_, 10, IAppWindow::kIconize);
    std::thread b(hammer, about, 20, IAppWindow::kClose);
    a.join();
    b.join();
    EXPECT_EQ(window_->getX(), 309);
    EXPECT_EQ(about->getX(), 319);
    about->release();
}

}  // namespace

namespace {

TEST(AppBaseTest, IconsAndLogosComeFromTheEmbeddedPictures) {
    AppBase* base = AppBase::create();
    const auto file = std::filesystem::temp_directory_path() / "app_base_pictures.xml";
    base->initialize(smallLocalizer(), s::xml::MappedData::open(file.u16string().c_str()));
    ASSERT_NE(base->getLogo(true), nullptr);
    EXPECT_EQ(base->getLogo(true)->width(), 700);
    EXPECT_EQ(base->getLogo(false)->height(), 700);
    struct Case {
        std::int32_t asked, side;
    };
    // The smallest picture at least as large as asked (only ever made smaller), else the
    // largest: the About window's 64-pixel icon and 320-pixel logo at factors 1 to 2.
    for (const Case& c : {Case{1, 16}, Case{20, 24}, Case{33, 48}, Case{64, 64}, Case{80, 96},
                          Case{96, 96}, Case{128, 128}, Case{1000, 256}}) {
        ASSERT_NE(base->getIcon(c.asked), nullptr);
        EXPECT_EQ(base->getIcon(c.asked)->width(), c.side) << c.asked;
    }
    for (const Case& c : {Case{320, 320}, Case{400, 480}, Case{480, 480}, Case{640, 640},
                          Case{641, 700}, Case{2000, 700}}) {
        ASSERT_NE(base->getWideLogo(c.asked), nullptr);
        EXPECT_EQ(base->getWideLogo(c.asked)->width(), c.side) << c.asked;
    }
    EXPECT_EQ(base->getWideLogo(2000), base->getLogo(true));
    EXPECT_EQ(base->getWideLogo(480)->height(), 158);
    AppWindow* window = AppWindow::open(base, u"MainWindow", AppWindow::Defaults{});
    EXPECT_EQ(window->getIcon(48), base->getIcon(48));
    window->release();
    base->release();
    std::filesystem::remove(file);
}

}  // namespace
