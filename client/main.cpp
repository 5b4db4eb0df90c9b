#include "client/ClientBackends.h"
#include "client/clientMain.h"
#include "render/rglController.h"
#include "shell/GLFWApp.h"
#include "sound/salController.h"

namespace {

// The back ends the game is played on: GLFW, OpenGL and OpenAL.
class RealBackends : public KWEP::ClientBackends {
public:
    Game::I_WindowApp* makeWindowApp(const char* title, int width, int height, bool fullScreen, int* argc,
                                     char** argv) override
    {
        return new Game::GLFWApp(title, width, height, fullScreen, argc, argv);
    }
    Render::I_RenderController* makeRenderController(const Render::ViewData& view) override
    {
        return new RGL::rglController(view);
    }
    Sound::I_SoundController* makeSoundController() override { return new SAL::salController(); }
};

} // namespace

int main(int argc, char** argv)
{
    RealBackends backends;
    return KWEP::clientMain(argc, argv, backends);
}
