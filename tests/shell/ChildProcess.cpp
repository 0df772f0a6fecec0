#include "tests/shell/ChildProcess.h"

#include <csignal>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

namespace ShellTest {
namespace {

std::string ReadFile(const std::string& path) {
    std::ifstream file(path);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

}  // namespace

ChildProcess::ChildProcess(const std::string& program, const std::string& workingDirectory,
                           const std::string& videoDriver, const std::string& outputDirectory)
    : stdoutPath(outputDirectory + "/stdout.txt"), stderrPath(outputDirectory + "/stderr.txt") {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, stdoutPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, stderrPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addchdir_np(&actions, workingDirectory.c_str());
    // The test program itself uses no SDL, so the variable is simply set for both.
    setenv("SDL_VIDEODRIVER", videoDriver.c_str(), 1);
    char* const argv[] = {const_cast<char*>(program.c_str()), nullptr};
    running = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, environ) == 0;
    posix_spawn_file_actions_destroy(&actions);
    if (!running) {
        pid = -1;
    }
}

ChildProcess::~ChildProcess() {
    if (IsRunning()) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
}

bool ChildProcess::IsRunning() {
    int status = 0;
    if (running && waitpid(pid, &status, WNOHANG) == pid) {
        running = false;
        if (WIFEXITED(status)) {
            exitCode = WEXITSTATUS(status);
        }
    }
    return running;
}

std::optional<int> ChildProcess::WaitForExit(int attempts) {
    for (int attempt = 0; attempt < attempts && IsRunning(); ++attempt) {
        usleep(50 * 1000);
    }
    return IsRunning() ? std::nullopt : exitCode;
}

std::string ChildProcess::StandardOutput() const {
    return ReadFile(stdoutPath);
}

std::string ChildProcess::StandardError() const {
    return ReadFile(stderrPath);
}

}  // namespace ShellTest
