#include "menu/ItemChoice.h"

#include "core/EventBus.h"
#include "core/EventIds.h"
#include "core/Event_MenuChoice.h"

namespace Menu {

ItemChoice::ItemChoice(MenuPage* page, const std::string& label,
                       const std::vector<std::string>* choices)
    : ItemChoice(KIND_CHOICE, page, label)
{
    setChoices(choices, 0);
}

ItemChoice::ItemChoice(int kind, MenuPage* page, const std::string& label)
    : MenuItem(kind, page, label, true), m_current(-1), m_committed(-1)
{
}

ItemChoice::~ItemChoice() = default;

std::string ItemChoice::getString() const
{
    if (m_choices.empty())
        return getLabel();
    return getLabel() + " " + m_choices[m_current];
}

void ItemChoice::accept()
{
    setSelected(false);
    m_committed = m_current;
    raiseChoiceEvent();
}

void ItemChoice::cancel()
{
    setSelected(false);
    m_current = m_committed;
    raiseChoiceEvent();
}

MenuItem* ItemChoice::select()
{
    if (!m_choices.empty())
        setSelected(true);
    return this;
}

bool ItemChoice::handleKey(unsigned char key)
{
    if (isSelected()) {
        if (key == KEY_LEFT)
            choosePrev();
        else if (key == KEY_RIGHT)
            chooseNext();
    }
    return true;
}

void ItemChoice::setChoices(const std::vector<std::string>* choices, int index)
{
    if (choices != nullptr)
        m_choices = *choices;
    else
        m_choices.clear();
    m_current = static_cast<unsigned int>(index) < m_choices.size()
        ? index
        : static_cast<int>(m_choices.size()) - 1;
    m_committed = m_current;
}

void ItemChoice::chooseNext()
{
    if (m_current >= 0 && static_cast<size_t>(m_current) + 1 < m_choices.size()) {
        ++m_current;
        raiseChoiceEvent();
    }
}

void ItemChoice::choosePrev()
{
    if (m_current > 0) {
        --m_current;
        raiseChoiceEvent();
    }
}

void ItemChoice::raiseChoiceEvent()
{
    EVT::Event_MenuChoice event(EVT::EVENT_MENUCHOICE, this, getID());
    EVT::EventBus::instance()->raiseEvent(&event, false);
}

} // namespace Menu
