#ifndef MODEL_I_DISPLAYABLEMODEL_H
#define MODEL_I_DISPLAYABLEMODEL_H

#include <string>
#include <vector>

#include "core/Orientation.h"

namespace Model {

class I_ModelData;

// A drawable model. It owns the model data it shows (may be null) and deletes
// it with itself.
class I_DisplayableModel {
public:
    explicit I_DisplayableModel(I_ModelData* data);
    virtual ~I_DisplayableModel();

    I_DisplayableModel(const I_DisplayableModel&) = delete;
    I_DisplayableModel& operator=(const I_DisplayableModel&) = delete;

    virtual I_ModelData* getModelData() const;
    // Draws the model once at the orientation.
    virtual void display(const MathStuff::Orientation<float>* orientation) = 0;
    // Draws the model with one orientation per part or body.
    virtual void display(const std::vector<MathStuff::Orientation<float> >& orientations) = 0;
    // The model data's name, or "NO_MODEL_POINTER" without model data.
    virtual const std::string& getName() const;

private:
    I_ModelData* m_data;
};

} // namespace Model

#endif
