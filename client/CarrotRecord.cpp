#include "client/CarrotRecord.h"

#include "core/EventIds.h"

namespace KWEP {

CarrotRecord::CarrotRecord() { clear(); }

void CarrotRecord::clear()
{
    m_taken = false;
    m_holding = false;
    m_letGoEarly = false;
    m_letGoLate = false;
    m_hitEarly = false;
    m_hitLate = false;
    m_rockThrown = false;
    m_reached = false;
}

void CarrotRecord::note(long eventId)
{
    switch (eventId) {
    case EVT::EVENT_ITEM_GRABBED:
        m_taken = true;
        m_holding = true;
        return;
    case EVT::EVENT_ITEM_RELEASED:
        m_holding = false;
        (m_rockThrown ? m_letGoLate : m_letGoEarly) = true;
        return;
    case EVT::EVENT_HIT_BELOW_LIMIT:
    case EVT::EVENT_PART_EXPLODED:
    case EVT::EVENT_LAST_PART_EXPLODED:
        (m_rockThrown ? m_hitLate : m_hitEarly) = true;
        return;
    case EVT::EVENT_ROCK_THROWN:
        m_rockThrown = true;
        return;
    default:
        return;
    }
}

void CarrotRecord::noteFlight(float carrotX, float snowmanX)
{
    if (inFlight() && carrotX >= snowmanX)
        m_reached = true;
}

bool CarrotRecord::inFlight() const
{
    return (m_letGoEarly || m_letGoLate) && !m_holding && !m_hitEarly && !m_hitLate;
}

// A hit after the rock was thrown counts as one only when the carrot was on
// its way before that: otherwise the throw came too late, hit or not.
CarrotRecord::Outcome CarrotRecord::outcome() const
{
    if (!m_taken)
        return UNTAKEN;
    if (m_hitEarly || (m_hitLate && m_letGoEarly))
        return HIT;
    if (!m_letGoEarly && !m_letGoLate)
        return HELD;
    if (!m_letGoEarly)
        return LATE;
    return m_reached ? WIDE : SHORT;
}

const char* CarrotRecord::suffix(Outcome outcome)
{
    static const char* const l_suffixes[] = {"_UNTAKEN", "_HELD", "_LATE", "_HIT", "_WIDE", "_SHORT"};
    return l_suffixes[outcome];
}

} // namespace KWEP
