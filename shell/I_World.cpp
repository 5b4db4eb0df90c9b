#include "shell/I_World.h"

#include <algorithm>
#include <iterator>

#include "core/EventBus.h"
#include "core/EventIds.h"
#include "shell/WorldItem.h"

namespace Game {

namespace {

// One walk under way for as long as it lives: removals meanwhile only blank
// their entry, and the end of the outermost walk drops the blanks, however
// the walk is left (a visitor that throws included).
class WalkUnderWay {
public:
    WalkUnderWay(int& walks, std::list<WorldItem*>& items) : m_walks(walks), m_items(items) { ++m_walks; }
    ~WalkUnderWay()
    {
        if (--m_walks == 0)
            m_items.remove(nullptr);
    }
    WalkUnderWay(const WalkUnderWay&) = delete;
    WalkUnderWay& operator=(const WalkUnderWay&) = delete;

private:
    int& m_walks;
    std::list<WorldItem*>& m_items;
};

} // namespace

I_World::I_World() : m_cameraItem(nullptr)
{
    EVT::EventBus::instance()->addConsumer(EVT::EVENT_RENDER, this);
}

I_World::~I_World() { deleteItems(); }

void I_World::deleteItems()
{
    // Deleting an item may unlink it and others (items leave the game's world in
    // their destructors, and may delete items of their own), so the list is
    // emptied front by front, never by a count taken beforehand. The entries are
    // taken off first, so an item listed twice is deleted once.
    if (m_walks > 0) {
        for (WorldItem*& entry : m_items) {
            WorldItem* item = entry;
            std::replace(m_items.begin(), m_items.end(), item, static_cast<WorldItem*>(nullptr));
            delete item;
        }
        return;
    }
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
    if (!item)
        return;
    const auto it = std::find(m_items.begin(), m_items.end(), item);
    if (it == m_items.end())
        return;
    // The world must never draw through an item that is gone.
    if (m_cameraItem == item)
        m_cameraItem = nullptr;
    if (m_walks > 0)
        *it = nullptr;
    else
        m_items.erase(it);
}

void I_World::walkItems(const std::function<void(WorldItem*)>& visit)
{
    if (m_items.empty())
        return;
    // A walk never erases, so the last entry stays valid as its end mark even
    // when that item goes.
    const auto last = std::prev(m_items.end());
    const WalkUnderWay walk(m_walks, m_items);
    for (auto it = m_items.begin();; ++it) {
        if (*it)
            visit(*it);
        if (it == last)
            break;
    }
}

WorldItem* I_World::findItem(unsigned long id)
{
    for (WorldItem* item : m_items)
        if (item && item->getID() == id)
            return item;
    return nullptr;
}

} // namespace Game
