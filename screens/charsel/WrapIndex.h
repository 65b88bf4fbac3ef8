#pragma once

namespace zelka {

// index modulo count, made non-negative: plain % keeps the sign, so stepping back from
// entry 0 would give -1. 0 for an empty list.
[[nodiscard]] inline int WrapIndex(int index, int count)
{
    if (count <= 0) {
        return 0;
    }
    return (index % count + count) % count;
}

}  // namespace zelka
