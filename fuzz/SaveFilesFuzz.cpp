// libFuzzer harness: the whole way of the settings and save files into the game, from the
// bytes on disk through Base64, the save cipher and the XML reader to the game data. The
// first byte picks how the rest becomes the two files: 0 as the stored bytes themselves, 1
// as XML text the harness stores as the game would; bit 1 picks the file that gets it
// (the other is absent). The game then starts and saves both files: the files it wrote
// must read back as trees.
#include "engine/audio/AudioManager.h"
#include "engine/audio/SoundManager.h"
#include "platform/files/TextFile.h"
#include "platform/input/InputDevice.h"
#include "platform/input/null/FakeJoystickBackend.h"
#include "services/config/PlayerConfig.h"
#include "services/crypt/DataCrypt.h"
#include "services/crypt/Encoding.h"
#include "services/data/GameData.h"
#include "services/data/null/NullVideoHost.h"
#include "services/xml/XMLNode.h"

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace {

using namespace zelka;

void StartGame()
{
    GameData::ResetForTest();
    AudioManager::ResetState();
    SoundManager::ResetState();
    playerconfig::ResetForTest();
    GameData::SetVideoHost(std::make_shared<NullVideoHost>(DisplayMode{1920, 1080},
                                                           std::vector<DisplayMode>{{1920, 1080}}));
    auto pads = std::make_shared<FakeJoystickBackend>();
    pads->Plug(0);
    GameData::SetJoystickBackend(pads);
    GameData::Init();
}

// The writer escapes nothing: a value holding '<' (read from CDATA) cannot come back.
bool Writable(const XMLNode& node)
{
    if (node.value.find(U'<') != String::npos) return false;
    for (const auto& child : node.children) {
        if (!Writable(*child)) return false;
    }
    return true;
}

bool Readable(const std::string& path)
{
    return playerconfig::ReadSaveNodeFromFileContent(LoadString(path)) != nullptr;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // Memory-backed when there is such a folder: every save ends with fsync.
    const std::filesystem::path base =
        std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : std::filesystem::temp_directory_path();
    std::string folder = (base / "zelka-fuzz-XXXXXX").string();
    if (!mkdtemp(folder.data())) std::abort();
    std::filesystem::current_path(folder);
    static Ref<InputDevice> keys = std::make_shared<InputDevice>();
    input::SetInputDevice(keys);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1) return 0;
    std::filesystem::remove_all(playerconfig::kSaveFolder);
    std::filesystem::create_directories(playerconfig::kSaveFolder);
    const std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
    std::string stored(rest);
    if (data[0] & 1) {
        const String xml = FromUtf8(rest);
        stored = ToUtf8(encoding::StringToBase64(DataCrypt::Encrypt(xml, DataCrypt::kSaveFileKey)));
    }
    const bool settings = (data[0] & 2) == 0;
    const std::string path = playerconfig::FilePath(settings ? playerconfig::kSettingsBaseName
                                                             : playerconfig::kSaveBaseName);
    std::ofstream(path, std::ios::binary) << stored;

    StartGame();
    const bool writable = Writable(*GameData::GetConfigNode()) && Writable(*GameData::GetSaveDataNode());
    playerconfig::SaveGameSettings();
    playerconfig::SaveUserData();
    if (writable) {
        if (!Readable(playerconfig::FilePath(playerconfig::kSettingsBaseName))) std::abort();
        if (!Readable(playerconfig::FilePath(playerconfig::kSaveBaseName))) std::abort();
    }
    GameData::ResetForTest();
    return 0;
}
