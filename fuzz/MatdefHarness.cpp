#include "fuzz/Harness.h"

#include <string>

#include "fuzz/ScratchFile.h"
#include "render/MaterialStore.h"

namespace Fuzz {

// A material definition read into the material store. The store keeps a
// material by its file name for the life of the program, so every input gets
// a name of its own or only the first would ever be read.
int fuzzMatdef(const std::uint8_t* data, std::size_t size)
{
    static unsigned long l_inputs = 0;
    ScratchFile file("material_" + std::to_string(l_inputs++) + ".matdef", data, size);
    Model::MaterialStore::instance().load(file.path());
    return 0;
}

} // namespace Fuzz
