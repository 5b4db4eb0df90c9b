#include "shell/I_World.h"

#include <algorithm>

#include "core/EventBus.h"
#include "core/EventIds.h"
#include "shell/WorldItem.h"

namespace Game {

I_World::I_World() : m_cameraItem(nullptr)
{
    EVT::EventBus::instance()->addConsumer(EVT::EVENT_RENDER, this);
}

I_World::~I_World()
{
    // Deleting an item may unlink it and others (items leave the game's world in
    // their destructors, and may delete items of their own), so the list is
    // emptied front by front, never by a count taken beforehand. The entries are
    // taken off first, so an item listed twice is deleted once.
    while (!m_items.empty()) {
        WorldItem* item = m_items.front();
        m_items.remove(item);
        delete item;
    }
}

void I_World::handleEvent(EVT::I_Event*) { renderWorld(); }

void I_World::setCameraItem(const WorldItem* item) { m_cameraItem = item; }

const WorldItem* I_World::getCameraItem() const { return m_cameraItem; }

void I_World::addItem(WorldItem* item) { m_items.push_back(item); }

void I_World::removeItem(WorldItem* item)
{
    const auto it = std::find(m_items.begin(), m_items.end(), item);
    if (it != m_items.end())
        m_items.erase(it);
}

WorldItem* I_World::findItem(unsigned long id)
{
    for (WorldItem* item : m_items)
        if (item && item->getID() == id)
            return item;
    return nullptr;
}

} // namespace Game
