#include "fuzz/Harness.h"

#include "fuzz/ScratchFile.h"
#include "sound/MODFile.h"

namespace Fuzz {

namespace {

// A low output rate in mono: the module's own parsing and playing are what
// is under test, and a song of the full length renders in moments.
const long RATE = 2000;
// At that rate a render apart hands back a piece of samples every few
// milliseconds: one that goes a second without is one DUMB never finishes,
// and waiting longer finds nothing.
const int RENDER_WAIT = 1;

} // namespace

// A tracker module loaded and rendered once through to its end.
int fuzzMod(const std::uint8_t* data, std::size_t size)
{
    ScratchFile file("music.mod", data, size);
    Media::MODFile module(file.path().c_str());
    module.setRate(RATE);
    module.setNumChannels(1);
    module.setDepth(8);
    module.setRenderWait(RENDER_WAIT);
    module.load();
    return 0;
}

} // namespace Fuzz
