#ifndef PHYSICS_PHYSICALBLUEPRINT_H
#define PHYSICS_PHYSICALBLUEPRINT_H

#include <string>

#include "core/NamedObject.h"

namespace Physics {

// Base of every blueprint: a named description of a physical object.
class PhysicalBlueprint : public Util::NamedObject {
public:
    explicit PhysicalBlueprint(const std::string& name) : Util::NamedObject(name) {}
    ~PhysicalBlueprint() override {}
};

} // namespace Physics

#endif
