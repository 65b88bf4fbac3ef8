#pragma once

// Files the platform tests read: WAV files built from their parts (each open to being
// broken by a test), written to temporary files of their own.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

namespace zelka::testing {

using Bytes = std::vector<std::uint8_t>;

struct WavLayout {
    const char* riff = "RIFF";
    const char* wave = "WAVE";
    const char* fmtId = "fmt ";
    std::uint32_t fmtSize = 16;
    std::uint16_t tag = 1;  // PCM
    std::uint16_t channels = 1;
    std::uint32_t rate = 22050;
    std::uint16_t bits = 16;
    Bytes beforeData;            // whole chunks between "fmt " and "data"
    std::int64_t dataSize = -1;  // stated size; -1 = the real one
    Bytes data = {1, 2, 3, 4, 5, 6, 7, 8};
};

inline void PutId(Bytes& out, const char* id) { out.insert(out.end(), id, id + 4); }

// Little-endian, as every field of the file.
inline void PutLE(Bytes& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

inline Bytes BuildWav(const WavLayout& layout)
{
    Bytes out;
    PutId(out, layout.riff);
    PutLE(out, 0, 4);  // RIFF size: ignored by the reader
    PutId(out, layout.wave);
    PutId(out, layout.fmtId);
    PutLE(out, layout.fmtSize, 4);
    PutLE(out, layout.tag, 2);
    PutLE(out, layout.channels, 2);
    PutLE(out, layout.rate, 4);
    PutLE(out, layout.rate * layout.channels * layout.bits / 8, 4);
    PutLE(out, layout.channels * layout.bits / 8, 2);
    PutLE(out, layout.bits, 2);
    if (layout.fmtSize > 16) out.insert(out.end(), layout.fmtSize - 16, 0);
    out.insert(out.end(), layout.beforeData.begin(), layout.beforeData.end());
    PutId(out, "data");
    PutLE(out, static_cast<std::uint32_t>(layout.dataSize < 0 ? layout.data.size() : layout.dataSize), 4);
    out.insert(out.end(), layout.data.begin(), layout.data.end());
    return out;
}

// Writes a file of the temporary folder, named per process: test cases run side by side.
inline std::string WriteTempFile(const std::string& name, const Bytes& bytes)
{
    const std::string path = ::testing::TempDir() + std::to_string(getpid()) + "_" + name;
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                static_cast<std::streamsize>(bytes.size()));
    return path;
}

}  // namespace zelka::testing
