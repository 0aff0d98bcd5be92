#pragma once
// torvana-unitsim as a child process on its own pseudo-terminal, for the
// tests that need a real serial device. Stopped when this goes away.

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

namespace torvana {

inline const std::string SimulatorProgram = TORVANA_BINARY_DIR "/tools/unitsim/torvana-unitsim";

class SimulatorProcess {
public:
    static constexpr int StartTimeoutMs = 5000;
    static constexpr int ExecFailedStatus = 127;  // as the shell reports a program it could not start

    explicit SimulatorProcess(const std::vector<std::string>& options)
    {
        int out[2];
        if (::pipe(out) != 0)
            return;
        pid = ::fork();
        if (pid == 0) {
            ::dup2(out[1], STDOUT_FILENO);
            ::close(out[0]);
            ::close(out[1]);
            std::vector<char*> argv{const_cast<char*>(SimulatorProgram.c_str())};
            for (const std::string& option : options)
                argv.push_back(const_cast<char*>(option.c_str()));
            argv.push_back(nullptr);
            ::execv(SimulatorProgram.c_str(), argv.data());
            ::_exit(ExecFailedStatus);
        }
        ::close(out[1]);
        // The device path is the first line on stdout.
        char c = 0;
        pollfd wait{out[0], POLLIN, 0};
        while (::poll(&wait, 1, StartTimeoutMs) > 0 && ::read(out[0], &c, 1) == 1 && c != '\n')
            device += c;
        ::close(out[0]);
    }

    ~SimulatorProcess() { Stop(SIGTERM); }

    SimulatorProcess(const SimulatorProcess&) = delete;
    SimulatorProcess& operator=(const SimulatorProcess&) = delete;

    // SIGKILL: no handler runs, the kernel closes the pseudo-terminal.
    void Kill() { Stop(SIGKILL); }

    // Pulls the device out, or plugs a new one in behind the same --link.
    void Replug()
    {
        if (pid > 0)
            ::kill(pid, SIGUSR1);
    }

    // True while the process has not exited; one that has is reaped here.
    bool Running()
    {
        if (pid > 0 && ::waitpid(pid, nullptr, WNOHANG) != 0)
            pid = -1;
        return pid > 0;
    }

    std::string device;

private:
    void Stop(int signal)
    {
        if (pid > 0) {
            ::kill(pid, signal);
            ::waitpid(pid, nullptr, 0);
            pid = -1;
        }
    }

    pid_t pid = -1;
};

}  // namespace torvana
