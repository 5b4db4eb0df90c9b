#ifndef MODEL_I_MODELDATA_H
#define MODEL_I_MODELDATA_H

#include <string>

#include "core/Vector3.h"

namespace Model {

// Loaded model data (triangle models, line models).
class I_ModelData {
public:
    virtual ~I_ModelData() {}
    virtual const std::string& getModelName() const = 0;
    // The smallest box around the model's points, in model units; false, and
    // the corners untouched, for data without points.
    virtual bool getBounds(MathStuff::Vector3<float>& low, MathStuff::Vector3<float>& high) const
    {
        (void)low;
        (void)high;
        return false;
    }
};

} // namespace Model

#endif
