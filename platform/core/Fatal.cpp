#include "platform/core/Fatal.h"

#include <cstdio>
#include <unistd.h>

namespace zelka {

namespace {

void (*exitHook)() = nullptr;

}  // namespace

void SetExitHook(void (*hook)())
{
    exitHook = hook;
}

[[noreturn]] void EndProcess(int status)
{
    std::fflush(stdout);
    std::fflush(stderr);
    if (exitHook) {
        auto hook = exitHook;
        exitHook = nullptr;  // a fatal error inside the hook must not loop
        hook();
    }
    std::fflush(stdout);
    _exit(status);
}

[[noreturn]] void RuntimeError(std::string_view message)
{
    if (message.empty()) EndProcess(0);
    std::printf("Kestro Runtime Error : %.*s\n", static_cast<int>(message.size()), message.data());
    // The stack-trace text: no debug positions are tracked, so it is an empty line.
    std::printf("\n");
    EndProcess(255);
}

}  // namespace zelka
