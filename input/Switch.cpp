#include "input/Switch.h"

#include "core/I_Serializer.h"
#include "input/ProfileTags.h"

namespace Input
{
    void Switch::setTriggerAreaId(const unsigned long& areaId) { m_areaId = areaId; }
    void Switch::setTriggerId(const TriggerId& trigger) { m_trigger = trigger; }
    void Switch::setPressActionId(const ActionId& action) { m_press = action; }
    void Switch::setReleaseActionId(const ActionId& action) { m_release = action; }
    void Switch::setHoldPressActionId(const ActionId& action) { m_holdPress = action; }
    void Switch::setHoldReleaseActionId(const ActionId& action) { m_holdRelease = action; }
    const unsigned long& Switch::getTriggerAreaId() const { return m_areaId; }
    const TriggerId& Switch::getTriggerId() const { return m_trigger; }
    const ActionId& Switch::getPressActionId() const { return m_press; }
    const ActionId& Switch::getReleaseActionId() const { return m_release; }
    const ActionId& Switch::getHoldPressActionId() const { return m_holdPress; }
    const ActionId& Switch::getHoldReleaseActionId() const { return m_holdRelease; }

    long Switch::getTimeUntilPress() const { return m_timeUntilPress; }
    long Switch::getTimeUntilHold() const { return m_timeUntilHold; }
    long Switch::getTimeUntilRelease() const { return m_timeUntilRelease; }
    bool Switch::isHeld() const { return m_held; }
    bool Switch::keepHeld() const { return m_keepHeld; }
    void Switch::setTimeUntilPress(long ms) { m_timeUntilPress = ms; }
    void Switch::setTimeUntilHold(long ms) { m_timeUntilHold = ms; }
    void Switch::setTimeUntilRelease(long ms) { m_timeUntilRelease = ms; }
    void Switch::isHeld(bool held) { m_held = held; }
    void Switch::keepHeld(bool keep) { m_keepHeld = keep; }

    bool Switch::serialize(Util::I_Serializer* s) const
    {
        // The area id is written as a signed int, as profile files have always held it.
        return s->putInt(static_cast<int>(m_areaId), SCREENAREAID_TAG) &&
               m_trigger.serialize(s) &&
               m_press.serializeWithHeader(s, PRESSACTIONID_TAG) &&
               m_release.serializeWithHeader(s, RELEASEACTIONID_TAG) &&
               m_holdPress.serializeWithHeader(s, HOLDPRESSACTIONID_TAG) &&
               m_holdRelease.serializeWithHeader(s, HOLDRELEASEACTIONID_TAG);
    }

    bool Switch::deserialize(Util::I_Serializer* s)
    {
        return s->getULong(m_areaId, SCREENAREAID_TAG) &&
               m_trigger.deserialize(s) &&
               m_press.deserializeWithHeader(s, PRESSACTIONID_TAG) &&
               m_release.deserializeWithHeader(s, RELEASEACTIONID_TAG) &&
               m_holdPress.deserializeWithHeader(s, HOLDPRESSACTIONID_TAG) &&
               m_holdRelease.deserializeWithHeader(s, HOLDRELEASEACTIONID_TAG);
    }
}
