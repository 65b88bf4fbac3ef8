#include <gtest/gtest.h>

#include <sys/mman.h>

#include <csignal>
#include <cstdio>

#include "platform/app/App.h"
#include "platform/core/Fatal.h"
#include "platform/host/SignalHandler.h"
#include "tests/platform/FatalTestSupport.h"

namespace zelka {
namespace {

using testing::RunInChild;

TEST(SignalHandler, EachFatalSignalPrintsItsLineAndEnds255)
{
    const struct {
        int signal;
        const char* line;
    } cases[] = {
        {SIGSEGV, "Kestro Runtime Error : Memory access violation\n\n"},
        {SIGILL, "Kestro Runtime Error : Illegal instruction\n\n"},
        {SIGFPE, "Kestro Runtime Error : Floating point exception\n\n"},
        {SIGBUS, "Kestro Runtime Error : Bus error\n\n"},
    };
    for (const auto& c : cases) {
        // Standard input stays open: the handler must not wait on it.
        const auto result = RunInChild([&] {
            InstallSignalHandlers();
            std::raise(c.signal);
        });
        EXPECT_TRUE(result.exited) << "signal " << c.signal << " killed by " << result.signal;
        EXPECT_EQ(result.status, 255) << "signal " << c.signal;
        EXPECT_EQ(result.out, c.line);
    }
}

TEST(SignalHandler, RealFaultIsCaught)
{
    const auto result = RunInChild([] {
        InstallSignalHandlers();
        // A page that may not be touched: a genuine access violation (not a null pointer,
        // which the sanitizer build reports on its own before the store).
        void* page = mmap(nullptr, 4096, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        *static_cast<volatile int*>(page) = 1;
    });
    EXPECT_EQ(result.status, 255);
    EXPECT_EQ(result.out, "Kestro Runtime Error : Memory access violation\n\n");
}

TEST(SignalHandler, OtherSignalsAreUnknown)
{
    EXPECT_STREQ(SignalDescription(SIGUSR1), "Unknown signal");
    EXPECT_STREQ(SignalDescription(SIGBUS), "Bus error");
}

TEST(RuntimeError, PrintsTheMessageAndTraceLineThenEnds255)
{
    const auto result = RunInChild([] { RuntimeError("Failed to open stream"); });
    EXPECT_EQ(result.status, 255);
    EXPECT_EQ(result.out, "Kestro Runtime Error : Failed to open stream\n\n");
}

TEST(EndApp, EndsWithStatusZeroAfterTheExitHook)
{
    // The exit hook is where the window library is shut down (restoring the video mode).
    const auto result = RunInChild([] {
        std::printf("pending ");  // not yet flushed: must not be lost
        SetExitHook([] { std::printf("hook\n"); });
        app::EndApp();
    });
    EXPECT_TRUE(result.exited);
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, "pending hook\n");
}

TEST(App, SecondAppIsFatal)
{
    const auto result = RunInChild([] {
        App first;
        App second;
    });
    EXPECT_EQ(result.status, 255);
    EXPECT_EQ(result.out, "Kestro Runtime Error : App has already been created\n\n");
}

}  // namespace
}  // namespace zelka
