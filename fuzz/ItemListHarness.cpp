#include "fuzz/Harness.h"

#include <string>

#include "world/World.h"

namespace Fuzz {

// The item list (ALL_ITEMS) read into a world the way the game defines its
// items. A list that names its files by a path is passed over: the names then
// stay inside the working folder, where the reader meets only missing and
// unreadable files; the item files themselves have their own harnesses.
int fuzzItemList(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    if (text.find('/') != std::string::npos)
        return 0;
    KWEP::World world;
    world.defineItems(text);
    return 0;
}

} // namespace Fuzz
