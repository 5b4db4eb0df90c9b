#include "client/InputEventManager.h"

namespace KWEP {

InputEventManager::InputEventManager() {}

InputEventManager::~InputEventManager() {}

void InputEventManager::handleEvent(EVT::I_Event*) {}

} // namespace KWEP
