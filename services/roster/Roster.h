#pragma once

#include "platform/core/Ref.h"

namespace zelka {

class CharProfile;

// The fixed list of the seven playable characters, built on first use and kept for the
// process. Every accessor builds it first when needed.
class Roster {
public:
    Roster() = delete;

    static void Init();  // nothing on later calls
    static int GetTotalCharacters();
    static Ref<CharProfile> GetCharacterByIndex(int index);  // null outside the list
    static int FindCharacterById(int id);                    // index, -1 if absent
    static Ref<CharProfile> GetCharacterById(int id);        // null if absent
};

}  // namespace zelka
