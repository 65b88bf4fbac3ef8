#include "platform/core/Fatal.h"

#include <cstdio>
#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

namespace zelka {

namespace {

void (*exitHook)() = nullptr;

#if defined(__SANITIZE_ADDRESS__)
constexpr int kLeakStatus = 23;  // LeakSanitizer's own exit code
#endif

// The sanitizer build checks for leaks at the end: _exit skips the check LeakSanitizer
// would run at exit(), and every end of the game comes through EndProcess.
int CheckedStatus(int status)
{
#if defined(__SANITIZE_ADDRESS__)
    if (__lsan_do_recoverable_leak_check() != 0) return kLeakStatus;
#endif
    return status;
}

}  // namespace

void SetExitHook(void (*hook)())
{
    exitHook = hook;
}

[[noreturn]] void EndProcess(int status)
{
    std::fflush(stdout);
    // Before the hook: shutting the window library down unloads the graphics driver, whose
    // own allocations would then look lost.
    status = CheckedStatus(status);
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
