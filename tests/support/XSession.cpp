#include <TestSupport/XSession.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

// gtest before the X11 headers, whose macros (None, Bool) break gtest's declarations.
#include <gtest/gtest.h>

#include <SDL_syswm.h>
#include <X11/Xlib.h>

namespace TestSupport {
namespace {

std::string Output(const std::string& command) {
    std::string text;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[256];
        while (std::fgets(buffer, sizeof buffer, pipe)) text += buffer;
        pclose(pipe);
    }
    return text;
}

std::string ReadFile(const std::string& path) {
    std::ifstream file(path);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// The value of `key=` in xdotool's --shell output.
int ShellValue(const std::string& text, const std::string& key) {
    const std::size_t at = text.find(key + "=");
    return at == std::string::npos ? -1 : std::atoi(text.c_str() + at + key.size() + 1);
}

}  // namespace

bool XdoTool(const std::string& arguments) {
    const std::string command = "xdotool " + arguments + " >/dev/null 2>&1";
    const bool done = std::system(command.c_str()) == 0;
    EXPECT_TRUE(done) << "failed: " << command;
    return done;
}

std::string X11WindowId(SDL_Window* window) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) {
        ADD_FAILURE() << "not an X11 window (run under xvfb-run with SDL_VIDEODRIVER=x11): " << SDL_GetError();
        return std::string();
    }
    return std::to_string(info.info.x11.window);
}

void XUser::MovePointer(int x, int y) {
    XdoTool("mousemove --window " + windowId + " " + std::to_string(x) + " " + std::to_string(y));
}

void XUser::Release(std::string release) {
    XdoTool(release);
    held.erase(std::remove(held.begin(), held.end(), release), held.end());
}

RunningProgram::RunningProgram(const std::string& executable, const std::string& workingDirectory,
                               const std::string& videoDriver)
    : outputPrefix(testing::TempDir() + "vantor-" + std::to_string(getpid()) + "-") {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    for (const int stream : {STDOUT_FILENO, STDERR_FILENO}) {
        const std::string path = outputPrefix + (stream == STDOUT_FILENO ? "stdout.txt" : "stderr.txt");
        posix_spawn_file_actions_addopen(&actions, stream, path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    }
    posix_spawn_file_actions_addchdir_np(&actions, workingDirectory.c_str());
    setenv("SDL_VIDEODRIVER", videoDriver.c_str(), 1);  // the test process itself opens no window
    char* const argv[] = {const_cast<char*>(executable.c_str()), nullptr};
    if (posix_spawn(&pid, executable.c_str(), &actions, nullptr, argv, environ) != 0) {
        ADD_FAILURE() << "could not start " << executable;
        pid = -1;
    }
    posix_spawn_file_actions_destroy(&actions);
}

RunningProgram::~RunningProgram() {
    user.reset();
    if (IsRunning() && kill(pid, SIGKILL) == 0) waitpid(pid, nullptr, 0);
}

bool RunningProgram::IsRunning() {
    int status = 0;
    if (pid > 0 && waitpid(pid, &status, WNOHANG) == pid) {
        pid = -1;
        if (WIFEXITED(status)) exitCode = WEXITSTATUS(status);
    }
    return pid > 0;
}

bool RunningProgram::WaitForWindow() {
    for (int attempt = 0; attempt < 600 && IsRunning() && windowId.empty(); ++attempt) {
        const std::string found = Output("xdotool search --onlyvisible --name '^Vantor v0.0$' 2>/dev/null");
        windowId = found.substr(0, found.find('\n'));
        if (windowId.empty()) usleep(100 * 1000);
    }
    if (!windowId.empty()) user.emplace(windowId);
    return user.has_value();
}

WindowGeometry RunningProgram::Geometry() const {
    const std::string text = Output("xdotool getwindowgeometry --shell " + windowId);
    return {ShellValue(text, "X"), ShellValue(text, "Y"), ShellValue(text, "WIDTH"), ShellValue(text, "HEIGHT")};
}

WindowGeometry RunningProgram::Screen() {
    const std::string text = Output("xdotool getdisplaygeometry --shell");
    return {0, 0, ShellValue(text, "WIDTH"), ShellValue(text, "HEIGHT")};
}

// Kept as a binary PPM (maxval 255), read back as an opaque RGBA frame.
FrameImage RunningProgram::Capture(const std::string& name) const {
    const std::string command = "import -window " + windowId + " -depth 8 " + name + ".ppm";
    if (std::system(command.c_str()) != 0) {
        ADD_FAILURE() << "failed: " << command;
        return FrameImage{};
    }
    FrameImage image;
    std::ifstream in(name + ".ppm", std::ios::binary);
    std::string magic;
    unsigned maxValue = 0;
    in >> magic >> image.width >> image.height >> maxValue;
    in.get();
    image.rgba.resize(std::size_t{image.width} * image.height * 4, 255);
    for (std::size_t i = 0; in && i < image.rgba.size(); i += 4) in.read(reinterpret_cast<char*>(&image.rgba[i]), 3);
    if (in && magic == "P6" && maxValue == 255) return image;
    ADD_FAILURE() << "not a complete 8-bit binary PPM: " << name << ".ppm";
    return FrameImage{};
}

bool RunningProgram::RequestClose() const {
    Display* display = XOpenDisplay(nullptr);
    if (!display) return false;
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = std::stoul(windowId);
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    const Status sent = XSendEvent(display, event.xclient.window, False, NoEventMask, &event);
    XCloseDisplay(display);
    return sent != 0;
}

std::optional<int> RunningProgram::Quit() {
    if (user) user->PressKey("Escape");
    const std::optional<int> code = WaitForExit();
    user.reset();
    return code;
}

std::optional<int> RunningProgram::WaitForExit() {
    for (int attempt = 0; attempt < 300 && IsRunning(); ++attempt) usleep(100 * 1000);
    return IsRunning() ? std::nullopt : exitCode;
}

std::string RunningProgram::StandardOutput() const { return ReadFile(outputPrefix + "stdout.txt"); }

std::string RunningProgram::StandardError() const { return ReadFile(outputPrefix + "stderr.txt"); }

}  // namespace TestSupport
