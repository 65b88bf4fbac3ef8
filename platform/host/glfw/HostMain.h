#pragma once

namespace zelka {

// The process start: initialises SDL (joysticks only) and the window library, builds the
// host over the real window and clock, installs the fatal-signal handler, sets the
// character-type locale, then runs `program`, which creates the App. If it did, the host
// opens the window and loops. Ends the process: status 0 when the loop ends or the game
// quits itself, 255 on an initialisation failure or a runtime error.
[[noreturn]] void RunHost(int argc, char** argv, void (*program)());

// The process's arguments as given to RunHost (nothing reads options from them).
[[nodiscard]] int HostArgc();
[[nodiscard]] char** HostArgv();

}  // namespace zelka
