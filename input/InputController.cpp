#include "input/InputController.h"

#include "core/EventBus.h"
#include "core/EventIds.h"
#include "core/EventWithString.h"
#include "core/Event_InputController.h"
#include "core/Event_Joypad.h"
#include "core/Event_Key.h"
#include "core/Event_Mouse.h"
#include "core/Event_Update.h"
#include "core/I_Serializer.h"
#include "input/InputHandler.h"
#include "input/KeyboardStrings.h"
#include "input/MouseStrings.h"
#include "input/ProfileTags.h"
#include "input/ScreenArea.h"
#include "input/ScreenAreaController.h"
#include "input/SwitchController.h"

#include <map>

namespace Input
{
    namespace
    {
        const char* const ANYWHERE = "ANYWHERE";
    }

    struct InputController::Impl
    {
        int id;
        bool active = false;
        SwitchController* switches = nullptr;        // owned
        ScreenAreaController* areas = nullptr;       // owned
        InputHandler* handler = nullptr;             // owned
        std::map<ActionId, std::string> actionTexts;
        std::map<TriggerId::TriggerType, std::string> triggerNames;
        bool ignoreKeyRelease = true;   // until the first key press after (de)activation
        // The last pointer position seen, active or not (window pixels).
        bool pointerKnown = false;
        int pointerX = 0;
        int pointerY = 0;

        explicit Impl(int controllerId) : id(controllerId) {}

        // Hands one event to the handler; false when it is not of the class its id
        // stands for (an action numbered like a device event), which is ignored.
        bool dispatch(EVT::I_Event* event)
        {
            switch (event->getEventID())
            {
            case EVT::EVENT_UPDATE:
                return forward<EVT::Event_Update>(event, [this](const EVT::Event_Update& e) {
                    handler->handleUpdate(e.ms);
                });
            case EVT::EVENT_RENDER:
                handler->render();
                return true;
            case EVT::EVENT_MOUSE:
                return forward<EVT::Event_Mouse>(event, [this](const EVT::Event_Mouse& e) {
                    handler->handleMouse(e.x, e.y, e.button, e.pressed);
                });
            case EVT::EVENT_KEY:
                return forward<EVT::Event_Key>(event, [this](const EVT::Event_Key& e) { handleKey(e); });
            case EVT::EVENT_JOYPAD:
                return forward<EVT::Event_Joypad>(event, [this](const EVT::Event_Joypad& e) {
                    handler->handleJoypad(e.number, e.x, e.y, e.buttons);
                });
            case EVT::EVENT_GOTO_AREA:
                return forward<EVT::EventWithString>(event, [this](const EVT::EventWithString& e) {
                    if (!handler->gotoArea(e.getString()))
                        handler->setArea(ANYWHERE);
                });
            default:
                return false;
            }
        }

        template <typename E, typename F>
        static bool forward(EVT::I_Event* event, F&& handle)
        {
            const E* typed = EVT::eventCast<E>(event);
            if (typed)
                handle(*typed);
            return typed != nullptr;
        }

        void handleKey(const EVT::Event_Key& key)
        {
            if (key.pressed)
            {
                ignoreKeyRelease = false;
                handler->handleKey(key.key, true);
            }
            else if (!ignoreKeyRelease)
            {
                handler->handleKey(key.key, false);
            }
        }

        // Raises every pending action queued, behind the delivery under way.
        void raisePending()
        {
            // Copy first: raising may reach this controller again.
            const std::vector<ActionId> pending = handler->getActions();
            handler->clearActions();
            for (const ActionId& action : pending)
            {
                EVT::EventWithString event(action.getId(), action.getString());
                EVT::EventBus::instance()->raiseEvent(&event, true);
            }
        }

        // A controller that comes on finds the pointer where it rests: the area
        // under it does not act on that rest (Input::InputHandler::restUnder).
        void setActive(bool on)
        {
            if (on != active)
            {
                handler->setArea(ANYWHERE);
                if (on && pointerKnown)
                    handler->restUnder(pointerX, pointerY);
            }
            active = on;
            ignoreKeyRelease = true;
        }

        void notePointer(EVT::I_Event* event)
        {
            const EVT::Event_Mouse* mouse = EVT::eventCast<EVT::Event_Mouse>(event);
            if (!mouse)
                return;
            pointerKnown = true;
            pointerX = mouse->x;
            pointerY = mouse->y;
        }
    };

    InputController::InputController(int id, I_ScreenAreaRenderer* renderer) : m_impl(new Impl(id))
    {
        m_impl->areas = new ScreenAreaController();
        m_impl->switches = new SwitchController();
        m_impl->handler = new InputHandler(m_impl->areas, m_impl->switches, renderer);

        setTriggerString(TriggerId::DWELL, "DWELL");
        setTriggerString(TriggerId::ENTERLEAVE, "ENTERLEAVE");
        setTriggerString(TriggerId::KEY, "KEY ");
        setTriggerString(TriggerId::MOUSE, "MOUSE ");
        setTriggerString(TriggerId::JPAD, "JOYPAD");

        EVT::EventBus* bus = EVT::EventBus::instance();
        const int ids[] = {EVT::EVENT_INPUTCONTROLLER, EVT::EVENT_GOTO_AREA, EVT::EVENT_UPDATE,
                           EVT::EVENT_JOYPAD, EVT::EVENT_MOUSE, EVT::EVENT_KEY, EVT::EVENT_RENDER};
        for (int eventId : ids)
            bus->addConsumer(eventId, this);
    }

