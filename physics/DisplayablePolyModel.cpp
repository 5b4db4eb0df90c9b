#include "physics/DisplayablePolyModel.h"

#include "physics/PolyModel.h"

namespace Physics {

DisplayablePolyModel::DisplayablePolyModel(PolyModel* model)
    : Model::I_DisplayableModel(model), m_polyModel(model)
{
    if (!model)
        return;
    for (const PolyModel::Part* part : model->getParts())
        m_partNames.push_back(part->getName());
}

// The model goes with the base, which owns it as model data.
DisplayablePolyModel::~DisplayablePolyModel() {}

PolyModel* DisplayablePolyModel::getPolyModel() const { return m_polyModel; }

const std::vector<std::string>& DisplayablePolyModel::getPartNames() const { return m_partNames; }

} // namespace Physics
