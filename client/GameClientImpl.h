#ifndef KWEP_GAMECLIENTIMPL_H
#define KWEP_GAMECLIENTIMPL_H

#include <climits>
#include <vector>

#include "client/CarrotRecord.h"
#include "client/GameClient.h"

namespace Game { class CameraItem; }
namespace Menu { class I_MenuItemChosen; }
namespace Stuff { class Spurt; }
namespace Text3D { class Font; class TextRenderer; }

namespace KWEP {

class CarrotCamera;
class ClientMenus;
class InputEventManager;
class SoundManager;
class rglScreenAreaRenderer;

// Sums and products of score values can pass the int range when a key does
// not read (it then counts as the smallest int): they stop at its ends.
inline int clampToInt(long long value)
{
    return value < INT_MIN ? INT_MIN : value > INT_MAX ? INT_MAX : static_cast<int>(value);
}

// What the game client owns; every pointer is null while the part does not
// exist.
struct GameClient::Impl {
    InputConfig* menuProfile = nullptr;
    InputConfig* gameProfile = nullptr;
    Stuff::Spurt* spurter = nullptr;
    Text3D::Font* font = nullptr;
    ClientMenus* menus = nullptr;
    Menu::I_MenuItemChosen* chooser = nullptr;
    ClientFSM* fsm = nullptr;
    SoundManager* sound = nullptr;
    Text3D::TextRenderer* pageText = nullptr;
    std::vector<Input::InputController*> controllers; // indexed by slot; slot 0 unused
    rglScreenAreaRenderer* areaRenderer = nullptr;
    Game::CameraItem* mainCamera = nullptr;
    CarrotCamera* mapCamera = nullptr;
    InputEventManager* levelInput = nullptr;
    int score = 0;
    int highScore = 0;
    int highScoreRead = 0;     // what the high-score file held at the start
    bool keepScoreFile = false; // the high-score file did not read: never write it
    int level = 0;
    bool levelCleared = false; // the snowman of this level is already down
    CarrotRecord carrot; // what the carrot did in this level, for the end page
    bool started = false;      // the start-up succeeded: the shutdown may keep the high score
    bool menuInputPending = false; // the menu profile changed while menus were shown
};

} // namespace KWEP

#endif
