#ifndef MODEL_I_MODELMAKER_H
#define MODEL_I_MODELMAKER_H

#include <string>
#include <vector>

namespace Model {

class I_DisplayableModel;
class I_ModelFile;
class Model;

// Makes drawable models from model files named by a short name: the file is
// directory + "/" + name + extension. Owned by the game root once handed to it.
class I_ModelMaker {
public:
    // Takes ownership of the loader (may be null: nothing then loads).
    I_ModelMaker(const char* directory, const char* extension, I_ModelFile* loader);
    virtual ~I_ModelMaker();

    I_ModelMaker(const I_ModelMaker&) = delete;
    I_ModelMaker& operator=(const I_ModelMaker&) = delete;

    // Appends one new drawable model per model of the file (the caller owns
    // them) and answers true; false with nothing appended on failure.
    virtual bool load(const char* name, std::vector<I_DisplayableModel*>* out) = 0;

    // Reads the named file with the loader and returns its answer unchanged.
    bool callLoader(const char* name, std::vector<Model*>* out);

private:
    std::string m_directory;
    std::string m_extension;
    I_ModelFile* m_loader;
};

} // namespace Model

#endif
