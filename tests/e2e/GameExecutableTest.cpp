// The real game executable on a display server of its own, played with keys typed through
// the server like a player's: from the title into a one-player match, out through the
// pause menu to character select, back to the title and closed. The game says where it is
// on standard error (ZELKA_TRACE): every key waits for the stage that should take it.

#include <gtest/gtest.h>

#include "tests/e2e/support/VirtualDisplay.h"
#include "tests/services/SaveFileSupport.h"
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
#include <vector>

namespace zelka {
namespace {

using std::chrono::milliseconds;
using std::chrono::seconds;
using Clock = std::chrono::steady_clock;

// Generous: the sanitizer build loads a stage several times slower.
constexpr auto kStageLimit = seconds(60);
constexpr auto kExitLimit = seconds(20);

// Waits between keys inside one screen: its panels and cursors slide for up to 500 ms
// and take no input meanwhile. The waits leave room for a loaded machine, whose game
// time falls behind the wall clock.
void Pause(int ms)
{
    std::this_thread::sleep_for(milliseconds(ms));
}

// The game in its own folder (its save files land in savedata/ there), its trace lines
// in a file there. Killed and reaped if the test leaves before it ended.
class GameProcess {
public:
    GameProcess(const std::string& executable, const std::filesystem::path& folder,
                const std::string& display)
        : trace_(folder / "trace.log")
    {
        pid_ = fork();
        if (pid_ == 0) {
            prctl(PR_SET_PDEATHSIG, SIGKILL);
            const int null = open("/dev/null", O_RDWR);
            const int trace = open(trace_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            if (null < 0 || trace < 0 || chdir(folder.c_str()) != 0) _exit(126);
            dup2(null, STDIN_FILENO);
            dup2(null, STDOUT_FILENO);
            dup2(trace, STDERR_FILENO);
            setenv("DISPLAY", display.c_str(), 1);
            setenv("HOME", folder.c_str(), 1);
            setenv("ZELKA_TRACE", "1", 1);
            setenv("ALSOFT_DRIVERS", "null", 1);
            execl(executable.c_str(), executable.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
    }

    ~GameProcess()
    {
        if (pid_ > 0 && !Ended()) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
    }

    [[nodiscard]] bool Started() const { return pid_ > 0; }

    // Waits for `text` in the trace after the last text found; false at the limit or the
    // game's end.
    bool WaitFor(const std::string& text, Clock::duration limit)
    {
        for (const auto deadline = Clock::now() + limit; Clock::now() < deadline; Pause(kPollMs)) {
            const bool ended = Ended();  // before the read: the trace is then complete
            const std::string trace = Trace();
            if (const size_t at = trace.find(text, searched_); at != std::string::npos) {
                searched_ = at + text.size();
                return true;
            }
            if (ended) return false;
        }
        return false;
    }

    // Waits for the exit; the status through `status`.
    bool WaitForExit(int& status)
    {
        for (const auto deadline = Clock::now() + kExitLimit; !Ended(); Pause(kPollMs)) {
            if (Clock::now() > deadline) return false;
        }
        status = status_;
        return true;
    }

    // The stages the game went to ("leaving for stage N"), in order.
    [[nodiscard]] std::vector<int> StagesEntered() const
    {
        static const std::string marker = "leaving for stage ";
        const std::string trace = Trace();
        std::vector<int> stages;
        for (size_t at = trace.find(marker); at != std::string::npos; at = trace.find(marker, at + 1)) {
            stages.push_back(std::atoi(trace.c_str() + at + marker.size()));
        }
        return stages;
    }

    [[nodiscard]] std::string Trace() const
    {
        std::ifstream in(trace_);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

private:
    static constexpr int kPollMs = 50;

    bool Ended()
    {
        if (!ended_ && waitpid(pid_, &status_, WNOHANG) == pid_) ended_ = true;
        return ended_;
    }

    std::filesystem::path trace_;
    pid_t pid_ = -1;
    bool ended_ = false;
    int status_ = 0;
    size_t searched_ = 0;
};

// A fresh folder, removed at the end.
struct TempFolder {
    TempFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "zelka-e2e-XXXXXX").string();
        if (mkdtemp(pattern.data())) path = pattern;
    }
    ~TempFolder()
    {
        std::error_code ignored;
        if (!path.empty()) std::filesystem::remove_all(path, ignored);
    }
    std::filesystem::path path;
};

TEST(GameExecutable, TitleToOnePlayerMatchOutThroughThePauseMenuAndClosed)
{
    const std::string game = testing_x::GameExecutable();
    ASSERT_EQ(access(game.c_str(), X_OK), 0) << game << " is missing: build the zelka target";
    e2e::VirtualDisplay display;
    ASSERT_TRUE(display.Start()) << display.Error();
    TempFolder folder;
    ASSERT_FALSE(folder.path.empty());
    GameProcess zelka(game, folder.path, display.Name());
    ASSERT_TRUE(zelka.Started());

    const auto press = [&](const char* key, int thenMs) {
        ASSERT_TRUE(display.Tap(key)) << key;
        Pause(thenMs);
    };
    const auto reach = [&](int stage) {
        const std::string ready = "stage " + std::to_string(stage) + " takes input";
        ASSERT_TRUE(zelka.WaitFor(ready, kStageLimit)) << "never: " << ready << "\n" << zelka.Trace();
    };

    // The intros run by themselves; a first start shows the how-to-play page over the
    // title's menu a second after the first key gives player 1 the keyboard.
    reach(3);
    press("space", 3000);
    press("space", 1500);  // GOT IT!
    // The game-mode row lists 2P MODE, IDOL 2P, 1P MODE, IDOL 1P: down twice is 1P MODE.
    press("Down", 300);
    press("Down", 300);
    press("space", 0);
    ASSERT_NO_FATAL_FAILURE(reach(2));

    // Player 1's character, then the computer's, the first world and the match settings.
    press("space", 1000);
    press("space", 1500);
    press("space", 1500);
    press("space", 0);
    ASSERT_NO_FATAL_FAILURE(reach(1));

    // Start pauses once the 2.5 s opening banner has gone; the fifth row, CHANGE
    // CHARACTERS, leads back to character select.
    Pause(4500);
    press("Return", 1000);
    for (int row = 1; row <= 4; ++row) press("Down", 300);
    press("space", 0);
    ASSERT_NO_FATAL_FAILURE(reach(2));

    // Escape leaves character select for the title, and on the title ends the game.
    Pause(500);
    press("Escape", 0);
    ASSERT_NO_FATAL_FAILURE(reach(3));
    Pause(500);
    press("Escape", 0);

    int status = 0;
    ASSERT_TRUE(zelka.WaitForExit(status)) << "still running after Escape on the title\n" << zelka.Trace();
    ASSERT_TRUE(WIFEXITED(status)) << "killed by signal " << WTERMSIG(status) << "\n" << zelka.Trace();
    EXPECT_EQ(WEXITSTATUS(status), 0) << zelka.Trace();
    EXPECT_EQ(zelka.StagesEntered(), (std::vector<int>{5, 7, 3, 2, 1, 2, 3})) << zelka.Trace();

    // Both files decode; the settings remember the page was seen and player 1's keyboard.
    const Ref<XMLNode> save = savefiles::Tree(folder.path / savefiles::kSave);
    const Ref<XMLNode> settings = savefiles::Tree(folder.path / savefiles::kSettings);
    ASSERT_TRUE(save) << "save.dat does not decode";
    ASSERT_TRUE(settings) << "settings.dat does not decode";
    EXPECT_EQ(save->GetChild2(U"stats")->name, U"stats");
    EXPECT_EQ(settings->GetChild2(U"options")->GetChild2(U"option", U"name", U"displayHowToPlay")->value, U"0");
    EXPECT_FALSE(settings->GetChild2(U"mapping", U"player", U"1")->GetChildren(U"input").empty());
}

}  // namespace
}  // namespace zelka
