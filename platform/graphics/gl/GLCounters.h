#pragma once

namespace zelka {

// Counts of the GL work the backend did, for tests and benchmarks (never reset by the
// backend itself).
struct GLCounters {
    long drawCalls = 0;          // glDrawArrays + glDrawElements
    long texturesCreated = 0;    // glGenTextures
    long texturesDeleted = 0;    // glDeleteTextures
    long textureUploads = 0;     // glTexSubImage2D
};

GLCounters& GLStats();

}  // namespace zelka
