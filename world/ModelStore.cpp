#include "world/ModelStore.h"

#include "physics/ModelInfo.h"
#include "world/rglPolyModel.h"

namespace KWEP {

World::ModelStore::ModelStore() {}

World::ModelStore::~ModelStore()
{
    for (rglPolyModel* model : m_models)
        delete model;
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
