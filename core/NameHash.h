#ifndef FRELMORY_CORE_NAMEHASH_H
#define FRELMORY_CORE_NAMEHASH_H

#include <cstdint>
#include <string>

namespace Util {

// The hash of items keyed by a name (loader entries, materials). Each byte
// counts as a signed 8-bit value; the high nibble folds back with a
// sign-filled shift. Done in unsigned 32-bit arithmetic so nothing overflows;
// the result always lies in 0 .. 2^31 - 1.
inline int nameHash(const std::string& name) {
    std::uint32_t h = 0;
    for (char c : name) {
        const std::int32_t byte = static_cast<signed char>(c);
        h = (h << 4) + static_cast<std::uint32_t>(byte);
        const std::uint32_t g = h & 0xF0000000u;
        if (g != 0) {
            std::uint32_t folded = g >> 24;
            if (g & 0x80000000u)
                folded |= 0xFFFFFF00u;
            h ^= folded;
            h &= ~g;
        }
    }
    return static_cast<int>(h);
}

} // namespace Util

#endif
