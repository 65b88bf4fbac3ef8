// zelka_sendkeys: types keys into the display of $DISPLAY through XTest, for the scripts
// in bench/. Each argument is an X keysym name ("space", "Return", "Down", "Escape") or
// a pause in milliseconds: zelka_sendkeys space 700 Down 300 Down 300 space

#include "tests/e2e/support/VirtualDisplay.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

int main(int argc, char** argv)
{
    zelka::e2e::VirtualDisplay display;
    if (!display.Connect(nullptr)) {
        std::fprintf(stderr, "zelka_sendkeys: %s\n", display.Error().c_str());
        return 1;
    }
    for (int i = 1; i < argc; ++i) {
        const std::string word = argv[i];
        if (word.find_first_not_of("0123456789") == std::string::npos) {
            std::this_thread::sleep_for(std::chrono::milliseconds(std::atoi(word.c_str())));
        } else if (!display.Tap(word)) {
            std::fprintf(stderr, "zelka_sendkeys: no key \"%s\" on this display\n", word.c_str());
            return 1;
        }
    }
    return 0;
}
