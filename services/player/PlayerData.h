#pragma once

#include "engine/core/RGB.h"
#include "platform/core/Ref.h"
#include "platform/core/Text.h"

#include <map>

namespace zelka {

class CharProfile;
class InputHardware;
class InputMapping;
class PlayerStageData;
class XMLNode;

// One of the two players between and during matches.
class PlayerData {
public:
    // Numbers come from a process-wide counter: the first player made is 1.
    static Ref<PlayerData> New();
    // Restarts the numbering at 1 (tests make many players in one process).
    static void ResetPlayerCounter();

    int GetPlayerNumber() const { return number_; }

    // Zeroes the score, the three collection counters and the race value (not `wins`).
    void ResetScore();

    // The current mapping, or null when the player has no device.
    const Ref<InputMapping>& GetInputMapping() const { return mapping_; }
    // Drops the mapping: the player has no device.
    void ClearInputMapping() { mapping_.reset(); }

    // Gives the player `device` (nothing for null): the device type's schemes, then the
    // stored controls for that type, or the defaults when none are stored or the stored
    // ones lack an action key the device knows.
    void SetInputHardware(const Ref<InputHardware>& device);
    // The default scheme and action keys for the device type and this player (player 1
    // on the keyboard walks with W A S D when `twoPlayer`), then stores them. Nothing
    // without a mapping.
    void ResetCurrentInputMapping(bool twoPlayer);
    // Stores the mapping's XML form under its device type, replacing the earlier one.
    void StoreCurrentInputMapping();

    // Stored controls: device type -> "input" element, ordered by device type.
    std::map<String, Ref<XMLNode>> storedControls;

    RGB color;                        // tint of the player's labels
    Ref<CharProfile> character;       // chosen character, null when none
    int characterIndex = 0;           // cleared with the character
    // The running match's state, dropped at every stage creation (match objects keep raw
    // pointers back to it only while a match runs).
    Ref<PlayerStageData> stageData;

    // Counters of the current match.
    int score = 0;
    int gems = 0;
    int treasures = 0;
    int chests = 0;       // item chests collected
    int raceValue = 0;    // distance to the idol in a race
    // Matches won in this run of the game (shown by the results screen; never saved).
    int wins = 0;

private:
    int number_ = 0;
    Ref<InputMapping> mapping_;
};

}  // namespace zelka
