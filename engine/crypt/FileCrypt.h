#pragma once

// The enciphered asset container, shared by the game and the asset generator.
// This folder is its own library (zelka_filecrypt): standard library only.
//
// Container layout, N >= 3 bytes:
//   0      0x65 'e'   magic
//   1      0x5A 'Z'   magic
//   2      checksum   sum of the PLAIN body bytes, modulo 256
//   3..N-1 body       the plain file XOR the keystream
// The body length L = N - 3 is not stored; the keystream is seeded with
// L - MAGIC_SEED_CONST, so every file of one length shares a keystream.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace zelka {

// The process-wide generator the container cipher draws from:
// state = state * 214013 + 2531011 (mod 2^32). Nothing else in the game uses it.
namespace math2 {

// Sets the generator state.
void SRand(int32_t seed);
// The current generator state.
[[nodiscard]] int32_t SRand2();
// One step; bits 16 to 30 of the new state (0 to 32767).
int Rand();

}  // namespace math2

class FileCrypt {
public:
    FileCrypt() = delete;

    // Seed offset every data file is enciphered with. Changing it invalidates the data set.
    static constexpr int32_t MAGIC_SEED_CONST = 4718263;

    static constexpr uint8_t kMagic0 = 0x65;        // 'e'
    static constexpr uint8_t kMagic1 = 0x5A;        // 'Z'
    static constexpr std::size_t kHeaderSize = 3;   // two magic bytes and the checksum

    // Game side: reads the container at `filePath` (a real file name: resolve "kestro:"
    // paths with files::PathToFilePath first) and returns the plain body. The body is
    // read straight into the result and deciphered in place. None when the file cannot
    // be read, is shorter than the header, has a wrong magic or fails the checksum.
    // Leaves the math2 generator at its last state.
    [[nodiscard]] static std::optional<std::vector<uint8_t>> DecryptFileToMem(const std::string& filePath);

    // Container bytes to plain body; none for the same reasons as DecryptFileToMem.
    [[nodiscard]] static std::optional<std::vector<uint8_t>> Decipher(std::span<const uint8_t> container);

    // Plain file bytes to a whole container (header and enciphered body).
    [[nodiscard]] static std::vector<uint8_t> Encipher(std::span<const uint8_t> plain);

    // The same with another seed offset: the generator uses MAGIC_SEED_CONST, tests use
    // published known-answer offsets.
    [[nodiscard]] static std::optional<std::vector<uint8_t>> Decipher(std::span<const uint8_t> container,
                                                                      int32_t seedConst);
    [[nodiscard]] static std::vector<uint8_t> Encipher(std::span<const uint8_t> plain, int32_t seedConst);

    // XORs `count` bytes with the keystream that starts from generator state `seed`
    // (one step per byte, key = bits 16 to 23 of the new state) and returns the final
    // state. Enciphering and deciphering are this same operation.
    static uint32_t ApplyKeystream(uint8_t* bytes, std::size_t count, uint32_t seed);

    // Sum of the bytes modulo 256: the container's checksum of a plain body.
    [[nodiscard]] static uint8_t Checksum(std::span<const uint8_t> bytes);
};

}  // namespace zelka
