#pragma once

// A display server of the test's own: Xvfb on a free display number that the server picks
// itself (-displayfd). A test that needs the input focus, a window's place on the screen or
// the server's state runs on one, so it never races the other tests' windows for them.

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace zelka::testing {

class OwnDisplayServer {
public:
    // Long enough for a server started on a machine with every core busy.
    static constexpr int kStartTimeoutMs = 60000;

    OwnDisplayServer() = default;
    ~OwnDisplayServer() { Stop(); }
    OwnDisplayServer(const OwnDisplayServer&) = delete;
    OwnDisplayServer& operator=(const OwnDisplayServer&) = delete;

    // Starts the server (width x height, 24 bits) and waits until it accepts clients; false
    // with the reason in Error() when it does not start.
    bool Start(int width, int height)
    {
        int fds[2];
        if (pipe(fds) != 0) return Fail("pipe failed");
        const std::string screen = std::to_string(width) + "x" + std::to_string(height) + "x24";
        server_ = fork();
        if (server_ < 0) {
            close(fds[0]);
            close(fds[1]);
            return Fail("fork failed");
        }
        if (server_ == 0) {
            prctl(PR_SET_PDEATHSIG, SIGTERM);  // never outlive the test
            close(fds[0]);
            const int null = open("/dev/null", O_RDWR);
            dup2(null, STDIN_FILENO);
            dup2(null, STDOUT_FILENO);
            dup2(null, STDERR_FILENO);
            // The server writes its number to the pipe once it is ready for clients.
            const std::string fd = std::to_string(fds[1]);
            execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", screen.c_str(), "-nolisten",
                   "tcp", "-noreset", static_cast<char*>(nullptr));
            _exit(127);
        }
        close(fds[1]);
        std::string number;
        pollfd ready{fds[0], POLLIN, 0};
        while (poll(&ready, 1, kStartTimeoutMs) > 0) {
            char c = 0;
            if (read(fds[0], &c, 1) != 1 || c == '\n') break;
            number += c;
        }
        close(fds[0]);
        if (number.empty()) {
            Stop();
            return Fail("Xvfb did not start (is it installed?)");
        }
        name_ = ":" + number;
        return true;
    }

    // Starts the server and makes it this process's $DISPLAY, for libraries that read it,
    // until Stop puts the earlier one back: the tests that run after this one in the same
    // process keep the display they were started on.
    bool StartAsDisplay(int width, int height)
    {
        if (!Start(width, height)) return false;
        const char* earlier = std::getenv("DISPLAY");
        earlierDisplay_ = earlier ? std::optional<std::string>(earlier) : std::nullopt;
        setAsDisplay_ = true;
        setenv("DISPLAY", name_.c_str(), 1);
        return true;
    }

    // Ends the server: its clients' connections break at once.
    void Stop()
    {
        if (server_ > 0) {
            kill(server_, SIGTERM);
            waitpid(server_, nullptr, 0);
        }
        server_ = 0;
        if (setAsDisplay_) {
            if (earlierDisplay_) {
                setenv("DISPLAY", earlierDisplay_->c_str(), 1);
            } else {
                unsetenv("DISPLAY");
            }
            setAsDisplay_ = false;
        }
    }

    // ":<number>", for the DISPLAY of the clients.
    [[nodiscard]] const std::string& Name() const { return name_; }
    [[nodiscard]] const std::string& Error() const { return error_; }

private:
    bool Fail(const char* reason)
    {
        error_ = reason;
        return false;
    }

    pid_t server_ = 0;
    bool setAsDisplay_ = false;
    std::optional<std::string> earlierDisplay_;
    std::string name_;
    std::string error_;
};

}  // namespace zelka::testing
