#include "tests/shell/ChildProcess.h"

#include <csignal>
#include <fstream>
#include <sstream>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

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
                           const std::vector<std::pair<std::string, std::string>>& environment,
                           const std::string& outputDirectory)
    : stdoutPath(outputDirectory + "/stdout.txt"), stderrPath(outputDirectory + "/stderr.txt") {
    // Everything the child needs is prepared here: after fork it may only call what is safe there.
    std::vector<std::string> variables;
    for (char** variable = environ; *variable; ++variable) {
        variables.emplace_back(*variable);
    }
    for (const auto& setting : environment) {
        const std::string prefix = setting.first + "=";
        for (auto it = variables.begin(); it != variables.end();) {
            it = it->compare(0, prefix.size(), prefix) == 0 ? variables.erase(it) : it + 1;
        }
        variables.push_back(prefix + setting.second);
    }
    std::vector<char*> envp;
    for (std::string& variable : variables) {
        envp.push_back(variable.data());
    }
    envp.push_back(nullptr);
    char* const argv[] = {const_cast<char*>(program.c_str()), nullptr};

    pid = fork();
    if (pid != 0) {
        return;
    }
    const int out = open(stdoutPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int err = open(stderrPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (out >= 0 && err >= 0 && dup2(out, STDOUT_FILENO) >= 0 && dup2(err, STDERR_FILENO) >= 0 &&
        chdir(workingDirectory.c_str()) == 0) {
        execve(program.c_str(), argv, envp.data());
    }
    _exit(127);
}

ChildProcess::~ChildProcess() {
    if (Started() && IsRunning()) {
        kill(pid, SIGKILL);
        int status = 0;
        waitpid(pid, &status, 0);
    }
}

void ChildProcess::Reap(int status) {
    exited = true;
    if (WIFEXITED(status)) {
        exitCode = WEXITSTATUS(status);
    }
}

bool ChildProcess::IsRunning() {
    if (!Started() || exited) {
        return false;
    }
    int status = 0;
    if (waitpid(pid, &status, WNOHANG) == pid) {
        Reap(status);
    }
    return !exited;
}

std::optional<int> ChildProcess::WaitForExit(int attempts) {
    for (int attempt = 0; attempt < attempts; ++attempt) {
        if (!IsRunning()) {
            return exitCode;
        }
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
