// Labels on real native windows: text changes, temporary texts and link input.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include <unistd.h>

#include "gui/HeadlessWindow.h"
#include "gui/Recorder.h"
#include "gui/win/Label.h"
#include "platform/window/Input.h"
#include "platform/window/LinkOpener.h"

namespace pw = platform::window;
using s::gui::testing::HeadlessWindow;
using s::gui::testing::Recorder;
using namespace s::gui::win;

namespace {

// Counts the paints of the label's native window.
class CountingLabel : public Label {
public:
    int paints = 0;

protected:
    void paint(pw::Canvas& canvas, pw::Rect area) override {
        ++paints;
        Label::paint(canvas, area);
    }
};

using LabelWidget = HeadlessWindow;

TEST_F(LabelWidget, SameTextChangesNothingAndNewTextRemeasures) {
    auto* label = new CountingLabel();
    label->setText(u"a", false);
    window->add(label);
    window->setVisible(true, false);
    pw::update(top());
    int before = label->paints;
    EXPECT_FALSE(label->setText(u"a", true));
    pw::update(top());
    EXPECT_EQ(label->paints, before);
    std::int32_t narrow = label->getMinWidth();
    EXPECT_TRUE(label->setText(u"a much longer text", true));
    EXPECT_GT(label->getMinWidth(), narrow);
    EXPECT_GT(label->paints, before);
    window->remove(label, true);
}

TEST_F(LabelWidget, TemporaryTextsRevertToTheOwnText) {
    Label* label = newLabel(u"Ready");
    window->add(label);
    // Two quick temporary texts: back to the label's own text, not the first temporary one.
    label->showTextFor(u"Copied", 30);
    label->showTextFor(u"Copied again", 30);
    EXPECT_EQ(label->getText(), u"Copied again");
    EXPECT_TRUE(eventually([&] { return label->getText() == u"Ready"; }));
    // A program text set during a temporary one is kept.
    label->showTextFor(u"Copied", 30);
    label->setText(u"Done!", true);
    std::this_thread::sleep_for(std::chrono::milliseconds(80));
    EXPECT_EQ(label->getText(), u"Done!");
    // Detached labels have no timer: nothing happens.
    Label* loose = newLabel(u"x");
    loose->showTextFor(u"y", 10);
    EXPECT_EQ(loose->getText(), u"x");
    loose->release();
}

class LinkLabel : public HeadlessWindow {
protected:
    void SetUp() override {
        HeadlessWindow::SetUp();
        // Named by process: ctest runs this suite's tests side by side.
        std::string stem = ::testing::TempDir() + "links-" + std::to_string(::getpid());
        log = stem + ".log";
        std::remove(log.c_str());
        std::string script = stem + ".sh";
        std::ofstream(script) << "#!/bin/sh\necho \"$1\" >> '" << log << "'\n";
        std::string chmod = "chmod +x '" + script + "'";
        ASSERT_EQ(std::system(chmod.c_str()), 0);
        pw::setLinkOpenerProgram(script);
        label = newLabel(u"Home page");
        label->setStateFonts(true);
        label->addClickListener(&clicks);
        window->add(label);
        window->setVisible(true, false);
    }
    void TearDown() override {
        pw::setLinkOpenerProgram("xdg-open");
        HeadlessWindow::TearDown();
        std::remove(log.c_str());
        std::remove((log.substr(0, log.size() - 4) + ".sh").c_str());
    }
    std::string opened() {
        std::ifstream in(log);
        std::stringstream all;
        all << in.rdbuf();
        return all.str();
    }
    void click(pw::Point down, pw::Point up) {
        pw::input::mouseMove(top(), down);
        pw::input::mouseButton(top(), down, pw::MouseButton::kLeft, true);
        pw::input::mouseMove(top(), up);
        pw::input::mouseButton(top(), up, pw::MouseButton::kLeft, false);
    }

    std::string log;
    Label* label = nullptr;
    Recorder clicks;
};

TEST_F(LinkLabel, ReleaseInsideOpensAndClicksReleaseOutsideDoesNot) {
    label->setLinkTarget(u"https://example.org/");
    click({2, 2}, {60, 50});  // dragged off before release
    pw::input::mouseMove(top(), {3, 3});
    EXPECT_TRUE(ownerSees([&] { return label->getState() == 1; }));  // hovered again
    EXPECT_TRUE(clicks.events().empty());
    click({2, 2}, {3, 3});
    ASSERT_TRUE(clicks.waitFor(1));
    EXPECT_EQ(clicks.events()[0].second, 1);
    EXPECT_EQ(onOwner([&] { return label->getState(); }), 0);
    EXPECT_TRUE(eventually([&] { return opened() == "https://example.org/\n"; })) << opened();
    EXPECT_EQ(pw::captureOf(pw::threadOf(top())), pw::kNoWindow);
}

TEST_F(LinkLabel, OnlyWebAndMailAddressesAreOpened) {
    EXPECT_TRUE(isOpenableLink(u"HTTP://a"));
    EXPECT_TRUE(isOpenableLink(u"mailto:someone@example.org"));
    EXPECT_FALSE(isOpenableLink(u"file:///etc/passwd"));
    EXPECT_FALSE(isOpenableLink(u"-h"));
    EXPECT_FALSE(isOpenableLink(u"/usr/bin/xterm"));
    label->setLinkTarget(u"file:///etc/passwd");
    click({2, 2}, {2, 2});
    ASSERT_TRUE(clicks.waitFor(1));  // still a click for the listeners
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(opened(), "");
}

TEST_F(LabelWidget, PlainLabelLetsThePointerThrough) {
    Label* label = newLabel(u"text");
    window->add(label);
    window->setVisible(true, false);
    pw::Point screen = pw::clientToScreen(top(), {2, 2});
    EXPECT_EQ(pw::windowFromPoint(top(), screen), top());
    label->setStateFonts(true);
    EXPECT_EQ(pw::windowFromPoint(top(), screen), label->getNativeWindow());
}

}  // namespace
