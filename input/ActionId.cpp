#include "input/ActionId.h"

#include "core/I_Serializer.h"
#include "input/ProfileTags.h"

namespace Input
{
    ActionId::ActionId(int id, const std::string& text) : m_id(id), m_string(text)
    {
    }

    void ActionId::set(int id, const std::string& text)
    {
        m_id = id;
        m_string = text;
    }

    int ActionId::getId() const
    {
        return m_id;
    }

    const std::string& ActionId::getString() const
    {
        return m_string;
    }

    bool ActionId::operator<(const ActionId& other) const
    {
        if (m_id != other.m_id)
            return m_id < other.m_id;
        return m_string < other.m_string;
    }

    bool ActionId::serialize(Util::I_Serializer* s) const
    {
        return s->putInt(m_id, ACTION_ID_TAG) && s->putString(m_string, ACTION_STR_TAG);
    }

    bool ActionId::deserialize(Util::I_Serializer* s)
    {
        return s->getInt(m_id, ACTION_ID_TAG) && s->getString(m_string, ACTION_STR_TAG);
    }
}
