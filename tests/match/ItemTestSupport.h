#pragma once

// Fakes of a match player and maze for the item tests: they keep what was done to them.

#include "engine/audio/SoundManager.h"
#include "match/items/ItemStack.h"
#include "match/items/ItemUser.h"
#include "match/MatchConstants.h"
#include "services/player/PlayerData.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace zelka::itemtest {

// The types held, oldest first.
inline std::vector<int> Types(const ItemStack& stack)
{
    std::vector<int> types;
    for (int i = 0; i < stack.GetTotalItems(); ++i) types.push_back(stack.GetItemType(i));
    return types;
}

class FakeUser : public ItemUser {
public:
    explicit FakeUser(Ref<PlayerData> player)
        : player_(std::move(player)), stack_(ItemStack::New(*player_))
    {
    }

    PlayerData& GetPlayerData() override { return *player_; }
    ItemStack* GetItemStack() override { return stack_.get(); }
    int GetPlayerNumber() const override { return player_->GetPlayerNumber(); }
    int GetTileC() const override { return tileC; }
    int GetTileR() const override { return tileR; }
    int GetCharacterState() const override { return state; }
    int GetCurrentBuff() const override { return buff; }
    int GetCurrentDeBuff() const override { return debuff; }
    void SetCurrentBuff(int type, int ms) override { buff = type, buffMs = ms; }
    // Like the character: slow on turbo ends both.
    void SetCurrentDebuff(int type, int ms) override
    {
        if (type == kDebuffSlow && buff == kBuffTurbo) {
            buff = kBuffNone;
            type = kBuffNone;
            ms = 0;
        }
        debuff = type;
        debuffMs = ms;
    }
    void Dig() override { buff = debuff = kBuffNone, state = kCharDigAnimation, ++digs; }
    void Teleport(float x, float y) override { state = kCharTeleporting, teleports.emplace_back(x, y); }
    void MoveToTileCentre() override { ++centred; }
    void Resurface() override
    {
        if (state == kCharUnderground) {
            state = kCharDigAnimation;
            ++resurfaced;
        }
    }
    void ShowMessage(const String& text, bool big) override
    {
        messages.push_back(text), bigMessages = bigMessages && big;
    }
    void ShakeFace(int ms) override { faceShakeMs = ms; }
    void QuakeWindow(int ms) override { quakeMs = ms; }

    ItemStack& Stack() { return *stack_; }

    int tileC = 1;
    int tileR = 1;
    int state = kCharWalking;
    int buff = kBuffNone;
    int buffMs = 0;
    int debuff = kBuffNone;
    int debuffMs = 0;
    int digs = 0;
    int centred = 0;
    int resurfaced = 0;
    std::vector<std::pair<float, float>> teleports;
    std::vector<String> messages;
    bool bigMessages = true;
    int faceShakeMs = 0;
    int quakeMs = 0;

private:
    Ref<PlayerData> player_;
    Ref<ItemStack> stack_;
};

class FakeMaze : public ItemMaze {
public:
    float TileCenterX(int c) const override { return static_cast<float>(c * 32 + 16 - 5 * 16); }
    float TileCenterY(int r) const override { return static_cast<float>(r * 32 + 16 - 5 * 16); }
    bool HasWallAt(int c, int r) const override { return c == wallC && r == wallR; }
    bool IsTrapFloorAt(int c, int r) const override { return c == trapC && r == trapR; }
    bool AreBlocksUp() const override { return blocksUp; }
    void ToggleBlockTraps() override { blocksUp = !blocksUp; }

    int wallC = -1;
    int wallR = -1;
    int trapC = -1;
    int trapR = -1;
    bool blocksUp = false;
};

// Every effect request, in order.
class SoundLog {
public:
    SoundLog()
    {
        SoundManager::SetSpy([this](const SoundManager::Request& request) {
            if (!request.preload) played.emplace_back(request.number, request.channel);
        });
    }
    ~SoundLog() { SoundManager::SetSpy(nullptr); }
    SoundLog(const SoundLog&) = delete;
    SoundLog& operator=(const SoundLog&) = delete;

    bool Has(int sfx, int channel) const
    {
        return std::find(played.begin(), played.end(), std::pair{sfx, channel}) != played.end();
    }

    std::vector<std::pair<int, int>> played;   // (effect, channel)
};

}  // namespace zelka::itemtest
