#pragma once

namespace zelka::hostaccess {

// The host's window calls, kept in their own file: the host's header declares the
// platform window, whose class name the engine's camera shares.

// Stored and re-applied whenever the window reopens. Nothing without a host.
void SetSwapInterval(int interval);
// Frames per buffer swap on the current window only (0 = no vsync). Nothing without a host.
void SetSwapIntervalNow(int interval);

}  // namespace zelka::hostaccess
