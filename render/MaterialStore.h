#ifndef MODEL_MATERIALSTORE_H
#define MODEL_MATERIALSTORE_H

#include <string>
#include <vector>

#include "core/BasicHashTable.h"
#include "render/Material.h"

namespace Model {

// The one program-wide table of materials, keyed by name, filled by the DMF
// model loader and from material definition files (".matdef"). It owns what it
// holds: materials live until the store is destroyed at program exit.
class MaterialStore : public Util::BasicHashTable<Material> {
public:
    static MaterialStore& instance();

    ~MaterialStore() override;

    // Stores the material unless one of its name is there: then that one comes
    // back, nothing is stored, and the caller deletes its own.
    virtual Material* add(Material* material);
    // Reads a material definition file and registers a material named by the
    // path itself; true at once when that name is already stored. False (and
    // nothing registered) for an empty path, an unreadable file or a file
    // without one valid layer line.
    virtual bool load(const std::string& path);

    // Empties the table and forgets the list of loaded materials with it.
    void clearTable(bool destroy) override;

private:
    MaterialStore();

    // The materials read from definition files, in load order (not owned twice:
    // they are also in the table).
    std::vector<Material*> m_loaded;
};

} // namespace Model

#endif
