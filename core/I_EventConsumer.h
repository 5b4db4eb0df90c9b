#ifndef FRELMORY_CORE_I_EVENTCONSUMER_H
#define FRELMORY_CORE_I_EVENTCONSUMER_H

#include "core/HashedID.h"

namespace EVT {

class I_Event;

// Anything that receives events. The bus knows a consumer by its unique id.
// Subscribing is up to the concrete class (EventBus::addConsumer); the
// destructor unsubscribes it from every id.
class I_EventConsumer : public virtual Util::HashedID<unsigned long> {
public:
    ~I_EventConsumer() override;

    // The event belongs to the raiser (or the bus) and must not be kept past
    // the call; keep a clone() instead. Check its class (EVT::eventCast)
    // before reading the payload.
    virtual void handleEvent(I_Event* event) = 0;
};

} // namespace EVT

#endif
