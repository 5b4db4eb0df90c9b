#ifndef MODEL_I_MODELDATA_H
#define MODEL_I_MODELDATA_H

#include <string>

namespace Model {

// Loaded model data (triangle models, line models).
class I_ModelData {
public:
    virtual ~I_ModelData() {}
    virtual const std::string& getModelName() const = 0;
};

} // namespace Model

#endif
