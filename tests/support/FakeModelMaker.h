#ifndef TESTSUPPORT_FAKEMODELMAKER_H
#define TESTSUPPORT_FAKEMODELMAKER_H

#include <map>
#include <string>
#include <vector>

#include "FakeDisplayableModel.h"
#include "shell/I_ModelMaker.h"

namespace TestSupport {

// A model maker over a table of model files: files[name] lists the names of
// the models in the file "name"; load makes a new FakeDisplayableModel per
// name. Unknown files fail. With a log, its destruction is recorded as
// "modelMaker".
class FakeModelMaker : public Model::I_ModelMaker {
public:
    explicit FakeModelMaker(std::vector<std::string>* log = nullptr)
        : Model::I_ModelMaker("models", ".dmf", nullptr), m_log(log)
    {
    }
    ~FakeModelMaker() override
    {
        if (m_log)
            m_log->push_back("modelMaker");
    }

    bool load(const char* name, std::vector<Model::I_DisplayableModel*>* out) override
    {
        requested.push_back(name ? name : "");
        const auto file = files.find(requested.back());
        if (file == files.end() || !out)
            return false;
        for (const std::string& model : file->second)
            out->push_back(new FakeDisplayableModel(model));
        return true;
    }

    std::map<std::string, std::vector<std::string> > files;
    std::vector<std::string> requested;

private:
    std::vector<std::string>* m_log;
};

} // namespace TestSupport

#endif
