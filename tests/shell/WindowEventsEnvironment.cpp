// The window-event watch is installed once per process, as main does; installing it per test
// would hand every event to it twice.
#include <gtest/gtest.h>

#include "util/Window.h"

namespace {

class WindowEventsEnvironment : public ::testing::Environment {
public:
    void SetUp() override { Util::InitWindowEvents(); }
};

const ::testing::Environment* const environment =
    ::testing::AddGlobalTestEnvironment(new WindowEventsEnvironment);

}  // namespace
