#pragma once

// stb_vorbis as this game builds it: memory decoding only. Define STB_VORBIS_HEADER_ONLY
// before including this everywhere but StbVorbis.cpp.
#define STB_VORBIS_NO_STDIO
#define STB_VORBIS_NO_PUSHDATA_API
#include <stb_vorbis.h>
