#pragma once
// Runs a program in a working directory of our choice with its output captured to files, and
// collects its exit code.
#include <optional>
#include <string>

#include <sys/types.h>

namespace ShellTest {

class ChildProcess {
public:
    // Starts `program` in `workingDirectory` with SDL_VIDEODRIVER set to `videoDriver`; stdout
    // and stderr go to files in `outputDirectory`.
    ChildProcess(const std::string& program, const std::string& workingDirectory, const std::string& videoDriver,
                 const std::string& outputDirectory);
    ~ChildProcess();  // kills the program if it is still running
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool Started() const { return pid > 0; }
    bool IsRunning();
    // Waits up to `attempts` x 50 ms for the program to end. Its exit code, or nothing when it
    // is still running or was ended by a signal.
    std::optional<int> WaitForExit(int attempts = 600);
    std::string StandardOutput() const;
    std::string StandardError() const;

private:
    pid_t pid = -1;
    bool running = false;
    std::optional<int> exitCode;
    std::string stdoutPath;
    std::string stderrPath;
};

}  // namespace ShellTest
