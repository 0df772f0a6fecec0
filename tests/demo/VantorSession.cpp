#include "VantorSession.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace DemoTest {
namespace {

std::string Output(const std::string& command)
{
    std::string text;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[256];
        while (std::fgets(buffer, sizeof buffer, pipe)) {
            text += buffer;
        }
        pclose(pipe);
    }
    return text;
}

// Binary PPM as ImageMagick writes it (maxval 255), as an opaque RGBA frame.
TestSupport::FrameImage ReadPpm(const std::string& path)
{
    TestSupport::FrameImage image;
    std::ifstream in(path, std::ios::binary);
    std::string magic;
    unsigned maxValue = 0;
    in >> magic >> image.width >> image.height >> maxValue;
    in.get();
    if (!in || magic != "P6" || maxValue != 255) {
        ADD_FAILURE() << "not an 8-bit binary PPM: " << path;
        return TestSupport::FrameImage{};
    }
    image.rgba.resize(std::size_t{image.width} * image.height * 4, 255);
    for (std::size_t i = 0; i < image.rgba.size(); i += 4) {
        in.read(reinterpret_cast<char*>(&image.rgba[i]), 3);
    }
    if (!in) {
        ADD_FAILURE() << "truncated PPM: " << path;
    }
    return image;
}

}  // namespace

VantorSession::VantorSession(const std::string& executable)
{
    const std::string directory = executable.substr(0, executable.find_last_of('/'));
    pid = fork();
    if (pid == 0) {
        if (chdir(directory.c_str()) == 0) {
            execl(executable.c_str(), executable.c_str(), static_cast<char*>(nullptr));
        }
        std::perror(executable.c_str());
        _exit(127);
    }
    if (pid < 0) {
        ADD_FAILURE() << "fork failed";
        return;
    }

    const std::string found = Output("timeout 60 xdotool search --sync --onlyvisible --name '^Vantor v0.0$'");
    windowId = found.substr(0, found.find('\n'));
    if (windowId.empty()) {
        ADD_FAILURE() << "no window titled \"Vantor v0.0\" appeared";
        return;
    }
    user = std::make_unique<XInputDriver>(windowId);
}

VantorSession::~VantorSession()
{
    user.reset();
    if (pid > 0) {
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
    }
}

TestSupport::FrameImage VantorSession::Capture(const std::string& name)
{
    const std::string path = name + ".ppm";
    const std::string command = "import -window " + windowId + " -depth 8 " + path;
    if (std::system(command.c_str()) != 0) {
        ADD_FAILURE() << "failed: " << command;
        return TestSupport::FrameImage{};
    }
    return ReadPpm(path);
}

int VantorSession::Quit()
{
    // Held until the program ends: a press and release between two of its input snapshots
    // would never be seen.
    user->PressKey("Escape");
    int status = 0;
    for (int attempt = 0; attempt < 300; ++attempt) {
        if (waitpid(pid, &status, WNOHANG) == pid) {
            pid = -1;
            user->ReleaseKey("Escape");
            return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        }
        usleep(100000);
    }
    ADD_FAILURE() << "the program did not end after Escape";
    return -1;
}

}  // namespace DemoTest
