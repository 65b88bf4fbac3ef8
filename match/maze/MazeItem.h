#pragma once

namespace zelka {

// What the maze needs of an item lying on a tile (the item manager's items implement it).
class MazeItem {
public:
    virtual ~MazeItem() = default;
    // Remaining life in ms: -1 unlimited, 0 taken or expired.
    virtual int GetLifetime() const = 0;
    // Whether a character may pick it up now.
    virtual void SetActive(bool active) = 0;
};

}  // namespace zelka
