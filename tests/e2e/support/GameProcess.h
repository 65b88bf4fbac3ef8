#pragma once

#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

namespace zelka::e2e {

// The real game executable in a fresh folder of its own (its save files land in savedata/
// there, and HOME points there too), its output and its trace lines (ZELKA_TRACE, on
// standard error) in files there. Killed and reaped if the test leaves before it ended;
// the folder goes with it.
class GameProcess {
public:
    using Clock = std::chrono::steady_clock;

    GameProcess();
    ~GameProcess();
    GameProcess(const GameProcess&) = delete;
    GameProcess& operator=(const GameProcess&) = delete;

    // Starts the zelka executable beside the test's folder on `display`; false when the
    // folder or the executable is missing or the fork fails.
    bool Start(const std::string& display);

    [[nodiscard]] pid_t Pid() const { return pid_; }
    [[nodiscard]] const std::filesystem::path& Folder() const { return folder_; }
    [[nodiscard]] std::string Output() const;
    [[nodiscard]] std::string Trace() const;

    // Reaps the game once it ended; its wait status is then WaitStatus().
    bool Ended();
    [[nodiscard]] int WaitStatus() const { return status_; }

    // Polls `ready` until it holds; false at the limit or once the game ended without it.
    template <typename Ready>
    bool WaitUntil(Ready ready, Clock::duration limit)
    {
        for (const auto deadline = Clock::now() + limit; Clock::now() < deadline;
             std::this_thread::sleep_for(kPollStep)) {
            const bool ended = Ended();  // before the check: the files are then complete
            if (ready()) return true;
            if (ended) return false;
        }
        return false;
    }
    // Waits for `text` in the trace after the last text found.
    bool WaitForTrace(const std::string& text, Clock::duration limit);
    // Waits until the game has taken every event sent before the call and then run for
    // `span` of its own time: a loaded machine's game may take a key late, and its
    // panels start sliding only then.
    bool WaitGameTime(std::chrono::milliseconds span, Clock::duration limit);
    bool WaitForEnd(Clock::duration limit);

    // The stages the game went to ("leaving for stage N"), in order.
    [[nodiscard]] std::vector<int> StagesEntered() const;

private:
    static constexpr auto kPollStep = std::chrono::milliseconds(20);

    std::filesystem::path folder_;
    pid_t pid_ = -1;
    bool ended_ = false;
    int status_ = 0;
    size_t searched_ = 0;
};

}  // namespace zelka::e2e
