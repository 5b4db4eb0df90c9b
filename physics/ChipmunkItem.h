#ifndef PHYSICS_CHIPMUNKITEM_H
#define PHYSICS_CHIPMUNKITEM_H

#include <string>
#include <utility>
#include <vector>

#include "core/NamedObject.h"
#include "core/Orientation.h"
#include "core/Vector3.h"
#include "physics/ChipmunkTypes.h"
#include "shell/I_Mover.h"

namespace Physics {

class ChipmunkBlueprint;
class ChipmunkWorld;
class ChipmunkWorldItem;
class I_PhysicalEngine;

// One instance of a blueprint: the bodies, joints and shapes it made, in
// blueprint order, addressed by body name. It owns them all and takes them out
// of the space and out of its world when it is destroyed. Every body's and
// shape's user data points to the item. A static body (the blueprint's mass
// -1) never enters the space; its shapes do. It is the mover of the world
// item that owns it: one orientation per body.
//
// Every operation that takes a body name does nothing when no body has that
// name; setters ignore values that are not finite.
class ChipmunkItem : public Util::NamedObject, public Game::I_Mover {
public:
    // An (x, y) pair: a velocity, a force or an impulse.
    struct XYPart {
        XYPart() : x(0.0f), y(0.0f) {}
        XYPart(float x, float y) : x(x), y(y) {}
        float x;
        float y;
    };

    // Makes the blueprint's instance at the position (z ignored), turned by
    // the angle; in no space and without owner.
    ChipmunkItem(const ChipmunkBlueprint* blueprint, const MathStuff::Vector3<float>& position,
                 float angleDegrees);
    ~ChipmunkItem() override;

    ChipmunkItem(const ChipmunkItem&) = delete;
    ChipmunkItem& operator=(const ChipmunkItem&) = delete;

    // The world item that owns this item (not owned; null until set).
    virtual void setOwner(ChipmunkWorldItem* owner);
    virtual ChipmunkWorldItem* getOwner() const;

    virtual const std::vector<std::string>& getBodyNames() const;
    // Position of the first body of that name; -1 when there is none.
    virtual int getBodyIndex(const std::string& name) const;
    // Name of the body the shape is attached to when the shape is one of this
    // item's; "" otherwise. The shape itself is never read, so a shape freed
    // earlier is a safe question.
    virtual std::string getBodyName(const cpShape* shape) const;
    // Takes the body, its joints and its shapes out of the space and frees
    // them; a grab holding the body is dropped first.
    virtual void removeBody(const std::string& name);

    // One orientation per body in body order: position (x, y, 0), direction
    // the rotation vector, up its perpendicular, scale 1.
    void getPositions(std::vector<MathStuff::Orientation<float> >& positions) const override;
    // The orientation of body index (0 <= index < getBodyCount()), as above.
    MathStuff::Orientation<float> getPosition(int index) const;
    int getBodyCount() const;
    virtual void getVelocities(std::vector<XYPart>& velocities) const;
    // Angular velocities, radians per second.
    virtual void getSpins(std::vector<float>& spins) const;
    // Radians.
    virtual void getAngles(std::vector<float>& angles) const;
    // The force each body held when the last sub-step began (zero before the
    // first): the engine clears a body's own force in every step.
    virtual void getForces(std::vector<XYPart>& forces) const;

    virtual void setBodyVelocity(const std::string& name, const XYPart& velocity);
    virtual void setBodySpin(const std::string& name, float spin);
    virtual void setBodyAngle(const std::string& name, float radians);
    // The engine is not owned; null gives the body the shared null engine.
    virtual void setEngine(const std::string& name, I_PhysicalEngine* engine);
    // The impulse j at the offset r, both in the body's own frame.
    virtual void applyImpulse(const std::string& name, XYPart j, XYPart r);

    // Clears the collision flags; the world calls it before each update's sub-steps.
    virtual void prePhysics();
    // Asks each body's engine for its torque, force and velocity; before every sub-step.
    virtual void updateForces(float dt);
    virtual void postPhysics();

    // Flags the game's collision rules mark on the item, cleared by prePhysics.
    virtual bool hasCollision(const int& flag) const;
    virtual void addCollision(const int& flag);

    // -1 makes the body static (out of the space, its shapes stay); a finite
    // mass above 0 makes it dynamic again, with the moment it had.
    virtual void setBodyMass(const std::string& name, float mass);

    // Puts the item's parts into the space after leaving any earlier one; a
    // null space only leaves. The world is remembered (not owned), also for a
    // null space.
    void addToSpace(ChipmunkWorld* world, cpSpace* space);
    // Takes every part out of the space; the world stays set.
    void removeFromSpace();

    // The parts themselves, in blueprint order, for drawing and inspection.
    // The item keeps ownership; the flag of a shape marks it static.
    const std::vector<cpBody*>& getBodies() const;
    const std::vector<cpConstraint*>& getConstraints() const;
    const std::vector<std::pair<cpShape*, bool> >& getShapes() const;
    // The space the parts are in; null when none.
    cpSpace* getSpace() const;

private:
    class Impl;
    Impl* m_impl;
};

} // namespace Physics

#endif
