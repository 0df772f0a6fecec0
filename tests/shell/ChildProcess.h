#pragma once
// Runs a program in a working directory of our choice, its output captured to files, and
// collects its exit status.
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <sys/types.h>

namespace ShellTest {

class ChildProcess {
public:
    // Starts `program` with no arguments in `workingDirectory`, with the environment variables
    // in `environment` set on top of ours. stdout and stderr go to files in `outputDirectory`.
    ChildProcess(const std::string& program, const std::string& workingDirectory,
                 const std::vector<std::pair<std::string, std::string>>& environment,
                 const std::string& outputDirectory);
    // Kills the program if it is still running.
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool Started() const { return pid > 0; }
    bool IsRunning();
    // Waits for the program to end, checking `attempts` times 50 ms apart. The exit code, or
    // nothing when it is still running or was ended by a signal.
    std::optional<int> WaitForExit(int attempts = 600);
    std::string StandardOutput() const;
    std::string StandardError() const;

private:
    void Reap(int status);

    pid_t pid = -1;
    bool exited = false;
    std::optional<int> exitCode;
    std::string stdoutPath;
    std::string stderrPath;
};

}  // namespace ShellTest
