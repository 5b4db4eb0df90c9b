#include "world/ModelStore.h"

#include <algorithm>

#include "core/DeleteIt.h"
#include "physics/ModelInfo.h"
#include "world/rglPolyModel.h"

namespace KWEP {

World::ModelStore::ModelStore() {}

World::ModelStore::~ModelStore()
{
    std::for_each(m_models.begin(), m_models.end(), Util::DeleteIt<rglPolyModel*>());
}

void World::ModelStore::add(const std::string& name, const std::string& fileName)
{
    Physics::ModelInfo info(fileName);
    m_models.push_back(new rglPolyModel(info.makeModel(name)));
}

rglPolyModel* World::ModelStore::get(const std::string& name) const
{
    for (rglPolyModel* model : m_models)
        if (model->getName() == name)
            return model;
    return nullptr;
}

} // namespace KWEP
