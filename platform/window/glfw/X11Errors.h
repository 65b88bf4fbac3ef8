#pragma once

namespace zelka::x11 {

// Xlib's default handlers end the process with exit() on any protocol error (a request on
// a window destroyed from outside) and on a lost connection (the X server gone, or the
// client killed as by xkill). exit() runs static destructors while the game is mid-frame.
// These handlers end through the game's own paths instead:
// - a protocol error is recorded (and wakes a waiting event step); the window reports a
//   close request at its next event step (TakeWindowError), so the game saves and quits
//   as on a close;
// - a lost connection prints "Kestro Runtime Error : Lost the connection to the display"
//   and ends with status 255, without asking the dead connection to tidy up.
// Installed after the window library starts (it keeps handlers of its own during some
// calls and restores ours afterwards). Does nothing when the program has no Xlib.
void InstallErrorHandlers();

// True once a protocol error arrived since the last call; clears it.
bool TakeWindowError();
// True once the connection was lost: the window library must not be shut down then.
bool DisplayLost();

}  // namespace zelka::x11
