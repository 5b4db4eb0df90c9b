#include "shell/I_DisplayableModel.h"

#include "shell/I_ModelData.h"

namespace Model {

I_DisplayableModel::I_DisplayableModel(I_ModelData* data) : m_data(data) {}

I_DisplayableModel::~I_DisplayableModel() { delete m_data; }

I_ModelData* I_DisplayableModel::getModelData() const { return m_data; }

const std::string& I_DisplayableModel::getName() const
{
    if (m_data)
        return m_data->getModelName();
    static const std::string l_noModel("NO_MODEL_POINTER");
    return l_noModel;
}

} // namespace Model
