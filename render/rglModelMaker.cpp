#include "render/rglModelMaker.h"

#include "render/Model.h"
#include "render/rglModel.h"

namespace RGL {

rglModelMaker::rglModelMaker(const char* directory, const char* extension,
                             Model::I_ModelFile* loader)
    : Model::I_ModelMaker(directory, extension, loader)
{
}

bool rglModelMaker::load(const char* name, std::vector<Model::I_DisplayableModel*>* out)
{
    if (out == nullptr)
        return false;
    std::vector<Model::Model*> models;
    if (!callLoader(name, &models)) {
        for (Model::Model* model : models)
            delete model;
        return false;
    }
    for (Model::Model* model : models)
        out->push_back(new rglModel(model));
    return true;
}

} // namespace RGL
