#ifndef MODEL_I_MODELFILE_H
#define MODEL_I_MODELFILE_H

#include <vector>

namespace Model {

class Model;

// A reader of one model-file format. The model maker owns its reader and
// deletes it through this base.
class I_ModelFile {
public:
    virtual ~I_ModelFile() {}
    // Appends one model per object in the file (the caller owns them); false,
    // with nothing appended, when the file could not be read.
    virtual bool load(const char* path, std::vector<Model*>* out) = 0;
};

} // namespace Model

#endif
