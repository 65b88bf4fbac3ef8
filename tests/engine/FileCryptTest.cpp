#include "engine/crypt/FileCrypt.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>
#include <unistd.h>

namespace zelka {
namespace {

using Bytes = std::vector<uint8_t>;

// One generator step, as the stored format defines it.
uint32_t Step(uint32_t state) { return state * 214013u + 2531011u; }

Bytes Pattern(std::size_t count, uint32_t salt)
{
    Bytes out(count);
    for (std::size_t i = 0; i < count; ++i) out[i] = static_cast<uint8_t>((i * 131 + salt * 7 + (i >> 5)) & 0xFF);
    return out;
}

// Known answers pin the stored format: the data set on disk must keep deciphering.
TEST(FileCrypt, KeystreamAndContainerMatchKnownAnswers)
{
    Bytes zeros(6, 0);
    FileCrypt::ApplyKeystream(zeros.data(), zeros.size(), 0);
    EXPECT_EQ(zeros, (Bytes{38, 39, 246, 133, 151, 21}));
    Bytes fromOne(6, 0);
    FileCrypt::ApplyKeystream(fromOne.data(), fromOne.size(), 1);
    EXPECT_EQ(fromOne, (Bytes{41, 35, 190, 132, 225, 108}));
    math2::SRand(1);
    EXPECT_EQ(math2::Rand(), 41);
    EXPECT_EQ(FileCrypt::Encipher(Bytes{'A', 'B', 'C'}, 1234567), (Bytes{0x65, 0x5A, 0xC6, 0x99, 0x2A, 0xB7}));
}

TEST(FileCrypt, LaneKeystreamEqualsSerialGenerator)
{
    // Lengths around multiples of the lane width and odd seeds, including negative ones.
    for (std::size_t count : {0u, 1u, 7u, 8u, 9u, 31u, 32u, 33u, 63u, 64u, 65u, 95u, 1000u, 4099u}) {
        for (uint32_t seed : {0u, 1u, 0x80000000u, 0xFFFFFFFFu, 12345u}) {
            Bytes data = Pattern(count, seed);
            const Bytes original = data;
            const uint32_t end = FileCrypt::ApplyKeystream(data.data(), data.size(), seed);
            uint32_t state = seed;
            for (std::size_t i = 0; i < count; ++i) {
                state = Step(state);
                ASSERT_EQ(data[i], original[i] ^ static_cast<uint8_t>(state >> 16)) << count << " " << i;
            }
            EXPECT_EQ(end, state) << "final state after " << count;
        }
    }
}

TEST(FileCrypt, RoundTripLeavesTheGeneratorAtItsLastState)
{
    for (std::size_t count : {0u, 1u, 2u, 3u, 8u, 9u, 255u, 256u, 100000u}) {
        const Bytes plain = Pattern(count, 3);
        const Bytes container = FileCrypt::Encipher(plain);
        ASSERT_EQ(container.size(), count + FileCrypt::kHeaderSize);
        math2::SRand(99);
        const auto back = FileCrypt::Decipher(container);
        ASSERT_TRUE(back.has_value()) << count;
        EXPECT_EQ(*back, plain);
        uint32_t state = static_cast<uint32_t>(count) - static_cast<uint32_t>(FileCrypt::MAGIC_SEED_CONST);
        for (std::size_t i = 0; i < count; ++i) state = Step(state);
        EXPECT_EQ(static_cast<uint32_t>(math2::SRand2()), state) << count;
    }
}

TEST(FileCrypt, DamagedOrShortContainersGiveNone)
{
    EXPECT_EQ(FileCrypt::Decipher(Bytes{0x65, 0x5A, 0x00}), Bytes{});   // empty body, checksum 0
    for (const Bytes& cut : {Bytes{0x65, 0x5A, 0x01}, Bytes{}, Bytes{0x65}, Bytes{0x65, 0x5A}}) {
        EXPECT_FALSE(FileCrypt::Decipher(cut).has_value()) << cut.size() << " bytes";
    }

    const Bytes plain = Pattern(300, 9);
    const Bytes good = FileCrypt::Encipher(plain);
    Bytes flipped = good;
    flipped[150] ^= 0x10;   // one body byte
    EXPECT_FALSE(FileCrypt::Decipher(flipped).has_value());
    Bytes badMagic = good;
    badMagic[1] = 'z';
    EXPECT_FALSE(FileCrypt::Decipher(badMagic).has_value());
    // Length changed after enciphering: another keystream, garbage fails the checksum.
    EXPECT_FALSE(FileCrypt::Decipher(Bytes(good.begin(), good.end() - 1)).has_value());
    // Enciphered with another constant.
    EXPECT_FALSE(FileCrypt::Decipher(FileCrypt::Encipher(plain, 1234567)).has_value());
}

TEST(FileCrypt, DecryptFileToMemReadsContainersAndRejectsBadFiles)
{
    const auto dir = std::filesystem::temp_directory_path() / ("zelka_filecrypt_" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    const auto write = [&dir](const std::string& name, const Bytes& bytes) {
        const auto path = (dir / name).string();
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        return path;
    };
    const Bytes plain = Pattern(5000, 4);
    EXPECT_EQ(FileCrypt::DecryptFileToMem(write("sprite.imx", FileCrypt::Encipher(plain))), plain);
    EXPECT_EQ(FileCrypt::DecryptFileToMem(write("empty.imx", {0x65, 0x5A, 0x00})), Bytes{});

    EXPECT_FALSE(FileCrypt::DecryptFileToMem((dir / "missing.imx").string()).has_value());
    EXPECT_FALSE(FileCrypt::DecryptFileToMem(write("zero.imx", {})).has_value());
    EXPECT_FALSE(FileCrypt::DecryptFileToMem(write("two.imx", {0x65, 0x5A})).has_value());
    // A plain PNG under a container name fails the magic test.
    const Bytes png{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0, 0, 0, 0x0D, 'I', 'H', 'D', 'R'};
    EXPECT_FALSE(FileCrypt::DecryptFileToMem(write("plain.imx", png)).has_value());
    Bytes flipped = FileCrypt::Encipher(Pattern(64, 2));
    flipped.back() ^= 1;
    EXPECT_FALSE(FileCrypt::DecryptFileToMem(write("flipped.imx", flipped)).has_value());
    EXPECT_FALSE(FileCrypt::DecryptFileToMem(dir.string()).has_value());   // a folder
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace zelka
