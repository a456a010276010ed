#pragma once

// A path in space: keys of a position and a tangent, one Hermite sector
// between each two neighbouring keys. Its users fill the keys themselves.
// A sector before the first answers the first key, one after the last the
// last key, and an empty path answers the zero vector.

#include "engine/util/SplinePath.h"
#include "engine/util/Vector3.h"

#include <vector>

class Vector3Path {
public:
    struct Key {
        Vector3 position;
        Vector3 tangent;
    };

    int Sectors() const { return static_cast<int>(keys.size()) - 1; }

    Vector3 Position(int sector, float t) const
    {
        if (keys.empty())
            return Vector3();
        if (sector < 0)
            return keys.front().position;
        if (sector >= Sectors())
            return keys.back().position;
        const Key& a = keys[static_cast<std::size_t>(sector)];
        const Key& b = keys[static_cast<std::size_t>(sector) + 1];
        return HermiteValue(a.position, a.tangent, b.position, b.tangent, t);
    }

    Vector3 Tangent(int sector, float t) const
    {
        if (keys.empty())
            return Vector3();
        if (sector < 0)
            return keys.front().tangent;
        if (sector >= Sectors())
            return keys.back().tangent;
        const Key& a = keys[static_cast<std::size_t>(sector)];
        const Key& b = keys[static_cast<std::size_t>(sector) + 1];
        return HermiteSlope(a.position, a.tangent, b.position, b.tangent, t);
    }

    std::vector<Key> keys;
};
