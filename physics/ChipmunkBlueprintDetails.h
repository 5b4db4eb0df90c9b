#ifndef PHYSICS_CHIPMUNKBLUEPRINTDETAILS_H
#define PHYSICS_CHIPMUNKBLUEPRINTDETAILS_H

#include <string>
#include <vector>

#include <chipmunk/chipmunk.h>

#include "core/Vector3.h"
#include "physics/ChipmunkBlueprint.h"

namespace Physics {

// The records of a blueprint in file order. Every value here is one the
// physics engine accepts: the reader refused the others.
class ChipmunkBlueprint::Details {
public:
    enum JointKind { PIN = 0, GEAR = 1, RLIMIT = 2, DAMPED = 3 };
    enum ShapeKind { POLYGON = 0, CIRCLE = 1, LINE = 2 };

    struct BodyInfo {
        std::string name;
        // INFINITY for a static body (the file's -1).
        double mass;
        // INFINITY: the body never turns.
        double moment;
        // Position relative to the instance, before rotation.
        cpVect offset;
    };

    struct JointInfo {
        int kind;
        int bodyA;
        int bodyB;
        // Pin and damped spring: anchors in each body's own coordinates.
        cpVect anchorA;
        cpVect anchorB;
        // Gear: phase and ratio; rotary limit: minimum and maximum (radians).
        double first;
        double second;
        // Damped spring.
        double restLength;
        double stiffness;
        double damping;
        double forceClamp;
    };

    struct ShapeInfo {
        std::string name;
        int kind;
        int body;
        bool isStatic;
        unsigned group;
        unsigned layers;
        unsigned collisionType;
        cpVect offset;
        double elasticity;
        double friction;
        cpVect surfaceVelocity;
        // One list per polygon or polyline.
        std::vector<std::vector<MathStuff::Vector3<float> > > points;
        bool relativePoints;
        // Radius of every segment of a line shape.
        double lineWidth;
        double radius;
    };

    std::vector<BodyInfo> bodies;
    std::vector<JointInfo> joints;
    std::vector<ShapeInfo> shapes;
};

} // namespace Physics

#endif
