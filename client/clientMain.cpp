#include "client/clientMain.h"

#include <cstring>
#include <iostream>
#include <memory>
#include <string>

#include "client/ClientBackends.h"
#include "client/GameClient.h"
#include "client/OptionText.h"
#include "client/SoundPreloader.h"
#include "core/CFG.h"
#include "core/TextFile.h"
#include "shell/I_Config.h"
#include "shell/I_RenderController.h"
#include "shell/I_SoundController.h"
#include "shell/I_WindowApp.h"
#include "shell/OptionKey.h"

namespace KWEP {

namespace {

const char MAIN_CONFIG[] = "KWEP.cfg";
const char SETTINGS_PREFIX[] = "SETTINGS_";
const std::size_t SETTINGS_PREFIX_LENGTH = sizeof(SETTINGS_PREFIX) - 1;

bool endsWith(const std::string& text, const std::string& end)
{
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

bool missingOrEmpty(const char* program, const std::string& file)
{
    const std::string why = Files::TextFile::whyUnusable(file);
    if (why.empty())
        return false;
    std::cerr << program << ": cannot start: the configuration file " << why << std::endl;
    return true;
}

// A file that stops reading half-way (a quoted value left open) would leave
// every key after the fault missing.
bool readFailed(const char* program, const std::string& file, bool read)
{
    if (read)
        return false;
    std::cerr << program << ": cannot start: the configuration file \"" << file
              << "\" does not read to its end (is a quoted value left open?)" << std::endl;
    return true;
}

// The settings-override file, the main configuration and the optional
// further file. Returns how many leading arguments (the program name
// included) it used, or 0 when a file the game needs is missing or empty.
int loadConfiguration(int argc, char** argv, const char* program)
{
    std::string settings = std::string(SETTINGS_PREFIX) + MAIN_CONFIG;
    int next = 1;
    if (argc >= 2 && argv[1][0] != '-' && std::strncmp(argv[1], SETTINGS_PREFIX, SETTINGS_PREFIX_LENGTH) == 0) {
        settings = argv[1];
        next = 2;
    }
    CFG::getDefaultOverrides()->addConfig(settings);
    if (missingOrEmpty(program, MAIN_CONFIG))
        return 0;
    if (readFailed(program, MAIN_CONFIG, CFG::setConfig(MAIN_CONFIG)))
        return 0;
    if (next < argc && argv[next][0] != '-' && endsWith(argv[next], ".cfg")) {
        if (missingOrEmpty(program, argv[next]) || readFailed(program, argv[next], CFG::addConfig(argv[next])))
            return 0;
        ++next;
    }
    return next;
}

// Arguments no flag took stay ignored; each is named once, so a misspelt
// flag does not pass unseen. The files at the front are no such arguments:
// flags only take tokens after them, so those keep their places.
void warnIgnored(int argc, char** argv, int leading, const char* program)
{
    for (int i = leading; i < argc; ++i)
        std::cerr << program << ": the argument \"" << OptionText::shown(argv[i] ? argv[i] : "")
                  << "\" is no option of the game; it is ignored" << std::endl;
}

Render::ViewData viewFromOptions(const Game::I_Config& options)
{
    Render::ViewData view;
    view.near = *options.getFloatPtr(Game::OPTION_NEAR_PLANE);
    view.far = *options.getFloatPtr(Game::OPTION_FAR_PLANE);
    view.fov = *options.getFloatPtr(Game::OPTION_MENU_FOV);
    view.x = 0;
    view.y = 0;
    view.w = *options.getIntPtr(Game::OPTION_WINDOW_WIDTH);
    view.h = *options.getIntPtr(Game::OPTION_WINDOW_HEIGHT);
    view.zoomX = 1.0f;
    view.zoomY = 1.0f;
    view.vsync = *options.getBoolPtr(Game::OPTION_VSYNC) ? 1 : 0;
    return view;
}

} // namespace

int clientMain(int argc, char** argv, ClientBackends& backends)
{
    const char* program = argc > 0 && argv[0] ? argv[0] : "frelmory";
    const int leading = loadConfiguration(argc, argv, program);
    if (leading == 0)
        return TheGame::EXIT_FAILED;

    std::unique_ptr<GameClient> client(new GameClient(&argc, argv));
    if (!client->isReady())
        return client->getExitCode();
    warnIgnored(argc, argv, leading, program);
    const Game::I_Config& options = *client->getConfig();
    // The sounds decode on a thread of their own while the window and its GL
    // context open: both take a while, and neither needs the other.
    std::unique_ptr<Sound::I_SoundController> sound(new SoundPreloader(
        std::unique_ptr<Sound::I_SoundController>(backends.makeSoundController()), CFG::get("SOUNDS_CONFIG_FILE")));
    std::unique_ptr<Game::I_WindowApp> window(backends.makeWindowApp(
        "Frelmory", *options.getIntPtr(Game::OPTION_WINDOW_WIDTH), *options.getIntPtr(Game::OPTION_WINDOW_HEIGHT),
        *options.getBoolPtr(Game::OPTION_FULLSCREEN), &argc, argv));
    // Without a window there is no GL context for anything to draw with.
    if (!window || !window->isOpen())
        return TheGame::EXIT_FAILED;
    std::unique_ptr<Render::I_RenderController> render(backends.makeRenderController(viewFromOptions(options)));

    client->runGame(&argc, argv, window.get(), render.get(), sound.get());
    const int code = client->getExitCode();
    // The game client's models and the render controller's materials hold GL
    // objects: they go while the window's context still exists.
    sound.reset();
    client.reset();
    render.reset();
    window.reset();
    return code;
}

} // namespace KWEP
