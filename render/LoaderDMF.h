#ifndef MODEL_LOADERDMF_H
#define MODEL_LOADERDMF_H

#include <vector>

#include "shell/I_ModelFile.h"

namespace Model {

// Reads a DMF file into one centred triangle model per object, in file order,
// and registers the file's materials in the material store. A file that cannot
// be read gives false, nothing appended, and one line on the error stream
// naming the file and the reason.
class LoaderDMF : public I_ModelFile {
public:
    bool load(const char* path, std::vector<Model*>* out) override;
};

} // namespace Model

#endif
