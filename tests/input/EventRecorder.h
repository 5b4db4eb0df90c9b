#ifndef TESTS_INPUT_EVENTRECORDER_H
#define TESTS_INPUT_EVENTRECORDER_H

#include "core/EventBus.h"
#include "core/EventWithString.h"
#include "core/Event_SetMouse.h"
#include "core/I_EventConsumer.h"

#include <initializer_list>
#include <string>

// Subscribes to the given ids and writes each event it receives as a word into
// `log`: set-mouse events as "set(x,y,mode)", events with a text as "id:text"
// (or "id" for an empty text), others as "#id".
class EventRecorder : public EVT::I_EventConsumer
{
public:
    explicit EventRecorder(std::initializer_list<int> ids)
    {
        for (int id : ids)
            EVT::EventBus::instance()->addConsumer(id, this);
    }

    void handleEvent(EVT::I_Event* event) override
    {
        if (!log.empty())
            log += " ";
        const int id = event->getEventID();
        if (const EVT::Event_SetMouse* set = EVT::eventCast<EVT::Event_SetMouse>(event))
            log += "set(" + std::to_string(set->getWarpX()) + "," + std::to_string(set->getWarpY()) + "," +
                   std::to_string(set->getCursorMode()) + ")";
        else if (const EVT::EventWithString* text = EVT::eventCast<EVT::EventWithString>(event))
            log += std::to_string(id) + (text->getString().empty() ? "" : ":" + text->getString());
        else
            log += "#" + std::to_string(id);
    }

    // Returns the log and empties it.
    std::string take()
    {
        std::string out;
        out.swap(log);
        return out;
    }

    std::string log;
};

#endif
