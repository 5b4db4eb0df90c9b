#ifndef GAME_I_GAME_H
#define GAME_I_GAME_H

#include <memory>
#include <string>

#include "core/I_EventConsumer.h"

namespace Devices { class Keyboard; class Mouse; class Screen; }
namespace Menu { class MenuController; }
namespace Model { class I_ModelMaker; }
namespace Render { class I_RenderController; }
namespace RNG { class I_Random; }
namespace Sound { class I_SoundController; }

namespace Game {

class Background;
class I_Config;
class I_HUD;
class I_WindowApp;
class I_World;

// The root of the game and the locator of its services: exactly one exists,
// built by the program entry as the game's own derived class, and reached from
// everywhere as I_Game::instance(). It owns the devices, the menu controller,
// the background, the random source, and the world, HUD, model maker and
// configuration the derived game hands to it; it holds the back ends without
// owning them.
class I_Game : public EVT::I_EventConsumer {
public:
    // Sets the instance and creates the random source (seed 424242).
    I_Game();
    // Deletes what the root owns: the HUD, the world, the background, the menu
    // controller, the keyboard, the mouse, the screen, the model maker, the
    // configuration and the random source, in that order; then clears the instance.
    ~I_Game() override;

    I_Game(const I_Game&) = delete;
    I_Game& operator=(const I_Game&) = delete;

    // The one game object; null before it is made and after it is destroyed.
    static I_Game* instance();

    // Creates the menu controller, the devices and the background, subscribes to
    // the quit event, starts the derived game and, when that succeeds, the render
    // controller and the frame loop; shuts the derived game down in every case.
    // The render controller must not be null; the window application and the
    // sound controller may be.
    virtual void runGame(int* argc, char** argv, I_WindowApp* windowApp,
                         Render::I_RenderController* renderController,
                         Sound::I_SoundController* soundController);
    // Releases what the derived game owns; may follow a failed initGame.
    virtual void shutdownGame() = 0;
    // Runs the game without a window application.
    virtual void startGame() = 0;
    virtual void endGame() = 0;
    // Call startGame / endGame; the text is not used.
    virtual void startingGame();
    virtual void endingGame(const std::string& text);
    // The derived game's start-up: creates and hands over the world, the HUD and
    // the model maker; false skips straight to the shutdown.
    virtual bool initGame(int* argc, char** argv) = 0;

    I_Config* getConfig() const;
    Menu::MenuController* getMenuController() const;
    I_World* getWorld() const;
    I_HUD* getHUD() const;
    Background* getBackground() const;
    Devices::Screen* getScreen() const;
    Devices::Mouse* getMouse() const;
    Devices::Keyboard* getKeyboard() const;
    I_WindowApp* getWindowApp() const;
    Model::I_ModelMaker* getModelMaker() const;
    Render::I_RenderController* getRenderController() const;
    Sound::I_SoundController* getSoundController() const;
    RNG::I_Random* getRNG() const;

    // Replaces the HUD; the previous one is not deleted.
    void setHUD(I_HUD* hud);

protected:
    // The parts the derived game creates; the root owns and deletes them. A
    // replaced part is not deleted.
    void setWorld(I_World* world);
    void setModelMaker(Model::I_ModelMaker* modelMaker);
    void setConfig(I_Config* config);
    // Replaces the random source; the previous one is deleted.
    void setRNG(RNG::I_Random* random);

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

// The one game object (see I_Game::instance).
extern I_Game* g_pInstance;

} // namespace Game

#endif
