#include "shell/I_Game.h"

#include "core/EventBus.h"
#include "core/EventIds.h"
#include "input/Keyboard.h"
#include "input/Mouse.h"
#include "input/Screen.h"
#include "menu/MenuController.h"
#include "shell/Background.h"
#include "shell/I_Config.h"
#include "shell/I_HUD.h"
#include "shell/I_RenderController.h"
#include "shell/I_WindowApp.h"
#include "shell/I_World.h"
#include "shell/I_ModelMaker.h"
#include "shell/RandSimple.h"

namespace Game {

I_Game* g_pInstance = nullptr;

namespace {

// Deletes the owned object and clears the field, so the accessors answer null
// from then on.
template <typename T>
void release(T*& field)
{
    T* doomed = field;
    delete doomed;
    field = nullptr;
}

} // namespace

struct I_Game::Impl {
    I_World* world = nullptr;
    I_HUD* hud = nullptr;
    Background* background = nullptr;
    I_WindowApp* windowApp = nullptr;
    I_Config* config = nullptr;
    Menu::MenuController* menuController = nullptr;
    Devices::Screen* screen = nullptr;
    Devices::Keyboard* keyboard = nullptr;
    Devices::Mouse* mouse = nullptr;
    Model::I_ModelMaker* modelMaker = nullptr;
    Render::I_RenderController* renderController = nullptr;
    Sound::I_SoundController* soundController = nullptr;
    RNG::I_Random* random = nullptr;
};

I_Game::I_Game() : m_impl(new Impl)
{
    g_pInstance = this;
    m_impl->random = new RNG::RandSimple(424242);
}

I_Game::~I_Game()
{
    // The world is deleted while getWorld still answers it: its items take
    // themselves out of it as they go.
    Impl& d = *m_impl;
    release(d.hud);
    release(d.world);
    release(d.background);
    release(d.menuController);
    release(d.keyboard);
    release(d.mouse);
    release(d.screen);
    release(d.modelMaker);
    release(d.config);
    release(d.random);
    if (g_pInstance == this)
        g_pInstance = nullptr;
}

I_Game* I_Game::instance() { return g_pInstance; }

void I_Game::runGame(int* argc, char** argv, I_WindowApp* windowApp,
                     Render::I_RenderController* renderController,
                     Sound::I_SoundController* soundController)
{
    Impl& d = *m_impl;
    d.windowApp = windowApp;
    d.renderController = renderController;
    d.soundController = soundController;

    d.menuController = new Menu::MenuController();
    d.keyboard = new Devices::Keyboard();
    const Render::I_RenderController::ViewData& view = renderController->getViewData();
    d.screen = new Devices::Screen(view.w, view.h);
    d.mouse = new Devices::Mouse();
    // Subscribed to the render event before the world and the HUD exist, so the
    // background is drawn first on every frame.
    d.background = new Background(this);
    // Subscribed before the window application, so the root hears quit first.
    EVT::EventBus::instance()->addConsumer(EVT::EVENT_QUIT, this);

    if (initGame(argc, argv)) {
        renderController->init();
        if (windowApp) {
            windowApp->initWindowApp(argc, argv);
            windowApp->startWindowApp();
        } else {
            startGame();
        }
    }
    shutdownGame();
}

void I_Game::startingGame() { startGame(); }

void I_Game::endingGame(const std::string&) { endGame(); }

I_Config* I_Game::getConfig() const { return m_impl->config; }
Menu::MenuController* I_Game::getMenuController() const { return m_impl->menuController; }
I_World* I_Game::getWorld() const { return m_impl->world; }
I_HUD* I_Game::getHUD() const { return m_impl->hud; }
Background* I_Game::getBackground() const { return m_impl->background; }
Devices::Screen* I_Game::getScreen() const { return m_impl->screen; }
Devices::Mouse* I_Game::getMouse() const { return m_impl->mouse; }
Devices::Keyboard* I_Game::getKeyboard() const { return m_impl->keyboard; }
I_WindowApp* I_Game::getWindowApp() const { return m_impl->windowApp; }
Model::I_ModelMaker* I_Game::getModelMaker() const { return m_impl->modelMaker; }
Render::I_RenderController* I_Game::getRenderController() const { return m_impl->renderController; }
Sound::I_SoundController* I_Game::getSoundController() const { return m_impl->soundController; }
RNG::I_Random* I_Game::getRNG() const { return m_impl->random; }

void I_Game::setHUD(I_HUD* hud) { m_impl->hud = hud; }
void I_Game::setWorld(I_World* world) { m_impl->world = world; }
void I_Game::setModelMaker(Model::I_ModelMaker* modelMaker) { m_impl->modelMaker = modelMaker; }
void I_Game::setConfig(I_Config* config) { m_impl->config = config; }

void I_Game::setRNG(RNG::I_Random* random)
{
    if (random == m_impl->random)
        return;
    delete m_impl->random;
    m_impl->random = random;
}

} // namespace Game
