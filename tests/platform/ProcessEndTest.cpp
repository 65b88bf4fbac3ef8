// Every way the process ends, each in a child process whose status and standard output
// are checked.

#include <GLFW/glfw3.h>
#include <gtest/gtest.h>

#include <sys/mman.h>

#include <clocale>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <stdexcept>
#include <string>
#include <utility>

#include "platform/app/App.h"
#include "platform/clock/null/FakeClock.h"
#include "platform/core/Fatal.h"
#include "platform/host/Host.h"
#include "platform/host/SignalHandler.h"
#include "platform/host/glfw/HostMain.h"
#include "platform/window/null/NullWindow.h"
#include "tests/platform/FatalTestSupport.h"

namespace zelka {
namespace {

using testing::RunInChild;

// A host on null devices, as the tests above the platform run the game.
struct NullHost {
    FakeClock clock;
    NullWindow window;
    Host host{window, clock};
};

void StartHost(void (*program)())
{
    char name[] = "zelka";
    char* argv[] = {name, nullptr};
    RunHost(1, argv, program);
}

// The real start-up initialises the window library in a child. One that an earlier test
// left initialised in this process would be inherited with its display connection, which
// parent and child would then share: the parent shuts it down first (no window of it is
// left open between tests).
void ShutDownInheritedWindowLibrary()
{
    glfwTerminate();
}

TEST(SignalHandler, EachFatalSignalPrintsItsLineAndEnds255)
{
    // A genuine access violation on a page that may not be touched (not a null pointer,
    // which the sanitizer build reports on its own before the store).
    const auto touchForbiddenPage = [] {
        void* page = mmap(nullptr, 4096, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        *static_cast<volatile int*>(page) = 1;
    };
    const std::pair<std::function<void()>, const char*> cases[] = {
        {[] { std::raise(SIGSEGV); }, "Memory access violation"},
        {[] { std::raise(SIGILL); }, "Illegal instruction"},
        {[] { std::raise(SIGFPE); }, "Floating point exception"},
        {[] { std::raise(SIGBUS); }, "Bus error"},
        {touchForbiddenPage, "Memory access violation"},
    };
    for (const auto& [body, line] : cases) {
        SCOPED_TRACE(line);
        // Standard input stays open: the handler must not wait on it.
        const auto result = RunInChild([&body] {
            InstallSignalHandlers();
            body();
        });
        EXPECT_TRUE(result.exited) << "killed by " << result.signal;
        EXPECT_EQ(std::pair(result.status, result.out),
                  std::pair(255, "Kestro Runtime Error : " + std::string(line) + "\n\n"));
    }
}

TEST(ProcessEnd, EachEndGivesItsStatusAndLine)
{
    ShutDownInheritedWindowLibrary();
    const std::string fatal = "Kestro Runtime Error : ";
    const struct {
        const char* what;
        std::function<void()> body;
        int status;
        std::string out;
    } cases[] = {
        {"runtime error", [] { RuntimeError("Failed to open stream"); }, 255, fatal + "Failed to open stream\n\n"},
        {"second app",
         [] {
             App first;
             App second;
         },
         255, fatal + "App has already been created\n\n"},
        // The exit hook is where the window library is shut down (restoring the video mode);
        // output not yet flushed must not be lost.
        {"end app",
         [] {
             std::printf("pending ");
             SetExitHook([] { std::printf("hook\n"); });
             app::EndApp();
         },
         0, "pending hook\n"},
        {"base app's back hook",
         [] {
             App app;
             app.OnBack();
             _exit(3);
         },
         0, ""},
        {"base app's close request",
         [] {
             NullHost null;
             App app;
             null.window.QueueCloseRequest();
             null.host.Run();
             std::printf("loop returned\n");
             _exit(3);
         },
         0, ""},
        {"exception from the delegate",
         [] {
             struct Throwing final : HostDelegate {
                 void UpdateGame() override { throw std::runtime_error("boom"); }
             } throwing;
             NullHost null;
             null.host.SetDelegate(&throwing);
             null.host.StartGame();
             null.host.UpdateGame();
         },
         255, fatal + "Uncaught Kestro Exception\n\n"},
        // The real start-up, on the test display.
        {"start-up without an app", [] { StartHost([] {}); }, 0, ""},
        {"exception from the program", [] { StartHost([] { throw std::runtime_error("escaped"); }); }, 255,
         fatal + "Uncaught Kestro Exception\n\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const auto result = RunInChild(c.body);
        EXPECT_TRUE(result.exited) << "killed by " << result.signal;
        EXPECT_EQ(std::pair(result.status, result.out), std::pair(c.status, c.out));
    }
}

TEST(RunHost, SetsOnlyTheCharacterTypeLocaleAndKeepsTheArguments)
{
    // With a UTF-8 environment locale, only LC_CTYPE may follow it: numbers are parsed and
    // printed in the C locale.
    ShutDownInheritedWindowLibrary();
    setenv("LC_ALL", "C.UTF-8", 1);
    const auto result = RunInChild([] {
        StartHost([] {
            const std::string ctype = std::setlocale(LC_CTYPE, nullptr);
            std::printf("%d %s %s %d\n", HostArgc(), HostArgv()[0], std::setlocale(LC_NUMERIC, nullptr),
                        ctype != "C");
        });
    });
    unsetenv("LC_ALL");
    EXPECT_EQ(std::pair(result.status, result.out), std::pair(0, std::string("1 zelka C 1\n")));
}

}  // namespace
}  // namespace zelka
