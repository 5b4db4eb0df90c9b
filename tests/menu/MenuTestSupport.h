#ifndef FRELMORY_TESTS_MENU_MENUTESTSUPPORT_H
#define FRELMORY_TESTS_MENU_MENUTESTSUPPORT_H

#include <functional>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "core/Event.h"
#include "core/EventBus.h"
#include "core/EventIds.h"
#include "core/Event_ConfigChange.h"
#include "core/Event_MenuChoice.h"
#include "core/Event_MenuItem.h"
#include "core/Event_MenuPage.h"
#include "core/I_EventConsumer.h"
#include "menu/ChoiceCallBack.h"

// The settings handler of these tests: records every call.
namespace Menu {
class I_MenuItemChosen {
public:
    void chose(const std::string& text, int index) { calls.emplace_back(text, index); }
    std::vector<std::pair<std::string, int>> calls;
};
} // namespace Menu

namespace MenuTest {

inline Menu::ChoiceCallBack callBackTo(Menu::I_MenuItemChosen& handler)
{
    return Menu::ChoiceCallBack(&handler, &Menu::I_MenuItemChosen::chose);
}

// One event as the menu engine raised it, payload copied out.
struct Seen {
    int id;
    const void* first;      // page (28), new item (29), item (30)
    const void* second;     // previous item (29)
    unsigned long firstId;  // new item id (29), item id (30), option key (21)
    unsigned long secondId; // previous item id (29)
};

// Records the menu events (21, 28, 29, 30) in the order they arrive.
class Recorder : public EVT::I_EventConsumer {
public:
    // Also records the extra ids, payload not read.
    explicit Recorder(std::initializer_list<int> extra = {})
    {
        for (int id : {EVT::EVENT_CONFIGCHANGE, EVT::EVENT_MENUPAGE, EVT::EVENT_MENUITEM,
                       EVT::EVENT_MENUCHOICE})
            EVT::EventBus::instance()->addConsumer(id, this);
        for (int id : extra)
            EVT::EventBus::instance()->addConsumer(id, this);
    }

    void handleEvent(EVT::I_Event* event) override
    {
        Seen seen{event->getEventID(), nullptr, nullptr, 0, 0};
        if (auto* page = EVT::eventCast<EVT::Event_MenuPage>(event)) {
            seen.first = page->page;
        } else if (auto* item = EVT::eventCast<EVT::Event_MenuItem>(event)) {
            seen = {seen.id, item->newItem, item->oldItem, item->newID, item->oldID};
        } else if (auto* choice = EVT::eventCast<EVT::Event_MenuChoice>(event)) {
            seen.first = choice->item;
            seen.firstId = choice->itemID;
        } else if (auto* change = EVT::eventCast<EVT::Event_ConfigChange>(event)) {
            seen.firstId = static_cast<unsigned long>(change->key);
        }
        events.push_back(seen);
    }

    std::vector<int> ids() const
    {
        std::vector<int> result;
        for (const Seen& seen : events)
            result.push_back(seen.id);
        return result;
    }

    std::vector<Seen> events;
};

// The ids the recorder saw while an operation ran inside the delivery of an
// event (as the controller's work always does) and those that reached it only
// once that delivery had ended: the queued ones.
struct Timing {
    std::vector<int> atOnce;
    std::vector<int> queued;
};

class InsideDelivery : public EVT::I_EventConsumer {
public:
    InsideDelivery(Recorder& recorder, std::function<void()> operation)
        : m_recorder(recorder), m_operation(std::move(operation))
    {
        EVT::EventBus::instance()->addConsumer(EVT::EVENT_RENDER, this);
    }

    Timing run()
    {
        m_recorder.events.clear();
        EVT::Event render(EVT::EVENT_RENDER);
        EVT::EventBus::instance()->raiseEvent(&render, false);
        std::vector<int> all = m_recorder.ids();
        return {m_atOnce, std::vector<int>(all.begin() + m_atOnce.size(), all.end())};
    }

    void handleEvent(EVT::I_Event*) override
    {
        m_operation();
        m_atOnce = m_recorder.ids();
    }

private:
    Recorder& m_recorder;
    std::function<void()> m_operation;
    std::vector<int> m_atOnce;
};

inline Timing timeInsideDelivery(Recorder& recorder, std::function<void()> operation)
{
    return InsideDelivery(recorder, std::move(operation)).run();
}

} // namespace MenuTest

#endif
