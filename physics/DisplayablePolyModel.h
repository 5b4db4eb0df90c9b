#ifndef PHYSICS_DISPLAYABLEPOLYMODEL_H
#define PHYSICS_DISPLAYABLEPOLYMODEL_H

#include <string>
#include <vector>

#include "shell/I_DisplayableModel.h"

namespace Physics {

class PolyModel;

// The drawable form of one line model; the drawing itself belongs to a
// subclass of the graphics side. Physical world items bind its parts to their
// bodies by the part names.
class DisplayablePolyModel : public Model::I_DisplayableModel {
public:
    // Takes ownership of the model (may be null): the base deletes it as its
    // model data.
    explicit DisplayablePolyModel(PolyModel* model);
    ~DisplayablePolyModel() override;

    // The model shown, or null.
    PolyModel* getPolyModel() const;
    // The part names in part order; a name used twice is listed twice.
    virtual const std::vector<std::string>& getPartNames() const;

private:
    PolyModel* m_polyModel;
    std::vector<std::string> m_partNames;
};

} // namespace Physics

#endif
