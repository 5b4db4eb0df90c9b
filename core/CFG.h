#ifndef FRELMORY_CORE_CFG_H
#define FRELMORY_CORE_CFG_H

#include "core/Info.h"

#include <string>

namespace CFG {

// The override layer: no parent. The settings-override file is loaded into it
// at start, and every configuration opened over it lets it change the keys
// that configuration defines.
extern Info s_Overrides;

// The main configuration, over the override layer.
extern Info s_GlobalConfig;

// Empties the main configuration and reads the file into it; the result of
// that read (what was read before a parse failure stays).
bool setConfig(const std::string& fileName);

// Reads a further file into the main configuration over what is there.
bool addConfig(const std::string& fileName);

// The answer of the main configuration for the key; "" when it is missing.
std::string get(const std::string& key);

// The override layer.
Info* getDefaultOverrides();

} // namespace CFG

#endif
