#include "tests/e2e/support/GameProcess.h"

#include "tests/support/GameWindows.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

namespace zelka::e2e {

namespace fs = std::filesystem;

namespace {

std::string ReadAll(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

GameProcess::GameProcess()
{
    std::string pattern = (fs::temp_directory_path() / "zelka-game-XXXXXX").string();
    if (mkdtemp(pattern.data())) folder_ = pattern;
}

GameProcess::~GameProcess()
{
    if (pid_ > 0 && !Ended()) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
    std::error_code ignored;
    if (!folder_.empty()) fs::remove_all(folder_, ignored);
}

bool GameProcess::Start(const std::string& display)
{
    const std::string game = testing_x::GameExecutable();
    if (folder_.empty() || access(game.c_str(), X_OK) != 0) return false;
    pid_ = fork();
    if (pid_ == 0) {
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (chdir(folder_.c_str()) != 0) _exit(126);
        const int null = open("/dev/null", O_RDONLY);
        const int out = open("out.txt", O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int err = open("trace.txt", O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (null < 0 || out < 0 || err < 0) _exit(126);
        dup2(null, STDIN_FILENO);
        dup2(out, STDOUT_FILENO);
        dup2(err, STDERR_FILENO);
        setenv("DISPLAY", display.c_str(), 1);
        setenv("HOME", folder_.c_str(), 1);
        setenv("ZELKA_TRACE", "1", 1);
        setenv("ALSOFT_DRIVERS", "null", 1);
        execl(game.c_str(), game.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    return pid_ > 0;
}

std::string GameProcess::Output() const { return ReadAll(folder_ / "out.txt"); }

std::string GameProcess::Trace() const { return ReadAll(folder_ / "trace.txt"); }

bool GameProcess::Ended()
{
    if (!ended_ && pid_ > 0 && waitpid(pid_, &status_, WNOHANG) == pid_) ended_ = true;
    return ended_;
}

bool GameProcess::WaitForTrace(const std::string& text, Clock::duration limit)
{
    return WaitUntil(
        [&] {
            const size_t at = Trace().find(text, searched_);
            if (at == std::string::npos) return false;
            searched_ = at + text.size();
            return true;
        },
        limit);
}

bool GameProcess::WaitGameTime(std::chrono::milliseconds span, Clock::duration limit)
{
    // "zelka: <ms> ms: events taken" follows each pass's poll. The first such line after
    // the call may come from a poll begun before it; the second one's poll began after.
    static const std::string marker = " ms: events taken\n";
    const size_t from = Trace().size();
    return WaitUntil(
        [&] {
            const std::string trace = Trace();
            int seen = 0;
            double takenAt = 0;
            for (size_t at = trace.find(marker, from); at != std::string::npos;
                 at = trace.find(marker, at + 1)) {
                const size_t start = trace.rfind("zelka: ", at);
                if (start == std::string::npos) continue;
                const double stamp = std::atof(trace.c_str() + start + 7);
                if (++seen == 2) takenAt = stamp;
                if (seen >= 2 && stamp >= takenAt + static_cast<double>(span.count())) return true;
            }
            return false;
        },
        limit);
}

bool GameProcess::WaitForEnd(Clock::duration limit)
{
    return WaitUntil([this] { return Ended(); }, limit);
}

std::vector<int> GameProcess::StagesEntered() const
{
    static const std::string marker = "leaving for stage ";
    const std::string trace = Trace();
    std::vector<int> stages;
    for (size_t at = trace.find(marker); at != std::string::npos; at = trace.find(marker, at + 1)) {
        stages.push_back(std::atoi(trace.c_str() + at + marker.size()));
    }
    return stages;
}

}  // namespace zelka::e2e
