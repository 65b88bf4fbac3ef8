// The real game executable on an X server of its own, ended the ways a desktop ends it:
// its close request after the boot flow reached the title, its window destroyed by another
// client (as a window manager does), its connection killed (as xkill does) and the server
// going away. Each time it ends with its own status, without a heap or sanitizer report,
// and leaves files that decode. Xlib is loaded at run time so the test needs no extra link
// library.

#include "platform/files/TextFile.h"
#include "services/config/PlayerConfig.h"

#include <gtest/gtest.h>

// After the test framework: Xlib defines macros (None, Bool) that clash with its names.
#include "tests/support/GameWindows.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <thread>

namespace zelka {
namespace {

using namespace testing_x;

namespace fs = std::filesystem;

constexpr auto kPollLimit = std::chrono::seconds(90);  // the sanitizer build is slow under load
constexpr auto kPollStep = std::chrono::milliseconds(20);
constexpr int kStagesToTitle = 3;  // intro, second intro, title: one save at each creation

std::string ReadAll(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// A private X server (so no other test's windows take the focus or the server away),
// started with -displayfd: its display number arrives once it accepts clients.
class XServer {
public:
    bool Start()
    {
        int ready[2];
        if (pipe(ready) != 0) return false;
        pid_ = fork();
        if (pid_ == 0) {
            prctl(PR_SET_PDEATHSIG, SIGKILL);
            close(ready[0]);
            const int null = open("/dev/null", O_RDWR);
            dup2(null, STDOUT_FILENO);
            dup2(null, STDERR_FILENO);
            const std::string fd = std::to_string(ready[1]);
            execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1280x720x24", "-noreset",
                   "-nolisten", "tcp", static_cast<char*>(nullptr));
            _exit(127);
        }
        close(ready[1]);
        // The number and its newline come in two writes; closing the pipe between them
        // makes the server fail the second one and quit.
        std::string number;
        char c = 0;
        while (read(ready[0], &c, 1) == 1 && c != '\n') number += c;
        close(ready[0]);
        if (pid_ <= 0 || number.empty() || c != '\n') return false;
        name_ = ":" + number;
        return true;
    }

    // Its clients' connections break at once; the server removes its lock and socket.
    void Stop()
    {
        if (pid_ <= 0) return;
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }

    ~XServer() { Stop(); }

    const std::string& Name() const { return name_; }

private:
    pid_t pid_ = -1;
    std::string name_;
};

// The game in a folder of its own (its files are relative to the working directory),
// started by fork and exec, killed if the test leaves before it ended.
class GameProcess {
public:
    GameProcess()
    {
        std::string pattern = (fs::temp_directory_path() / "zelka-end-XXXXXX").string();
        if (mkdtemp(pattern.data())) folder_ = pattern;
    }

    ~GameProcess()
    {
        if (pid_ > 0 && !reaped_) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
        std::error_code error;
        fs::remove_all(folder_, error);
    }

