#ifndef FRELMORY_CORE_EVENTWITHSTRING_H
#define FRELMORY_CORE_EVENTWITHSTRING_H

#include <string>

#include "core/I_Event.h"

namespace EVT {

// An event with a text; input actions arrive as these, the action number as
// the id and the action's text as the string.
class EventWithString : public I_Event {
public:
    EventWithString(int id, const std::string& text) : I_Event(id), m_text(text) {}

    I_Event* clone() const override { return new EventWithString(*this); }

    virtual const std::string& getString() const { return m_text; }

private:
    std::string m_text;
};

} // namespace EVT

#endif
