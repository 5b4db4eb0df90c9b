#include "menu/ItemInputSwitch.h"

#include "input/InputController.h"
#include "input/ScreenArea.h"
#include "input/Switch.h"
#include "menu/MenuPage.h"

namespace Menu {

ItemInputSwitch::ItemInputSwitch(MenuPage* page, const std::string& label, Field field,
                                 Input::InputController* controller, MenuPage* target)
    : MenuItem(KIND_INPUT_SWITCH, page, label, true), m_field(field),
      m_controller(controller), m_target(target)
{
}

ItemInputSwitch::~ItemInputSwitch() = default;

std::string ItemInputSwitch::getString() const
{
    const std::string label = getLabel();
    const Input::Switch* sw = m_controller != nullptr ? m_controller->getSwitch(1) : nullptr;
    if (sw == nullptr)
        return label;
    switch (m_field) {
    case FIELD_AREA: {
        const Input::ScreenArea* area = m_controller->getArea(sw->getTriggerAreaId());
        return area != nullptr ? area->getName() : label;
    }
    case FIELD_TRIGGER:
        return label + " " + m_controller->getTriggerString(sw->getTriggerId());
    case FIELD_PRESS_ACTION:
        return label + " " + m_controller->getActionString(sw->getPressActionId());
    case FIELD_RELEASE_ACTION:
        return label + " " + m_controller->getActionString(sw->getReleaseActionId());
    case FIELD_HOLD_PRESS_ACTION:
        return label + " " + m_controller->getActionString(sw->getHoldPressActionId());
    case FIELD_HOLD_RELEASE_ACTION:
        return label + " " + m_controller->getActionString(sw->getHoldReleaseActionId());
    }
    return label;
}

void ItemInputSwitch::accept() { setSelected(false); }
void ItemInputSwitch::cancel() { setSelected(false); }

MenuItem* ItemInputSwitch::select()
{
    if (m_target != nullptr)
        return m_target->open(this);
    setSelected(true);
    return this;
}

bool ItemInputSwitch::handleKey(unsigned char) { return true; }

} // namespace Menu
