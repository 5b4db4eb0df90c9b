#ifndef FRELMORY_MENU_CHOICECALLBACK_H
#define FRELMORY_MENU_CHOICECALLBACK_H

#include <string>

#include "core/CallBack2.h"

namespace Menu {

// The game's settings handler. The menu engine only names it in its callback
// type and never constructs, inspects or deletes one; the game defines it.
class I_MenuItemChosen;

// Callback of the choice lines: called with the shown text and an index.
typedef Util::CallBack2<I_MenuItemChosen, void, const std::string&, int> ChoiceCallBack;

} // namespace Menu

#endif
