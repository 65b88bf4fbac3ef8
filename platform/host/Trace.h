#pragma once

namespace zelka {

struct LoopCounts;

// Diagnostic lines on standard error, off unless the environment variable ZELKA_TRACE is
// set to something other than "" or "0": the first frame, each pass's taking of the events,
// each stage switch and, at exit, the main loop's update counts, each stamped with the
// milliseconds since the process started. The end-to-end test and the scripts in bench/
// follow the game by these lines.
namespace trace {

[[nodiscard]] bool Enabled();
// Writes "zelka: <ms> ms: <line>" when enabled; `format` is printf's.
void Line(const char* format, ...) __attribute__((format(printf, 1, 2)));
// Milliseconds since the process started (to the kernel's 10 ms tick), exec included.
[[nodiscard]] double MsSinceProcessStart();
void Loop(const LoopCounts& counts);

}  // namespace trace

}  // namespace zelka
