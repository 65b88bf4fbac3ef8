// The real game executable under the test display: it opens its window and ends with
// status 0 when the window manager's close request arrives.

#include <gtest/gtest.h>

// After the test framework: Xlib defines macros (None, Bool) that clash with its names.
#include "tests/support/GameWindows.h"
#include "tests/support/OwnDisplayServer.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <utility>

namespace zelka {
namespace {

using namespace testing_x;

// Polls `done` every 20 ms; the deadline only ends a wait that failed, so it is long
// enough for a machine with every core busy.
bool PollFor(const std::function<bool()>& done)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    for (; std::chrono::steady_clock::now() < deadline; std::this_thread::sleep_for(std::chrono::milliseconds(20))) {
        if (done()) return true;
    }
    return false;
}

TEST(HostIntegration, GameWindowOpensAndClosesOnTheWindowManagersRequest)
{
    Xlib x;
    ASSERT_TRUE(x.Load()) << "libX11.so.6 not loadable";
    // The window's place is checked on the root window: no other test's window may be there.
    testing::OwnDisplayServer server;
    ASSERT_TRUE(server.StartAsDisplay(1920, 1080)) << server.Error();
    Display* display = x.OpenDisplay(nullptr);
    ASSERT_NE(display, nullptr) << "cannot open the display " << server.Name();
    const std::string game = GameExecutable();
    ASSERT_EQ(access(game.c_str(), X_OK), 0) << game << " is missing: build the zelka target";
    x.SetErrorHandler(IgnoreXError);

    // A first start in a folder of its own: save files other tests leave in theirs (a full
    // screen setting, say) must not change how the window opens.
    char folder[] = "/tmp/zelka-host-XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    const pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        prctl(PR_SET_PDEATHSIG, SIGKILL);  // never outlive the test
        const int null = open("/dev/null", O_RDWR);
        dup2(null, STDIN_FILENO);
        dup2(null, STDOUT_FILENO);
        setenv("ALSOFT_DRIVERS", "null", 1);
        if (chdir(folder) != 0) _exit(126);
        execl(game.c_str(), game.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    bool ended = false;
    // Kills and reaps the game if the test leaves before it ended.
    const std::shared_ptr<void> cleanup(nullptr, [&](void*) {
        if (!ended) kill(pid, SIGKILL), waitpid(pid, nullptr, 0);
        x.CloseDisplay(display);
        std::filesystem::remove_all(folder);
    });

    const Window root = x.RootOf(display);
    Window window = 0;
    const auto findWindow = [&] { return (window = FindWindow(x, display, root, kGameTitle, pid)) != 0; };
    ASSERT_TRUE(PollFor([&] { return findWindow() || (ended = waitpid(pid, &status, WNOHANG) == pid); }));
    ASSERT_FALSE(ended) << "the game ended before it showed its window, status " << WEXITSTATUS(status);

    // Right after its first frame the game reopens the window in the video mode of its
    // settings: full screen at the desktop size on a first start.
    XWindowAttributes attributes{}, rootAttributes{};
    ASSERT_TRUE(x.GetWindowAttributes(display, root, &rootAttributes));
    const auto fullScreen = [&] {
        return findWindow() && x.GetWindowAttributes(display, window, &attributes) &&
               attributes.width == rootAttributes.width && attributes.height == rootAttributes.height;
    };
    ASSERT_TRUE(PollFor(fullScreen)) << "the window never went full screen";
    int left = 0, top = 0;
    Window child = 0;
    x.TranslateCoordinates(display, window, root, 0, 0, &left, &top, &child);
    EXPECT_EQ(std::pair(left, top), std::pair(0, 0));

    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = x.InternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(x.InternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    x.SendEvent(display, window, False, NoEventMask, &event);
    x.Flush(display);
    ASSERT_TRUE(PollFor([&] { return ended = waitpid(pid, &status, WNOHANG) == pid; }))
        << "the game did not end after the close request";
    ASSERT_TRUE(WIFEXITED(status)) << "killed by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

}  // namespace
}  // namespace zelka
