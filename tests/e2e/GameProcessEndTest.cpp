// The real game executable on an X server of its own, ended the ways a desktop ends it:
// its close request on the title, its window destroyed by another client (as a window
// manager does), its connection killed (as xkill does) and the server going away. Each
// time it ends with its own status, without a heap or sanitizer report, and leaves files
// that decode.

#include "platform/files/TextFile.h"
#include "services/config/PlayerConfig.h"
#include "tests/e2e/support/GameProcess.h"
#include "tests/e2e/support/VirtualDisplay.h"

#include <gtest/gtest.h>

// After the test framework: Xlib defines macros (None, Bool) that clash with its names.
#include "tests/support/GameWindows.h"

#include <sys/wait.h>

#include <chrono>
#include <filesystem>
#include <string>

namespace zelka {
namespace {

namespace fs = std::filesystem;

constexpr auto kPollLimit = std::chrono::seconds(90);  // the sanitizer build is slow under load

class GameProcessEndTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(display_.Start()) << display_.Error();
        ASSERT_TRUE(game_.Start(display_.Name())) << "the zelka executable is missing: build the zelka target";
    }

    // The first stage is on screen: the game data exist and the window has its final mode.
    unsigned long StartedWindow(const char* stage = "stage 5 on screen")
    {
        EXPECT_TRUE(game_.WaitForTrace(stage, kPollLimit)) << game_.Trace();
        unsigned long window = 0;
        game_.WaitUntil([&] { return (window = display_.FindWindow(testing_x::kGameTitle, game_.Pid())) != 0; },
                        kPollLimit);
        EXPECT_NE(window, 0u) << "no game window; output:\n" << game_.Output() << game_.Trace();
        return window;
    }

    // Its own status, then what every end must leave: no report from the C library's heap
    // checks or the sanitizers, no temporary file, and both files (when written) readable
    // by the game.
    void ExpectEnd(int code, const char* after)
    {
        ASSERT_TRUE(game_.WaitForEnd(kPollLimit)) << "the game did not end after " << after;
        const int status = game_.WaitStatus();
        ASSERT_TRUE(WIFEXITED(status)) << "killed by signal " << WTERMSIG(status) << ":\n" << game_.Trace();
        EXPECT_EQ(WEXITSTATUS(status), code) << game_.Output() << game_.Trace();
        const std::string errors = game_.Trace();
        for (const char* report : {"AddressSanitizer", "LeakSanitizer", "runtime error", "free()", "corrupted",
                                   "double free"}) {
            EXPECT_EQ(errors.find(report), std::string::npos) << report << " in:\n" << errors;
        }
        for (const char* name : {"save.dat", "settings.dat"}) {
            const fs::path file = game_.Folder() / "savedata" / name;
            EXPECT_FALSE(fs::exists(file.string() + ".tmp")) << name;
            if (fs::exists(file)) {
                EXPECT_TRUE(playerconfig::ReadSaveNodeFromFileContent(LoadString(file.string()))) << name;
            }
        }
    }

    // The game's end after the display connection broke: the runtime error line, status 255.
    void ExpectLostDisplayEnd(const char* after)
    {
        ExpectEnd(255, after);
        EXPECT_NE(game_.Output().find("Kestro Runtime Error : Lost the connection to the display\n"),
                  std::string::npos)
            << game_.Output();
    }

    e2e::VirtualDisplay display_;
    e2e::GameProcess game_;
};

TEST_F(GameProcessEndTest, BootsIntoTheTitleAndClosesCleanly)
{
    const unsigned long window = StartedWindow("stage 3 on screen");
    ASSERT_NE(window, 0u);
    display_.RequestClose(window);
    ExpectEnd(0, "the close request");
    EXPECT_TRUE(fs::exists(game_.Folder() / "savedata" / "settings.dat"));  // written on closing
}

TEST_F(GameProcessEndTest, WindowDestroyedFromOutsideEndsAsAClose)
{
    const unsigned long window = StartedWindow();
    ASSERT_NE(window, 0u);
    display_.DestroyWindow(window);
    ExpectEnd(0, "losing its window");
    EXPECT_TRUE(fs::exists(game_.Folder() / "savedata" / "settings.dat"));
}

TEST_F(GameProcessEndTest, KilledConnectionEndsWithTheRuntimeError)
{
    const unsigned long window = StartedWindow();
    ASSERT_NE(window, 0u);
    display_.KillClient(window);
    ExpectLostDisplayEnd("its connection was killed");
}

TEST_F(GameProcessEndTest, ServerGoingAwayEndsWithTheRuntimeError)
{
    ASSERT_NE(StartedWindow(), 0u);
    display_.StopServer();
    ExpectLostDisplayEnd("the server went away");
}

}  // namespace
}  // namespace zelka
