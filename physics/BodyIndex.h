#ifndef PHYSICS_BODYINDEX_H
#define PHYSICS_BODYINDEX_H

#include <string>
#include <vector>

namespace Physics {

// Where the first body called name stands in a list of bodies, or -1 when no
// body has that name; nameOf gives an entry's name.
template <typename Entry, typename NameOf>
int bodyIndex(const std::vector<Entry>& bodies, const std::string& name, NameOf nameOf)
{
    for (std::size_t i = 0; i < bodies.size(); ++i)
        if (nameOf(bodies[i]) == name)
            return static_cast<int>(i);
    return -1;
}

// The same for a list of body names.
inline int bodyIndex(const std::vector<std::string>& names, const std::string& name)
{
    return bodyIndex(names, name, [](const std::string& entry) -> const std::string& { return entry; });
}

} // namespace Physics

#endif
