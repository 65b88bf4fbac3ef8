// The one translation unit that compiles stb_vorbis itself. Its code is third-party:
// its warnings are not ours to fix.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#pragma GCC diagnostic ignored "-Wunused-value"
#pragma GCC diagnostic ignored "-Wsign-compare"
#pragma GCC diagnostic ignored "-Wunused-parameter"
#include "platform/audio/StbVorbisConfig.h"
#pragma GCC diagnostic pop
