#ifndef KWEP_CLIENTBACKENDS_H
#define KWEP_CLIENTBACKENDS_H

#include "core/ViewData.h"

namespace Game { class I_WindowApp; }
namespace Render { class I_RenderController; }
namespace Sound { class I_SoundController; }

namespace KWEP {

// Makes the three back ends the game runs on: the window application, the
// render controller and the sound controller. The program entry gives the
// real ones; tests give their own. The caller owns what is made.
class ClientBackends {
public:
    virtual ~ClientBackends() {}
    // Opens the window at once; the result's isOpen() tells whether it did.
    virtual Game::I_WindowApp* makeWindowApp(const char* title, int width, int height, bool fullScreen,
                                             int* argc, char** argv) = 0;
    virtual Render::I_RenderController* makeRenderController(const Render::ViewData& view) = 0;
    virtual Sound::I_SoundController* makeSoundController() = 0;
};

} // namespace KWEP

#endif
