#pragma once

namespace zelka {

// Installs one handler for SIGSEGV, SIGILL, SIGFPE and SIGBUS. It prints
// "Kestro Runtime Error : <what>" and the empty stack-trace line to standard output and
// ends the process with status 255, using only async-signal-safe calls and its own stack
// (so a stack overflow is reported too). Standard output should be line-buffered, so that
// complete lines printed before the fault are not lost.
void InstallSignalHandlers();

// The text for a signal number: "Memory access violation", "Illegal instruction",
// "Floating point exception", "Bus error", else "Unknown signal".
[[nodiscard]] const char* SignalDescription(int signal);

}  // namespace zelka
