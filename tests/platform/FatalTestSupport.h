#pragma once

// Runs code in a forked child and captures what it writes to standard output, for the
// fatal paths whose text goes to standard output (death tests only see standard error).

#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <functional>
#include <string>

namespace zelka::testing {

struct ChildResult {
    bool exited = false;  // ended through exit/_exit (not killed by a signal)
    int status = -1;      // exit status when exited
    int signal = 0;       // the killing signal otherwise
    std::string out;      // everything written to standard output
};

// Standard input of the child is a pipe that stays open and empty, so code that waits on
// it would block; a 20 s alarm then kills the child and the result shows SIGALRM.
inline ChildResult RunInChild(const std::function<void()>& body)
{
    int outPipe[2];
    int inPipe[2];
    if (pipe(outPipe) != 0 || pipe(inPipe) != 0) return {};
    std::fflush(stdout);
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(outPipe[1], STDOUT_FILENO);
        dup2(inPipe[0], STDIN_FILENO);
        close(outPipe[0]);
        close(inPipe[1]);
        alarm(20);
        body();
        std::fflush(stdout);
        _exit(0);
    }
    close(outPipe[1]);
    close(inPipe[0]);
    ChildResult result;
    char buffer[4096];
    ssize_t n;
    while ((n = read(outPipe[0], buffer, sizeof buffer)) > 0) result.out.append(buffer, n);
    close(outPipe[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    close(inPipe[1]);
    result.exited = WIFEXITED(status);
    result.status = result.exited ? WEXITSTATUS(status) : -1;
    result.signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
    return result;
}

}  // namespace zelka::testing
