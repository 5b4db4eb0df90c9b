#ifndef PHYSICS_CHIPMUNKBLUEPRINT_H
#define PHYSICS_CHIPMUNKBLUEPRINT_H

#include <string>
#include <utility>
#include <vector>

#include "core/Vector3.h"
#include "physics/ChipmunkTypes.h"
#include "physics/PhysicalBlueprint.h"

namespace Physics {

// A multi-body object read once from its blueprint file and kept as plain
// records (bodies, joints, shapes); any number of instances are made from the
// records. Values the physics engine would refuse are refused while reading,
// each with one line on the error stream naming the file and the key, so
// every instance steps safely.
class ChipmunkBlueprint : public PhysicalBlueprint {
public:
    class Details;

    // Reads the file; a missing file gives a blueprint with no parts.
    ChipmunkBlueprint(const std::string& name, const std::string& fileName);
    ~ChipmunkBlueprint() override;

    ChipmunkBlueprint(const ChipmunkBlueprint&) = delete;
    ChipmunkBlueprint& operator=(const ChipmunkBlueprint&) = delete;

    // Appends one instance at the position (z ignored) turned by the angle:
    // body names and bodies, joints, and shapes with their static flag. The
    // caller owns everything made; nothing is added to a space.
    virtual void create(const MathStuff::Vector3<float>& position, float angleDegrees,
                        std::vector<std::string>& names, std::vector<cpBody*>& bodies,
                        std::vector<cpConstraint*>& constraints,
                        std::vector<std::pair<cpShape*, bool> >& shapes) const;

    // The records, for inspection.
    const Details& getDetails() const;

private:
    Details* m_details;
};

} // namespace Physics

#endif
