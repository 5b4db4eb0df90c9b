#ifndef RGL_RGLMODELMAKER_H
#define RGL_RGLMODELMAKER_H

#include "shell/I_ModelMaker.h"

namespace RGL {

// Makes GL-drawable models: the loader reads directory + "/" + name +
// extension and every model it gives becomes an rglModel. Needs the GL context
// and the game root's render controller.
class rglModelMaker : public Model::I_ModelMaker {
public:
    // Owns the loader.
    rglModelMaker(const char* directory, const char* extension, Model::I_ModelFile* loader);

    // Appends one new rglModel per model of the file (the caller owns them);
    // false with nothing appended when the file does not read.
    bool load(const char* name, std::vector<Model::I_DisplayableModel*>* out) override;
};

} // namespace RGL

#endif
