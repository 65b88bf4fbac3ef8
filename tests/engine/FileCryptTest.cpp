#include "engine/crypt/FileCrypt.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>
#include <unistd.h>

namespace zelka {
namespace {

using Bytes = std::vector<uint8_t>;

// The generator one step at a time, as the stored format defines it.
Bytes ReferenceKeystream(uint32_t state, std::size_t count)
{
    Bytes key;
    for (std::size_t i = 0; i < count; ++i) {
        state = state * 214013u + 2531011u;
        key.push_back(static_cast<uint8_t>(state >> 16));
    }
    return key;
}

Bytes Pattern(std::size_t count, uint32_t salt)
{
    Bytes out(count);
    for (std::size_t i = 0; i < count; ++i) out[i] = static_cast<uint8_t>((i * 131 + salt * 7 + (i >> 5)) & 0xFF);
    return out;
}

class FileCryptFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir_ = std::filesystem::temp_directory_path() / ("zelka_filecrypt_" + std::to_string(getpid()));
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    std::string Write(const std::string& name, const Bytes& bytes)
    {
        const auto path = (dir_ / name).string();
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                    static_cast<std::streamsize>(bytes.size()));
        return path;
    }

    std::filesystem::path dir_;
};

TEST(FileCrypt, KeyBytesMatchKnownAnswers)
{
    Bytes zeros(6, 0);
    FileCrypt::ApplyKeystream(zeros.data(), zeros.size(), 0);
    EXPECT_EQ(zeros, (Bytes{38, 39, 246, 133, 151, 21}));

    Bytes fromOne(6, 0);
    FileCrypt::ApplyKeystream(fromOne.data(), fromOne.size(), 1);
    EXPECT_EQ(fromOne, (Bytes{41, 35, 190, 132, 225, 108}));

    math2::SRand(1);
    EXPECT_EQ(math2::Rand(), 41);
}

TEST(FileCrypt, ContainerMatchesKnownAnswerForPublishedConstant)
{
    const Bytes plain{'A', 'B', 'C'};
    EXPECT_EQ(FileCrypt::Encipher(plain, 1234567), (Bytes{0x65, 0x5A, 0xC6, 0x99, 0x2A, 0xB7}));
}

TEST(FileCrypt, SeedConstantIsPositiveSevenDigits)
{
    EXPECT_GE(FileCrypt::MAGIC_SEED_CONST, 1000000);
    EXPECT_LE(FileCrypt::MAGIC_SEED_CONST, 9999999);
}

TEST(FileCrypt, LaneKeystreamEqualsSerialGenerator)
{
    // Lengths around multiples of the lane width and odd seeds, including negative ones.
    for (std::size_t count : {0u, 1u, 7u, 8u, 9u, 31u, 32u, 33u, 63u, 64u, 65u, 95u, 1000u, 4099u}) {
        for (uint32_t seed : {0u, 1u, 0x80000000u, 0xFFFFFFFFu, 12345u}) {
            Bytes data = Pattern(count, seed);
            const Bytes original = data;
            const uint32_t end = FileCrypt::ApplyKeystream(data.data(), data.size(), seed);
            const Bytes key = ReferenceKeystream(seed, count);
            for (std::size_t i = 0; i < count; ++i) ASSERT_EQ(data[i], original[i] ^ key[i]) << count << " " << i;
            uint32_t state = seed;
            for (std::size_t i = 0; i < count; ++i) state = state * 214013u + 2531011u;
            EXPECT_EQ(end, state) << "final state after " << count;
        }
    }
}

TEST(FileCrypt, RoundTripThroughEncoder)
{
    for (std::size_t count : {0u, 1u, 2u, 3u, 8u, 9u, 255u, 256u, 100000u}) {
        const Bytes plain = Pattern(count, 3);
        const Bytes container = FileCrypt::Encipher(plain);
        ASSERT_EQ(container.size(), count + FileCrypt::kHeaderSize);
        const auto back = FileCrypt::Decipher(container);
        ASSERT_TRUE(back.has_value()) << count;
        EXPECT_EQ(*back, plain);
    }
}

