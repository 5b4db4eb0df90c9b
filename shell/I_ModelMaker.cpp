#include "shell/I_ModelMaker.h"

#include "shell/I_ModelFile.h"

namespace Model {

I_ModelMaker::I_ModelMaker(const char* directory, const char* extension, I_ModelFile* loader)
    : m_directory(directory ? directory : ""), m_extension(extension ? extension : ""),
      m_loader(loader)
{
}

I_ModelMaker::~I_ModelMaker() { delete m_loader; }

bool I_ModelMaker::callLoader(const char* name, std::vector<Model*>* out)
{
    if (!m_loader || !name || !out)
        return false;
    const std::string path = m_directory + "/" + name + m_extension;
    return m_loader->load(path.c_str(), out);
}

} // namespace Model
