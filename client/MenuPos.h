#ifndef KWEP_MENUPOS_H
#define KWEP_MENUPOS_H

#include <string>

#include "core/Vector3.h"

namespace CFG { class Info; }

namespace KWEP {

// Reads the key's value as a position "x,y,z" (pieces split at "," with empty
// ones dropped; a piece that does not start with a number reads 0). True when
// exactly three pieces were read; any other count leaves out untouched.
bool getMenuPos(CFG::Info& info, MathStuff::Vector3<float>& out, const std::string& key);

} // namespace KWEP

#endif