TEST(FileCrypt, DecipherLeavesGeneratorAtLastState)
{
    const Bytes plain = Pattern(20, 1);
    const Bytes container = FileCrypt::Encipher(plain);
    math2::SRand(99);
    ASSERT_TRUE(FileCrypt::Decipher(container).has_value());
    uint32_t state = 20u - static_cast<uint32_t>(FileCrypt::MAGIC_SEED_CONST);
    for (int i = 0; i < 20; ++i) state = state * 214013u + 2531011u;
    EXPECT_EQ(static_cast<uint32_t>(math2::SRand2()), state);
}

TEST(FileCrypt, EmptyBodyNeedsZeroChecksum)
{
    EXPECT_EQ(FileCrypt::Decipher(Bytes{0x65, 0x5A, 0x00}), Bytes{});
    EXPECT_FALSE(FileCrypt::Decipher(Bytes{0x65, 0x5A, 0x01}).has_value());
}

TEST(FileCrypt, DamagedContainersGiveNone)
{
    const Bytes plain = Pattern(300, 9);
    const Bytes good = FileCrypt::Encipher(plain);

    Bytes flipped = good;
    flipped[150] ^= 0x10;  // one body byte
    EXPECT_FALSE(FileCrypt::Decipher(flipped).has_value());

    Bytes badMagic = good;
    badMagic[1] = 'z';
    EXPECT_FALSE(FileCrypt::Decipher(badMagic).has_value());

    // Length changed after enciphering: another keystream, garbage fails the checksum.
    Bytes truncated(good.begin(), good.end() - 1);
    EXPECT_FALSE(FileCrypt::Decipher(truncated).has_value());

    // Enciphered with another constant.
    EXPECT_FALSE(FileCrypt::Decipher(FileCrypt::Encipher(plain, 1234567)).has_value());
}

TEST(FileCrypt, ShortInputsGiveNone)
{
    EXPECT_FALSE(FileCrypt::Decipher(Bytes{}).has_value());
    EXPECT_FALSE(FileCrypt::Decipher(Bytes{0x65}).has_value());
    EXPECT_FALSE(FileCrypt::Decipher(Bytes{0x65, 0x5A}).has_value());
}

TEST(FileCrypt, SameLengthSharesKeystreamOtherLengthDoesNot)
{
    const Bytes zerosA(32, 0);
    const Bytes zerosB(33, 0);
    const Bytes a = FileCrypt::Encipher(zerosA);
    const Bytes a2 = FileCrypt::Encipher(zerosA);
    const Bytes b = FileCrypt::Encipher(zerosB);
    EXPECT_EQ(a, a2);
    EXPECT_NE(Bytes(a.begin() + 3, a.end()), Bytes(b.begin() + 3, b.begin() + 35));
}

TEST_F(FileCryptFiles, DecryptFileToMemReadsContainer)
{
    const Bytes plain = Pattern(5000, 4);
    const auto path = Write("sprite.imx", FileCrypt::Encipher(plain));
    const auto body = FileCrypt::DecryptFileToMem(path);
    ASSERT_TRUE(body.has_value());
    EXPECT_EQ(*body, plain);
    EXPECT_EQ(FileCrypt::DecryptFileToMem(Write("empty.imx", {0x65, 0x5A, 0x00})), Bytes{});
}

TEST_F(FileCryptFiles, DecryptFileToMemRejectsBadFiles)
{
    EXPECT_FALSE(FileCrypt::DecryptFileToMem((dir_ / "missing.imx").string()).has_value());
    EXPECT_FALSE(FileCrypt::DecryptFileToMem(Write("zero.imx", {})).has_value());
    EXPECT_FALSE(FileCrypt::DecryptFileToMem(Write("one.imx", {0x65})).has_value());
    EXPECT_FALSE(FileCrypt::DecryptFileToMem(Write("two.imx", {0x65, 0x5A})).has_value());

    // A plain PNG under a container name fails the magic test.
    const Bytes png{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0, 0, 0, 0x0D, 'I', 'H', 'D', 'R'};
    EXPECT_FALSE(FileCrypt::DecryptFileToMem(Write("plain.imx", png)).has_value());

    Bytes flipped = FileCrypt::Encipher(Pattern(64, 2));
    flipped.back() ^= 1;
    EXPECT_FALSE(FileCrypt::DecryptFileToMem(Write("flipped.imx", flipped)).has_value());

    EXPECT_FALSE(FileCrypt::DecryptFileToMem(dir_.string()).has_value());  // a folder
}

}  // namespace
}  // namespace zelka
