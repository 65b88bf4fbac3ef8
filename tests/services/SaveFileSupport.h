#pragma once

// The settings and save files as raw bytes, for the tests that write damaged ones or read
// back what the game wrote.
#include "platform/files/TextFile.h"
#include "services/config/PlayerConfig.h"
#include "services/crypt/DataCrypt.h"
#include "services/crypt/Encoding.h"
#include "services/xml/XMLNode.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace zelka::savefiles {

inline const std::string kSettings = "savedata/settings.dat";
inline const std::string kSave = "savedata/save.dat";

inline std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

inline void WriteBytes(const std::string& path, const std::string& bytes)
{
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

// XML text as the game stores it: save cipher, then Base64.
inline std::string Encoded(const std::string& xml)
{
    return ToUtf8(encoding::StringToBase64(DataCrypt::Encrypt(FromUtf8(xml), DataCrypt::kSaveFileKey)));
}

// A file's XML text exactly as stored.
inline std::string Decoded(const std::string& path)
{
    const String stored = FromUtf8(ReadBytes(path));
    return ToUtf8(DataCrypt::Decrypt(encoding::Base64ToString(stored), DataCrypt::kSaveFileKey));
}

// The tree in a file as the game reads it; null when it does not decode.
inline Ref<XMLNode> Tree(const std::string& path)
{
    return playerconfig::ReadSaveNodeFromFileContent(LoadString(path));
}

}  // namespace zelka::savefiles
