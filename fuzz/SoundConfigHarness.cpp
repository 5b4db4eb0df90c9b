#include "fuzz/Harness.h"

#include "fuzz/ScratchFile.h"
#include "shell/NullSoundController.h"
#include "sound/SoundManager.h"

namespace Fuzz {

// The sound configuration read by a sound manager over the silent
// controller, so the sound files it names are never decoded here.
int fuzzSoundConfig(const std::uint8_t* data, std::size_t size)
{
    ScratchFile file("sounds.cfg", data, size);
    Sound::NullSoundController controller;
    KWEP::SoundManager manager(&controller, file.path());
    manager.setMusic("TITLE_MUSIC");
    manager.setEffects();
    return 0;
}

} // namespace Fuzz
