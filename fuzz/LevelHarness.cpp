#include "fuzz/Harness.h"

#include "fuzz/ScratchFile.h"
#include "physics/LevelFile.h"

namespace Fuzz {

// A level file read on its own; the physics file it names is the physics
// harness's business, so a name it holds is never opened here.
int fuzzLevel(const std::uint8_t* data, std::size_t size)
{
    ScratchFile file("level.cfg", data, size);
    Physics::LevelFile level;
    level.load(file.path());
    return 0;
}

} // namespace Fuzz
