#ifndef FRELMORY_CORE_NAMEDOBJECT_H
#define FRELMORY_CORE_NAMEDOBJECT_H

#include <string>

namespace Util {

// Polymorphic base of anything that carries a name (screen areas, physical
// items, blueprints, line models).
class NamedObject
{
public:
    explicit NamedObject(const std::string& name) : name(name) {}
    virtual ~NamedObject() {}

    const std::string& getName() const { return name; }

private:
    std::string name;
};

} // namespace Util

#endif
