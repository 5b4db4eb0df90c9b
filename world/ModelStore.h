#ifndef KWEP_MODELSTORE_H
#define KWEP_MODELSTORE_H

#include <string>
#include <vector>

#include "world/World.h"

namespace KWEP {

class rglPolyModel;

// The line models of the defined items, one per definition in definition
// order, drawn through OpenGL. Every actor of an item shares its model.
class World::ModelStore {
public:
    ModelStore();
    virtual ~ModelStore();

    ModelStore(const ModelStore&) = delete;
    ModelStore& operator=(const ModelStore&) = delete;

    // Reads the line model called name from the item file and keeps it.
    virtual void add(const std::string& name, const std::string& fileName);
    // The first model of that name; null when none.
    virtual rglPolyModel* get(const std::string& name) const;

    int size() const { return static_cast<int>(m_models.size()); }

private:
    std::vector<rglPolyModel*> m_models;
};

} // namespace KWEP

#endif
