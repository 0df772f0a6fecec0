// How SDL events reach the window module: the quit flag, and window events handed to every
// observer in registration order, with close events kept apart from the rest.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/shell/ShellTestSupport.h"
#include "util/Window.h"

using ShellTest::PushQuit;
using ShellTest::PushWindowEvent;
using ShellTest::RecordingObserver;
using ShellTest::ScopedObserver;
using Strings = std::vector<std::string>;

class WindowEventDispatch : public ::testing::Test {
protected:
    Strings log;
};

// Property: a quit request is remembered for the rest of the run, whatever follows it.
TEST_F(WindowEventDispatch, QuitEventSetsTheQuitFlagForGood) {
    EXPECT_FALSE(Util::IsQuitRequested());
    PushWindowEvent(SDL_WINDOWEVENT_SHOWN);
    EXPECT_FALSE(Util::IsQuitRequested());

    PushQuit();
    EXPECT_TRUE(Util::IsQuitRequested());

    PushWindowEvent(SDL_WINDOWEVENT_FOCUS_GAINED);
    PushWindowEvent(SDL_WINDOWEVENT_CLOSE);
    SDL_PumpEvents();
    EXPECT_TRUE(Util::IsQuitRequested());
}

// Property: a close event calls OnWindowClose once per observer, in registration order, and
// neither OnWindowEvent nor the quit flag.
TEST_F(WindowEventDispatch, CloseEventReachesEveryObserverInOrder) {
    RecordingObserver first(log, "first"), second(log, "second"), third(log, "third");
    ScopedObserver a(&first), b(&second), c(&third);

    PushWindowEvent(SDL_WINDOWEVENT_CLOSE);

    EXPECT_EQ(log, (Strings{"first:close", "second:close", "third:close"}));
    EXPECT_FALSE(Util::IsQuitRequested());
}

// Property: every other window event reaches every observer with its own ID, whatever window
// it names.
TEST_F(WindowEventDispatch, OtherWindowEventsReachEveryObserverWithTheirId) {
    RecordingObserver first(log, "first"), second(log, "second");
    ScopedObserver a(&first), b(&second);

    PushWindowEvent(SDL_WINDOWEVENT_RESIZED, 7);
    PushWindowEvent(SDL_WINDOWEVENT_SIZE_CHANGED, 12345);
    PushWindowEvent(SDL_WINDOWEVENT_MINIMIZED);

    EXPECT_EQ(log, (Strings{"first:event 5", "second:event 5", "first:event 6", "second:event 6",
                            "first:event 7", "second:event 7"}));
}

// Property: events that are not window events reach no observer.
TEST_F(WindowEventDispatch, NonWindowEventsReachNoObserver) {
    RecordingObserver observer(log, "o");
    ScopedObserver scoped(&observer);

    ShellTest::PushMouseMotion(3, 4);
    ShellTest::PushMouseWheel(0, 1);
    SDL_Event user{};
    user.type = SDL_USEREVENT;
    SDL_PushEvent(&user);

    EXPECT_TRUE(log.empty());
}

// Property: the list keeps duplicates, and removal takes out only the first matching entry,
// leaving the others in order.
TEST_F(WindowEventDispatch, DuplicateObserverIsCalledTwiceAndRemovedOnceAtATime) {
    RecordingObserver twice(log, "twice"), other(log, "other");
    Util::AddWindowObserver(&twice);
    Util::AddWindowObserver(&other);
    Util::AddWindowObserver(&twice);

    PushWindowEvent(SDL_WINDOWEVENT_CLOSE);
    EXPECT_EQ(log, (Strings{"twice:close", "other:close", "twice:close"}));

    log.clear();
    Util::RemoveWindowObserver(&twice);
    PushWindowEvent(SDL_WINDOWEVENT_CLOSE);
    EXPECT_EQ(log, (Strings{"other:close", "twice:close"}));

    log.clear();
    Util::RemoveWindowObserver(&twice);
    Util::RemoveWindowObserver(&twice);  // no longer listed: nothing changes
    PushWindowEvent(SDL_WINDOWEVENT_CLOSE);
    EXPECT_EQ(log, (Strings{"other:close"}));
    Util::RemoveWindowObserver(&other);
}

// Property: the list is read afresh before each call, so an observer registered during a
// dispatch is called in that same dispatch, and one removed during it shifts the rest down.
TEST_F(WindowEventDispatch, ObserversChangedDuringADispatchFollowTheList) {
    RecordingObserver late(log, "late"), skipped(log, "skipped"), last(log, "last");

    class Registering : public Util::WindowObserver {
    public:
        Registering(Strings& log, Util::WindowObserver* toAdd) : log(log), toAdd(toAdd) {}
        void OnWindowEvent(int) override {}
        bool OnWindowClose() override {
            log.push_back("registering:close");
            Util::AddWindowObserver(toAdd);
            Util::RemoveWindowObserver(this);
            return true;
        }

    private:
        Strings& log;
        Util::WindowObserver* toAdd;
    } registering(log, &late);

    Util::AddWindowObserver(&registering);
    Util::AddWindowObserver(&skipped);
    Util::AddWindowObserver(&last);

    // Removing itself moves "skipped" into the slot just visited, so this dispatch misses it.
    PushWindowEvent(SDL_WINDOWEVENT_CLOSE);
    EXPECT_EQ(log, (Strings{"registering:close", "last:close", "late:close"}));

    Util::RemoveWindowObserver(&skipped);
    Util::RemoveWindowObserver(&last);
    Util::RemoveWindowObserver(&late);
}
