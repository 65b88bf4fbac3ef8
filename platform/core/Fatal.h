#pragma once

#include <string_view>

namespace zelka {

// Prints "Kestro Runtime Error : <message>" and the stack-trace line to standard output,
// then ends the process with status 255. An empty message prints nothing and ends with
// status 0: that is how the game quits itself. Never throws, so it is safe inside
// GLFW, SDL and OpenAL callbacks.
[[noreturn]] void RuntimeError(std::string_view message);

// Ends the process with `status` after flushing standard output and running the exit
// hook (which restores the desktop video mode). Static destructors do not run: the
// audio library's thread may still be alive.
[[noreturn]] void EndProcess(int status);

// The one hook run by EndProcess before the process ends (the host sets it to terminate
// the window library). Null clears it.
void SetExitHook(void (*hook)());

}  // namespace zelka
