#ifndef PHYSICS_PHYSICALITEMFACTORY_H
#define PHYSICS_PHYSICALITEMFACTORY_H

#include <string>
#include <vector>

#include "core/Vector3.h"

namespace Physics {

// Named blueprints, read once, and the items made from them since the last
// resetRecords (so the game world can find what a level made). B is built
// from (name, file name) and has getName(); I from (const B*, position, angle).
template <class B, class I>
class PhysicalItemFactory {
public:
    PhysicalItemFactory() {}
    virtual ~PhysicalItemFactory()
    {
        for (B* blueprint : m_blueprints)
            delete blueprint;
    }

    PhysicalItemFactory(const PhysicalItemFactory&) = delete;
    PhysicalItemFactory& operator=(const PhysicalItemFactory&) = delete;

    // Reads the blueprint file; of equal names the first added wins.
    void add(const std::string& name, const std::string& fileName)
    {
        m_blueprints.push_back(new B(name, fileName));
    }

    // A new item of the named blueprint (owned by the caller), recorded; null
    // when no blueprint has the name.
    I* get(const std::string& name, const MathStuff::Vector3<float>& position, float angleDegrees)
    {
        for (const B* blueprint : m_blueprints) {
            if (blueprint->getName() != name)
                continue;
            I* item = new I(blueprint, position, angleDegrees);
            m_records.push_back(item);
            return item;
        }
        return nullptr;
    }

    // Forgets the records; the items are not touched.
    void resetRecords() { m_records.clear(); }

    // Replaces out with the records; their number.
    int getRecords(std::vector<I*>& out) const
    {
        out = m_records;
        return static_cast<int>(out.size());
    }

private:
    std::vector<B*> m_blueprints;
    std::vector<I*> m_records;
};

} // namespace Physics

#endif
