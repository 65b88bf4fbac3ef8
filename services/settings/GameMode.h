#pragma once

#include "platform/core/Ref.h"
#include "platform/core/Text.h"

namespace zelka {

inline constexpr int kGameKindVersus = 0;
inline constexpr int kGameKindIdolRace = 1;

// One game mode: identifier 0-3 (the statistics index by it), names, kind and whether two
// humans play.
class GameMode {
public:
    static Ref<GameMode> New(int id, const String& name, const String& shortName, int kind,
                             bool twoPlayer);

    int GetId() const { return id_; }
    const String& GetName() const { return name_; }
    const String& GetShortName() const { return shortName_; }
    int GetKind() const { return kind_; }   // kGameKindVersus or kGameKindIdolRace
    bool Is2P() const { return twoPlayer_; }

private:
    int id_ = 0;
    String name_;
    String shortName_;
    int kind_ = kGameKindVersus;
    bool twoPlayer_ = false;
};

}  // namespace zelka
