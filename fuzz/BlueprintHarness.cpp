#include "fuzz/Harness.h"

#include "fuzz/ScratchFile.h"
#include "physics/ChipmunkBlueprint.h"
#include "physics/ChipmunkItem.h"
#include "physics/PhysicalItemFactory.h"

namespace Fuzz {

// A blueprint file read and one item made from it, bodies, shapes and joints
// in the engine, then taken apart again.
int fuzzBlueprint(const std::uint8_t* data, std::size_t size)
{
    ScratchFile file("blueprint.cfg", data, size);
    Physics::PhysicalItemFactory<Physics::ChipmunkBlueprint, Physics::ChipmunkItem> factory;
    factory.add("ITEM", file.path());
    delete factory.get("ITEM", MathStuff::Vector3<float>(10, 20, 0), 30);
    return 0;
}

} // namespace Fuzz
