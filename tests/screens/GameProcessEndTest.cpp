// The real game executable on an X server of its own, ended the ways a desktop ends it:
// its close request on the title, its window destroyed by another client (as a window
// manager does), its connection killed (as xkill does) and the server going away. Each
// time it ends with its own status, without a heap or sanitizer report, and leaves files
// that decode.

#include "platform/files/TextFile.h"
#include "services/config/PlayerConfig.h"
#include "tests/e2e/support/VirtualDisplay.h"

#include <gtest/gtest.h>

// After the test framework: Xlib defines macros (None, Bool) that clash with its names.
#include "tests/support/GameWindows.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>

namespace zelka {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr auto kPollLimit = std::chrono::seconds(90);  // the sanitizer build is slow under load
constexpr auto kPollStep = std::chrono::milliseconds(20);

std::string ReadAll(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The game in a folder of its own (its files are relative to the working directory), its
// trace lines (ZELKA_TRACE) on standard error; killed if the test leaves before it ended.
class GameProcess {
public:
    GameProcess()
    {
        std::string pattern = (fs::temp_directory_path() / "zelka-end-XXXXXX").string();
        if (mkdtemp(pattern.data())) folder_ = pattern;
    }

    ~GameProcess()
    {
        if (pid_ > 0 && !Ended()) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
        std::error_code error;
        fs::remove_all(folder_, error);
    }

    bool Start(const std::string& display)
    {
        const std::string game = testing_x::GameExecutable();
        if (access(game.c_str(), X_OK) != 0) return false;
        pid_ = fork();
        if (pid_ == 0) {
            prctl(PR_SET_PDEATHSIG, SIGKILL);
            if (chdir(folder_.c_str()) != 0) _exit(127);
            dup2(open("/dev/null", O_RDONLY), STDIN_FILENO);
            dup2(open("out.txt", O_WRONLY | O_CREAT | O_TRUNC, 0644), STDOUT_FILENO);
            dup2(open("err.txt", O_WRONLY | O_CREAT | O_TRUNC, 0644), STDERR_FILENO);
            setenv("ALSOFT_DRIVERS", "null", 1);
            setenv("DISPLAY", display.c_str(), 1);
            setenv("ZELKA_TRACE", "1", 1);
            execl(game.c_str(), game.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
        return pid_ > 0;
    }

    pid_t Pid() const { return pid_; }
    const fs::path& Folder() const { return folder_; }
    std::string Output() const { return ReadAll(folder_ / "out.txt"); }
    std::string Errors() const { return ReadAll(folder_ / "err.txt"); }

    bool Ended()
    {
        if (!reaped_ && waitpid(pid_, &status_, WNOHANG) == pid_) reaped_ = true;
        return reaped_;
    }
    int WaitStatus() const { return status_; }

    // Polls `ready` until it holds; false at the poll limit or once the game ended without it.
    template <typename Ready>
    bool WaitUntil(Ready ready)
    {
        for (const auto deadline = Clock::now() + kPollLimit; Clock::now() < deadline;
             std::this_thread::sleep_for(kPollStep)) {
            const bool ended = Ended();  // before the check: the files are then complete
            if (ready()) return true;
            if (ended) return false;
        }
        return false;
    }
    bool WaitForTrace(const std::string& line)
    {
        return WaitUntil([&] { return Errors().find(line) != std::string::npos; });
    }
    bool WaitForEnd()
    {
        return WaitUntil([this] { return Ended(); });
    }

private:
    fs::path folder_;
    pid_t pid_ = -1;
    bool reaped_ = false;
    int status_ = 0;
};

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
        EXPECT_TRUE(game_.WaitForTrace(stage)) << game_.Errors();
        unsigned long window = 0;
        game_.WaitUntil([&] { return (window = display_.FindWindow(testing_x::kGameTitle, game_.Pid())) != 0; });
        EXPECT_NE(window, 0u) << "no game window; output:\n" << game_.Output() << game_.Errors();
        return window;
    }

    // Its own status, then what every end must leave: no report from the C library's heap
    // checks or the sanitizers, no temporary file, and both files (when written) readable
    // by the game.
    void ExpectEnd(int code, const char* after)
    {
        ASSERT_TRUE(game_.WaitForEnd()) << "the game did not end after " << after;
        const int status = game_.WaitStatus();
        ASSERT_TRUE(WIFEXITED(status)) << "killed by signal " << WTERMSIG(status) << ":\n" << game_.Errors();
        EXPECT_EQ(WEXITSTATUS(status), code) << game_.Output() << game_.Errors();
        const std::string errors = game_.Errors();
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
    GameProcess game_;
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