    InputController::~InputController()
    {
        m_impl->handler->dropCurrentArea();
        delete m_impl->areas;
        delete m_impl->switches;
        delete m_impl->handler;
    }

    void InputController::handleEvent(EVT::I_Event* event)
    {
        if (event->getEventID() == EVT::EVENT_INPUTCONTROLLER)
        {
            const EVT::Event_InputController* change = EVT::eventCast<EVT::Event_InputController>(event);
            if (change && change->controllerID == m_impl->id)
                m_impl->setActive(change->active);
            return;
        }
        if (event->getEventID() == EVT::EVENT_MOUSE)
            m_impl->notePointer(event);
        if (!m_impl->active)
            return;
        if (m_impl->dispatch(event))
            m_impl->raisePending();
    }

    void InputController::setActive(bool active)
    {
        m_impl->setActive(active);
    }

    const std::vector<ScreenArea*>& InputController::getAreas() const
    {
        return m_impl->areas->getAreas();
    }

    void InputController::restPointer()
    {
        m_impl->handler->restInCurrentArea();
    }

    bool InputController::isActive() const
    {
        return m_impl->active;
    }

    int InputController::getControllerId() const
    {
        return m_impl->id;
    }

    void InputController::setIgnoreTriggerType(TriggerId::TriggerType type)
    {
        if (type == TriggerId::MOUSE)
            EVT::EventBus::instance()->removeConsumer(EVT::EVENT_MOUSE, this);
    }

    void InputController::addAction(const ActionId& action, const std::string& text)
    {
        m_impl->actionTexts[action] = text;
    }

    const std::string& InputController::getActionString(const ActionId& action) const
    {
        static const std::string l_blank;
        std::map<ActionId, std::string>::const_iterator it = m_impl->actionTexts.find(action);
        return it == m_impl->actionTexts.end() ? l_blank : it->second;
    }

    void InputController::setTriggerString(TriggerId::TriggerType type, const std::string& name)
    {
        m_impl->triggerNames[type] = name;
    }

    std::string InputController::getTriggerString(const TriggerId& trigger) const
    {
        std::map<TriggerId::TriggerType, std::string>::const_iterator it =
            m_impl->triggerNames.find(trigger.getType());
        std::string text = it == m_impl->triggerNames.end() ? "UNKNOWN" : it->second;
        if (trigger.getType() == TriggerId::KEY)
            text += Devices::KeyboardStrings::instance()->get(
                static_cast<unsigned char>(trigger.getKey()), trigger.getKeymods());
        else if (trigger.getType() == TriggerId::MOUSE)
            text += Devices::MouseStrings::instance()->get(trigger.getMouseButton());
        return text;
    }

    Switch* InputController::getSwitch(unsigned int n) const
    {
        return m_impl->switches->getSwitch(n);
    }

    unsigned int InputController::newSwitch(unsigned int n)
    {
        return m_impl->switches->newSwitch(n);
    }

    bool InputController::deleteSwitch(unsigned int n)
    {
        return m_impl->switches->deleteSwitch(n);
    }

    ScreenArea* InputController::getArea(unsigned int id) const
    {
        return m_impl->areas->getArea(static_cast<unsigned long>(id));
    }

    unsigned long InputController::newArea(unsigned int id)
    {
        return m_impl->areas->newArea(static_cast<unsigned long>(id));
    }

    bool InputController::deleteArea(unsigned int id)
    {
        // The handler must never hold a destroyed area: forget it first, without
        // leave actions.
        ScreenArea* area = m_impl->areas->getArea(static_cast<unsigned long>(id));
        if (area && area == m_impl->handler->getCurrentArea())
            m_impl->handler->dropCurrentArea();
        return m_impl->areas->deleteArea(static_cast<unsigned long>(id));
    }

    bool InputController::serialize(Util::I_Serializer* s) const
    {
        return s->putInt(m_impl->id, MYID_TAG) && m_impl->areas->serialize(s) && m_impl->switches->serialize(s);
    }

    bool InputController::deserialize(Util::I_Serializer* s)
    {
        int id = 0;
        if (!s->getInt(id, MYID_TAG))
            return false;   // nothing of the controller has changed
        m_impl->id = id;
        // Reading the area list destroys the present areas, so the handler forgets
        // its current area first (no leave actions); a failed read leaves it none.
        m_impl->handler->dropCurrentArea();
        if (!m_impl->areas->deserialize(s) || !m_impl->switches->deserialize(s))
            return false;
        m_impl->handler->setArea(ANYWHERE);
        return true;
    }
}
