#include "core/I_EventConsumer.h"

#include "core/EventBus.h"

namespace EVT {

// The removal needs the id, so it runs before the id is unregistered.
I_EventConsumer::~I_EventConsumer() { EventBus::instance()->removeConsumer(this); }

} // namespace EVT
