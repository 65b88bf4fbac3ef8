#pragma once

#include "platform/files/DataPath.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

namespace zelka::testing {

// A fresh application folder (with its data/ folder) per test, removed afterwards, with
// helpers to put bytes into it and read them back.
class AppFolderFixture : public ::testing::Test {
protected:
    using Bytes = std::vector<uint8_t>;

    void SetUp() override
    {
        dir_ = std::filesystem::temp_directory_path() /
               ("zelka_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) +
                "_" + std::to_string(getpid()));
        std::filesystem::create_directories(dir_ / "data");
        files::SetApplicationFolder(dir_.string());
    }

    void TearDown() override
    {
        files::SetApplicationFolder(std::nullopt);
        std::filesystem::remove_all(dir_);
    }

    std::string PathOf(const std::string& name) const { return (dir_ / name).string(); }

    void WriteBytes(const std::string& name, const Bytes& bytes) const
    {
        std::ofstream(PathOf(name), std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
    }

    Bytes ReadBytes(const std::string& name) const
    {
        std::ifstream in(PathOf(name), std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), {});
    }

    std::filesystem::path dir_;
};

}  // namespace zelka::testing
