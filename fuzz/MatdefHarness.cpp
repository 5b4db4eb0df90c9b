#include "fuzz/Harness.h"

#include <string>

#include "fuzz/ScratchFile.h"
#include "render/MaterialStore.h"

namespace Fuzz {

// A material definition read into the material store. The store keeps a
// material by its file name for the life of the program, so it is emptied
// after each input: the next one is read afresh, and a long run does not fill
// memory with the materials of inputs gone by.
int fuzzMatdef(const std::uint8_t* data, std::size_t size)
{
    ScratchFile file("material.matdef", data, size);
    Model::MaterialStore& store = Model::MaterialStore::instance();
    store.load(file.path());
    store.clearAndDestroy();
    return 0;
}

} // namespace Fuzz
