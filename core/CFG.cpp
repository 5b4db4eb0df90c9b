#include "core/CFG.h"

namespace CFG {

// The main configuration only takes the override layer's address, so the
// order in which the two are constructed does not matter.
Info s_Overrides(nullptr);
Info s_GlobalConfig(&s_Overrides);

bool setConfig(const std::string& fileName)
{
    s_GlobalConfig.reset();
    return s_GlobalConfig.addConfig(fileName);
}

bool addConfig(const std::string& fileName)
{
    return s_GlobalConfig.addConfig(fileName);
}

std::string get(const std::string& key)
{
    return s_GlobalConfig.get(key);
}

Info* getDefaultOverrides()
{
    return &s_Overrides;
}

} // namespace CFG
