#include "fuzz/Harness.h"

#include <vector>

#include "fuzz/ScratchFile.h"
#include "render/LoaderDMF.h"
#include "render/Model.h"
#include "render/dmf.h"

namespace Fuzz {

// A DMF map read, turned round and cut into triangles as the tools do, then
// loaded as models the way the game loads its models and font.
int fuzzDmf(const std::uint8_t* data, std::size_t size)
{
    ScratchFile file("map.dmf", data, size);
    dmf::dmf_t map = {};
    if (dmf::ReadDMF(&map, file.path().c_str(), dmf::DMF_SOURCE_FILE, nullptr, nullptr) == dmf::DMF_OK) {
        dmf::ReverseDMF(&map);
        dmf::TriangulateDMF(&map);
        dmf::FreeDMF(&map);
    }
    std::vector<Model::Model*> models;
    Model::LoaderDMF loader;
    loader.load(file.path().c_str(), &models);
    for (Model::Model* model : models)
        delete model;
    return 0;
}

} // namespace Fuzz
