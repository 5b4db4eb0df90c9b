#ifndef INPUT_INPUTCONTROLLER_H
#define INPUT_INPUTCONTROLLER_H

#include "core/I_EventConsumer.h"
#include "core/I_Serializable.h"
#include "input/ActionId.h"
#include "input/TriggerId.h"

#include <memory>
#include <string>

namespace Input
{
    class I_ScreenAreaRenderer;
    class ScreenArea;
    class Switch;

    // One input profile at work: screen areas and switches that turn device events
    // into numbered action events. Inactive at construction; while inactive it drops
    // everything but event 32. After each other event it handles, the pending actions
    // are raised queued, each as an EVT::EventWithString whose id is the action number.
    class InputController : public EVT::I_EventConsumer, public Util::I_Serializable
    {
    public:
        // The renderer is not owned; it must outlive the controller.
        InputController(int id, I_ScreenAreaRenderer* renderer);
        ~InputController() override;

        InputController(const InputController&) = delete;
        InputController& operator=(const InputController&) = delete;

        void handleEvent(EVT::I_Event* event) override;

        // A change of state first sends the handler to the area "ANYWHERE"; every call
        // makes key releases ignored until the next key press.
        void setActive(bool active);
        bool isActive() const;
        // The areas in list order (later ones lie on top); owned by the controller.
        const std::vector<ScreenArea*>& getAreas() const;
        // A page has opened under the pointer: a dwell or enter area it is in
        // stops and waits, undrawn as armed, until the pointer enters an area.
        void restPointer();
        int getControllerId() const;

        // MOUSE: stop reacting to mouse events for good. Other types: nothing.
        virtual void setIgnoreTriggerType(TriggerId::TriggerType type);
        virtual void addAction(const ActionId& action, const std::string& text);
        // The text recorded for the action (number and string), or "".
        virtual const std::string& getActionString(const ActionId& action) const;
        void setTriggerString(TriggerId::TriggerType type, const std::string& name);
        std::string getTriggerString(const TriggerId& trigger) const;

        // Switch numbers count from 1.
        virtual Switch* getSwitch(unsigned int n) const;
        virtual unsigned int newSwitch(unsigned int n);
        virtual bool deleteSwitch(unsigned int n);
        virtual ScreenArea* getArea(unsigned int id) const;
        // Returns the new area's id.
        virtual unsigned long newArea(unsigned int id);
        virtual bool deleteArea(unsigned int id);

        bool serialize(Util::I_Serializer* serializer) const override;
        bool deserialize(Util::I_Serializer* serializer) override;

    private:
        struct Impl;
        std::unique_ptr<Impl> m_impl;
    };
}

#endif
