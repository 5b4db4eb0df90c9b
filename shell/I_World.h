#ifndef GAME_I_WORLD_H
#define GAME_I_WORLD_H

#include <functional>
#include <list>

#include "core/I_EventConsumer.h"

namespace Game {

class WorldItem;

// The list of every world item, in the order they were added, and the current
// camera item. The world does not create its items, but its destructor deletes
// those still listed. Subscribed to the render event (12) only; the derived
// world draws the scene in renderWorld.
class I_World : public EVT::I_EventConsumer {
public:
    I_World();
    ~I_World() override;

    I_World(const I_World&) = delete;
    I_World& operator=(const I_World&) = delete;

    // The render pass.
    void handleEvent(EVT::I_Event* event) override;

    // Not owned; whoever deletes the camera item resets it here first.
    virtual void setCameraItem(const WorldItem* item);
    virtual const WorldItem* getCameraItem() const;
    // Appends; no test for an entry already present.
    virtual void addItem(WorldItem* item);
    // Removes the first entry equal to the pointer, if any; when that item is
    // the camera item, the world is left without one.
    virtual void removeItem(WorldItem* item);
    // The first listed item with that unique id; null when none.
    virtual WorldItem* findItem(unsigned long id);
    virtual void renderWorld() = 0;

    // Calls visit on every item listed when the walk starts, in list order.
    // The walk survives the list changing under it: an item removed meanwhile
    // (also one deleted by another's visit) leaves a blank entry that is skipped
    // and dropped when the outermost walk ends; items added meanwhile are kept
    // for the next walk. Walks may nest.
    void walkItems(const std::function<void(WorldItem*)>& visit);

protected:
    const std::list<WorldItem*>& items() const { return m_items; }
    // Deletes every listed item, front by front until none is left (deleting
    // one may unlink others); an item listed twice is deleted once. Inside a
    // walk the entries are blanked instead of erased.
    void deleteItems();

private:
    std::list<WorldItem*> m_items;
    const WorldItem* m_cameraItem;
    int m_walks = 0; // walks running; removals only blank their entry meanwhile
};

} // namespace Game

#endif
