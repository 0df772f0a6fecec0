#pragma once
// Real keyboard and mouse input under Xvfb, through xdotool (XTEST). Each call waits for
// xdotool to finish; the X server has then generated the events.
#include <cstdlib>
#include <string>

namespace ShellTest {

// Runs `xdotool <arguments>`; true when it succeeded.
inline bool XdoTool(const std::string& arguments) {
    const std::string command = "xdotool " + arguments + " >/dev/null 2>&1";
    return std::system(command.c_str()) == 0;
}

}  // namespace ShellTest
