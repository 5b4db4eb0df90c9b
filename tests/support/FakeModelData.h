#ifndef TESTSUPPORT_FAKEMODELDATA_H
#define TESTSUPPORT_FAKEMODELDATA_H

#include <string>

#include "shell/I_ModelData.h"

namespace TestSupport {

// Model data that is only a name.
class FakeModelData : public Model::I_ModelData {
public:
    explicit FakeModelData(const std::string& name) : m_name(name) {}
    const std::string& getModelName() const override { return m_name; }

private:
    std::string m_name;
};

} // namespace TestSupport

#endif
