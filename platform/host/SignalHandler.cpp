#include "platform/host/SignalHandler.h"

#include <csignal>
#include <cstring>
#include <unistd.h>

namespace zelka {

namespace {

constexpr int kHandledSignals[] = {SIGSEGV, SIGILL, SIGFPE, SIGBUS};
constexpr int kFatalStatus = 255;

// Large enough for the handler's few calls; static because a stack overflow leaves no room
// on the normal stack.
alignas(16) char alternateStack[64 * 1024];

void WriteAll(const char* text)
{
    size_t left = std::strlen(text);
    while (left > 0) {
        const ssize_t written = write(STDOUT_FILENO, text, left);
        if (written <= 0) return;
        text += written;
        left -= static_cast<size_t>(written);
    }
}

void OnFatalSignal(int signal)
{
    WriteAll("Kestro Runtime Error : ");
    WriteAll(SignalDescription(signal));
    WriteAll("\n\n");  // the line, then the (empty) stack-trace line
    _exit(kFatalStatus);
}

}  // namespace

const char* SignalDescription(int signal)
{
    switch (signal) {
    case SIGSEGV:
        return "Memory access violation";
    case SIGILL:
        return "Illegal instruction";
    case SIGFPE:
        return "Floating point exception";
    case SIGBUS:
        return "Bus error";
    default:
        return "Unknown signal";
    }
}

void InstallSignalHandlers()
{
    stack_t stack{};
    stack.ss_sp = alternateStack;
    stack.ss_size = sizeof alternateStack;
    sigaltstack(&stack, nullptr);

    struct sigaction action {};
    action.sa_handler = OnFatalSignal;
    action.sa_flags = SA_ONSTACK;
    sigemptyset(&action.sa_mask);
    for (int signal : kHandledSignals) sigaction(signal, &action, nullptr);
}

}  // namespace zelka
