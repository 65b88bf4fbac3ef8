// The real game executable on a display server of its own, played with keys typed through
// the server like a player's: from the title into a one-player match, out through the
// pause menu to character select, back to the title and closed. The game says where it is
// on standard error (ZELKA_TRACE): every key waits for the stage that should take it.

#include <gtest/gtest.h>

#include "tests/e2e/support/GameProcess.h"
#include "tests/e2e/support/VirtualDisplay.h"
#include "tests/services/SaveFileSupport.h"

#include <sys/wait.h>

#include <chrono>
#include <string>
#include <vector>

namespace zelka {
namespace {

using std::chrono::milliseconds;
using std::chrono::seconds;

// Generous: the sanitizer build loads a stage several times slower.
constexpr auto kStageLimit = seconds(60);
constexpr auto kExitLimit = seconds(20);

TEST(GameExecutable, TitleToOnePlayerMatchOutThroughThePauseMenuAndClosed)
{
    e2e::VirtualDisplay display;
    ASSERT_TRUE(display.Start()) << display.Error();
    e2e::GameProcess zelka;
    ASSERT_TRUE(zelka.Start(display.Name())) << "the zelka executable is missing: build the zelka target";

    // Waits counted in the game's own time from when it took the last key: a screen's
    // panels and cursors slide for up to 500 ms after a key and take no input meanwhile.
    const auto settle = [&](int ms) {
        ASSERT_TRUE(zelka.WaitGameTime(milliseconds(ms), kStageLimit)) << "no game time passes\n" << zelka.Trace();
    };
    const auto press = [&](const char* key, int thenMs) {
        ASSERT_TRUE(display.Tap(key)) << key;
        if (thenMs > 0) settle(thenMs);
    };
    const auto reach = [&](int stage) {
        const std::string ready = "stage " + std::to_string(stage) + " takes input";
        ASSERT_TRUE(zelka.WaitForTrace(ready, kStageLimit)) << "never: " << ready << "\n" << zelka.Trace();
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
    settle(4500);
    press("Return", 1000);
    for (int row = 1; row <= 4; ++row) press("Down", 300);
    press("space", 0);
    ASSERT_NO_FATAL_FAILURE(reach(2));

    // Escape leaves character select for the title, and on the title ends the game.
    settle(500);
    press("Escape", 0);
    ASSERT_NO_FATAL_FAILURE(reach(3));
    settle(500);
    press("Escape", 0);

    ASSERT_TRUE(zelka.WaitForEnd(kExitLimit)) << "still running after Escape on the title\n" << zelka.Trace();
    const int status = zelka.WaitStatus();
    ASSERT_TRUE(WIFEXITED(status)) << "killed by signal " << WTERMSIG(status) << "\n" << zelka.Trace();
    EXPECT_EQ(WEXITSTATUS(status), 0) << zelka.Trace();
    EXPECT_EQ(zelka.StagesEntered(), (std::vector<int>{5, 7, 3, 2, 1, 2, 3})) << zelka.Trace();

    // Both files decode; the settings remember the page was seen and player 1's keyboard.
    const Ref<XMLNode> save = savefiles::Tree(zelka.Folder() / savefiles::kSave);
    const Ref<XMLNode> settings = savefiles::Tree(zelka.Folder() / savefiles::kSettings);
    ASSERT_TRUE(save) << "save.dat does not decode";
    ASSERT_TRUE(settings) << "settings.dat does not decode";
    EXPECT_EQ(save->GetChild2(U"stats")->name, U"stats");
    EXPECT_EQ(settings->GetChild2(U"options")->GetChild2(U"option", U"name", U"displayHowToPlay")->value, U"0");
    EXPECT_FALSE(settings->GetChild2(U"mapping", U"player", U"1")->GetChildren(U"input").empty());
}

}  // namespace
}  // namespace zelka
