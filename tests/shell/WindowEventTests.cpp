// How SDL events reach the window module: the quit flag, and window events handed to every
// observer in registration order, close events apart from the rest, after the tweak bar.
#include <string>
#include <vector>

#include <imgui.h>

#include <AntTweakBar.h>
#include <TestSupport/OffscreenRenderer.h>
#include <gtest/gtest.h>

#include "tests/shell/ShellTestSupport.h"
#include "util/Window.h"

using ShellTest::PushWindowEvent;
using ShellTest::RecordingObserver;
using Strings = std::vector<std::string>;

// A quit request is remembered for the rest of the run; nothing else raises it.
TEST(WindowEvents, OnlyQuitRaisesTheQuitFlagAndItStaysRaised) {
    PushWindowEvent(SDL_WINDOWEVENT_CLOSE);
    ShellTest::PushEvent(SDL_USEREVENT);
    EXPECT_FALSE(Util::IsQuitRequested());
    ShellTest::PushEvent(SDL_QUIT);
    EXPECT_TRUE(Util::IsQuitRequested());
    PushWindowEvent(SDL_WINDOWEVENT_FOCUS_GAINED);
    SDL_PumpEvents();
    EXPECT_TRUE(Util::IsQuitRequested());
}

// Close events call OnWindowClose once per observer in registration order; other window events
// reach every observer with their own id; other events reach none.
TEST(WindowEvents, ReachEveryObserverInOrder) {
    Strings log;
    RecordingObserver first(log, "first"), second(log, "second"), third(log, "third");
    for (auto* observer : {&first, &second, &third}) Util::AddWindowObserver(observer);
    PushWindowEvent(SDL_WINDOWEVENT_CLOSE);
    PushWindowEvent(SDL_WINDOWEVENT_SIZE_CHANGED, 12345);
    ShellTest::PushEvent(SDL_MOUSEMOTION, 3, 4);
    EXPECT_EQ(log, (Strings{"first:close", "second:close", "third:close", "first:event 6", "second:event 6",
                            "third:event 6"}));
    for (auto* observer : {&first, &second, &third}) Util::RemoveWindowObserver(observer);
}

// The list keeps duplicates; removal takes out only the first match, and of nothing listed, nothing.
TEST(WindowEvents, DuplicateObserversAreCalledTwiceAndRemovedOneAtATime) {
    Strings log;
    RecordingObserver twice(log, "twice"), other(log, "other");
    Util::AddWindowObserver(&twice);
    Util::AddWindowObserver(&other);
    Util::AddWindowObserver(&twice);
    const Strings expected[] = {{"twice:close", "other:close", "twice:close"}, {"other:close", "twice:close"},
                                {"other:close"}, {"other:close"}};
    for (const Strings& calls : expected) {
        log.clear();
        PushWindowEvent(SDL_WINDOWEVENT_CLOSE);
        EXPECT_EQ(log, calls);
        Util::RemoveWindowObserver(&twice);
    }
    Util::RemoveWindowObserver(&other);
}

namespace {

// Notes whether Dear ImGui's input state already showed the focus loss when the observer heard of it.
class FocusObserver : public Util::WindowObserver {
public:
    void OnWindowEvent(int eventId) override {
        if (eventId == SDL_WINDOWEVENT_FOCUS_LOST) panelsSawIt = ImGui::GetIO().AppFocusLost;
    }
    bool OnWindowClose() override { return true; }
    bool panelsSawIt = false;
};

}  // namespace

// Every SDL event reaches the tweak bar, window events before any observer.
TEST(WindowEvents, ReachTheTweakBarFirst) {
    TestSupport::OffscreenRenderer gl{64, 64};
    ASSERT_TRUE(gl);
    ASSERT_EQ(TwInit(TW_OPENGL_CORE, gl->GetDevice()), 1) << TwGetLastError();
    FocusObserver observer;
    Util::AddWindowObserver(&observer);
    ASSERT_FALSE(ImGui::GetIO().AppFocusLost);
    PushWindowEvent(SDL_WINDOWEVENT_FOCUS_LOST);
    EXPECT_TRUE(observer.panelsSawIt);
    const float wheel = ImGui::GetIO().MouseWheel;
    ShellTest::PushEvent(SDL_MOUSEWHEEL, 0, 1);
    EXPECT_EQ(ImGui::GetIO().MouseWheel, wheel + 1.0f);
    Util::RemoveWindowObserver(&observer);
    TwTerminate();
}