    bool Start(const std::string& display)
    {
        const std::string game = GameExecutable();
        if (access(game.c_str(), X_OK) != 0) return false;
        std::fflush(stdout);
        pid_ = fork();
        if (pid_ == 0) {
            prctl(PR_SET_PDEATHSIG, SIGKILL);
            if (chdir(folder_.c_str()) != 0) _exit(127);
            const int in = open("/dev/null", O_RDONLY);
            const int out = open("out.txt", O_WRONLY | O_CREAT | O_TRUNC, 0644);
            const int err = open("err.txt", O_WRONLY | O_CREAT | O_TRUNC, 0644);
            dup2(in, STDIN_FILENO);
            dup2(out, STDOUT_FILENO);
            dup2(err, STDERR_FILENO);
            setenv("ALSOFT_DRIVERS", "null", 1);
            setenv("DISPLAY", display.c_str(), 1);
            execl(game.c_str(), game.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
        return pid_ > 0;
    }

    pid_t Pid() const { return pid_; }
    const fs::path& Folder() const { return folder_; }
    std::string Output() const { return ReadAll(folder_ / "out.txt"); }
    std::string Errors() const { return ReadAll(folder_ / "err.txt"); }

    // True once the game has ended; its wait status in `status`.
    bool Ended(int& status)
    {
        if (reaped_) {
            status = status_;
            return true;
        }
        if (waitpid(pid_, &status_, WNOHANG) != pid_) return false;
        reaped_ = true;
        status = status_;
        return true;
    }

    bool WaitForEnd(int& status)
    {
        const auto deadline = std::chrono::steady_clock::now() + kPollLimit;
        while (std::chrono::steady_clock::now() < deadline) {
            if (Ended(status)) return true;
            std::this_thread::sleep_for(kPollStep);
        }
        return false;
    }

    // Waits until the save file has been written `count` times (each write renames a new
    // file over it) or the game ended; false on either the end or the poll limit.
    bool WaitForSaves(int count)
    {
        std::set<ino_t> seen;
        const fs::path save = folder_ / "savedata" / "save.dat";
        const auto deadline = std::chrono::steady_clock::now() + kPollLimit;
        int status = 0;
        while (std::chrono::steady_clock::now() < deadline && !Ended(status)) {
            struct stat info {};
            if (stat(save.c_str(), &info) == 0) seen.insert(info.st_ino);
            if (static_cast<int>(seen.size()) >= count) return true;
            std::this_thread::sleep_for(kPollStep);
        }
        return false;
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
        ASSERT_TRUE(x_.Load()) << "libX11.so.6 not loadable";
        ASSERT_TRUE(server_.Start()) << "Xvfb could not be started";
        display_ = x_.OpenDisplay(server_.Name().c_str());
        ASSERT_NE(display_, nullptr) << "display " << server_.Name() << " cannot be opened";
        x_.SetErrorHandler(IgnoreXError);
        ASSERT_TRUE(game_.Start(server_.Name())) << "the zelka executable is missing: build the zelka target";
    }

    void TearDown() override
    {
        if (display_) x_.CloseDisplay(display_);
    }

    // The game's end after the display connection broke: the runtime error line, status 255.
    void ExpectLostDisplayEnd(const char* what)
    {
        int status = 0;
        ASSERT_TRUE(game_.WaitForEnd(status)) << "the game did not end after " << what;
        ASSERT_TRUE(WIFEXITED(status)) << "killed by signal " << WTERMSIG(status) << ":\n" << game_.Errors();
        EXPECT_EQ(WEXITSTATUS(status), 255) << game_.Output() << game_.Errors();
        EXPECT_NE(game_.Output().find("Kestro Runtime Error : Lost the connection to the display\n"),
                  std::string::npos)
            << game_.Output();
        ExpectCleanEnd();
    }

    Window GameWindow()
    {
        const auto deadline = std::chrono::steady_clock::now() + kPollLimit;
        int status = 0;
        while (std::chrono::steady_clock::now() < deadline && !game_.Ended(status)) {
            if (Window window = FindWindow(x_, display_, x_.RootOf(display_), kGameTitle, game_.Pid())) return window;
            std::this_thread::sleep_for(kPollStep);
        }
        return 0;
    }

    // What every end must leave: no report from the C library's heap checks or the
    // sanitizers, no temporary file, and both files (when written) readable by the game.
    void ExpectCleanEnd()
    {
        const std::string errors = game_.Errors();
        for (const char* report : {"AddressSanitizer", "LeakSanitizer", "runtime error", "free()", "corrupted",
                                   "double free"}) {
            EXPECT_EQ(errors.find(report), std::string::npos) << report << " in:\n" << errors;
        }
        const fs::path saves = game_.Folder() / "savedata";
        for (const char* name : {"save.dat", "settings.dat"}) {
            const fs::path file = saves / name;
            EXPECT_FALSE(fs::exists(file.string() + ".tmp")) << name;
            if (fs::exists(file)) {
                EXPECT_TRUE(playerconfig::ReadSaveNodeFromFileContent(LoadString(file.string()))) << name;
            }
        }
    }

    Xlib x_;
    XServer server_;
    Display* display_ = nullptr;
    GameProcess game_;
};

TEST_F(GameProcessEndTest, BootsIntoTheTitleAndClosesCleanly)
{
    ASSERT_TRUE(game_.WaitForSaves(kStagesToTitle)) << "the title was not reached:\n" << game_.Errors();
    const Window window = GameWindow();  // the settings' video mode reopened it on the way
    ASSERT_NE(window, 0u) << "no game window; output:\n" << game_.Output() << game_.Errors();

    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = x_.InternAtom(display_, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(x_.InternAtom(display_, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    x_.SendEvent(display_, window, False, NoEventMask, &event);
    x_.Flush(display_);

    int status = 0;
    ASSERT_TRUE(game_.WaitForEnd(status)) << "the game did not end after the close request";
    ASSERT_TRUE(WIFEXITED(status)) << "killed by signal " << WTERMSIG(status) << ":\n" << game_.Errors();
    EXPECT_EQ(WEXITSTATUS(status), 0) << game_.Output() << game_.Errors();
    EXPECT_TRUE(fs::exists(game_.Folder() / "savedata" / "settings.dat"));  // written on closing
    ExpectCleanEnd();
}

TEST_F(GameProcessEndTest, WindowDestroyedFromOutsideEndsAsAClose)
{
    ASSERT_TRUE(game_.WaitForSaves(1)) << game_.Errors();  // the game data exist, the window is final
    const Window window = GameWindow();
    ASSERT_NE(window, 0u) << "no game window; output:\n" << game_.Output() << game_.Errors();
    x_.DestroyWindow(display_, window);
    x_.Sync(display_, False);

    int status = 0;
    ASSERT_TRUE(game_.WaitForEnd(status)) << "the game did not end after losing its window";
    ASSERT_TRUE(WIFEXITED(status)) << "killed by signal " << WTERMSIG(status) << ":\n" << game_.Errors();
    EXPECT_EQ(WEXITSTATUS(status), 0) << game_.Output() << game_.Errors();
    EXPECT_TRUE(fs::exists(game_.Folder() / "savedata" / "settings.dat"));
    ExpectCleanEnd();
}

TEST_F(GameProcessEndTest, KilledConnectionEndsWithTheRuntimeError)
{
    ASSERT_TRUE(game_.WaitForSaves(1)) << game_.Errors();
    const Window window = GameWindow();
    ASSERT_NE(window, 0u) << "no game window; output:\n" << game_.Output() << game_.Errors();
    x_.KillClient(display_, window);  // the server drops the game's connection
    x_.Sync(display_, False);
    ExpectLostDisplayEnd("its connection was killed");
}

TEST_F(GameProcessEndTest, ServerGoingAwayEndsWithTheRuntimeError)
{
    ASSERT_TRUE(game_.WaitForSaves(1)) << game_.Errors();
    ASSERT_NE(GameWindow(), 0u) << "no game window; output:\n" << game_.Output() << game_.Errors();
    x_.CloseDisplay(display_);
    display_ = nullptr;
    server_.Stop();
    ExpectLostDisplayEnd("the server went away");
}

}  // namespace
}  // namespace zelka
