#include "fuzz/Harness.h"

#include "fuzz/ScratchFile.h"
#include "input/CreateSicFiles.h"
#include "input/InputController.h"

namespace Fuzz {

// An input profile read into a fresh controller, as the game loads the
// profiles the options name.
int fuzzProfile(const std::uint8_t* data, std::size_t size)
{
    ScratchFile file("profile.sic", data, size);
    Input::InputController controller(1, nullptr);
    KWEP::CreateSicFiles::deser(controller, file.path());
    return 0;
}

} // namespace Fuzz
