#ifndef KWEP_WORLD_H
#define KWEP_WORLD_H

#include <list>
#include <string>
#include <utility>
#include <vector>

#include "core/Vector3.h"
#include "physics/ChipmunkItem.h"
#include "shell/I_World.h"

namespace Game { class I_CameraItem; }
namespace Physics { class ChipmunkWorld; class ChipmunkWorldItem; }
namespace Text3D { class Font; class TextObject; }

namespace KWEP {

// The game's world. It knows every kind of item the game can place (the item
// definitions, with one line model per item), builds a level's physics world
// from a level file and wraps each physical item in the actor of its kind,
// steps physics and actors on each update and deletes the actors that ask for
// it, places flying texts carried by physical "Letter" items, and draws the
// play view and the map views on the render event.
//
// Ownership: the physics world of the current level, the flying texts with
// their letter items, and the physical items that no actor owns (items of a
// name without kind or of an unknown kind) belong to the world and go in
// apocalypse. Actors own
// their physical items. Extra cameras and the font are not owned.
class World : public Game::I_World {
public:
    class ModelStore;
    typedef std::vector<std::pair<std::string, std::string> > PartBodyPairs;

    World();
    // Ends the level, then drops the definitions.
    ~World() override;

    // One frame: the play view through the camera item (scissored to the top
    // of the window in play, with the pause far plane in stasis), then every
    // extra camera into the map rectangle at the bottom.
    void renderWorld() override;

    // Not owned; texts need one.
    virtual void setFont(Text3D::Font* font);
    // Extra (map) cameras, not owned; null is ignored.
    virtual void addCamera(Game::I_CameraItem* camera);
    virtual void removeCamera(Game::I_CameraItem* camera);
    virtual const std::list<Game::I_CameraItem*>& getCameraList() const;

    // Reads item definitions: records "ITEM: name kind file". Once, at start-up.
    virtual void defineItems(const std::string& text);
    // Builds the level; true when a physics world exists afterwards.
    virtual bool genisis(const std::string& levelFileName);
    // Steps physics and every item, then deletes the items that asked for it.
    virtual void update(long ms);
    // Ends the level: texts, ownerless physical items, every listed item, the
    // physics world. The definitions and extra cameras stay.
    virtual void apocalypse();
    virtual void stasis(bool on);
    virtual bool inStasis() const;
    // The ids of the live items of the kind; forgets the ones gone. Their number.
    virtual int getItems(const std::string& kind, std::vector<unsigned long>& ids);
    // Registers the collision rules with the current physics world.
    virtual void setupCollsions();

    using Game::I_World::addItem;
    // A physical item of the named definition placed in the current level;
    // null without a level or when nothing could be made.
    Physics::ChipmunkWorldItem* addItem(const std::string& name, const MathStuff::Vector3<float>& position,
                                        float angleDegrees);
    // Wraps an item already in the physics world in the actor of its kind and
    // gives it its line model. Null when it has no actor (the world then owns
    // the item) or no model.
    Physics::ChipmunkWorldItem* addPhysicalItem(Physics::ChipmunkItem* item);
    // The actor of the kind for the item; null for an unknown kind.
    Physics::ChipmunkWorldItem* createCMWI(Physics::ChipmunkItem* item, const std::string& name,
                                           const std::string& kind);
    // Flying text on a new "Letter" item, centred on it; owned by the world.
    // Null without a font, a level or a letter with bodies. A text lives
    // TEXT_SECS_LIMIT seconds, then shrinks by TEXT_SCALE_MOVE per update and
    // goes; without a life it stays until the level ends.
    Text3D::TextObject* addText(const std::string& text, const MathStuff::Vector3<float>& position, float scale,
                                float angleDegrees, const Physics::ChipmunkItem::XYPart& velocity, float spin);
    // As addText, but the text keeps the velocity, untouched by gravity: it
    // floats.
    Text3D::TextObject* addFloatingText(const std::string& text, const MathStuff::Vector3<float>& position,
                                        float scale, const Physics::ChipmunkItem::XYPart& velocity);

    // The physics world of the current level; null outside a level.
    Physics::ChipmunkWorld* getPhysicsWorld() const;
    // The line models of the defined items.
    ModelStore* getModelStore() const;
    // The kind of a defined name; "" when the name is not defined.
    std::string getKind(const std::string& name) const;
    // The names defined with the kind, in definition order (duplicates kept).
    std::vector<std::string> getNames(const std::string& kind) const;
    // The (part, body) pairs of a defined name.
    PartBodyPairs getPartBodyPairs(const std::string& name) const;

private:
    struct CollisionRules;
    struct Impl;
    void defineItem(const std::string& name, const std::string& kind, const std::string& fileName);
    void dropPhysicsWorld();
    void addDecoration(const std::string& name, const MathStuff::Vector3<float>& position);
    void renderPlay(const Game::WorldItem& camera, int width, int height);
    void renderMap(const Game::I_CameraItem& camera, int width, int height);
    void renderItems();
    Text3D::TextObject* placeText(const std::string& text, const MathStuff::Vector3<float>& position, float scale,
                                  float angleDegrees, const Physics::ChipmunkItem::XYPart& velocity, float spin,
                                  bool floating);

    Impl* m_impl;
};

} // namespace KWEP

#endif
