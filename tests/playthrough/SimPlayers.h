#ifndef PLAYTHROUGH_SIMPLAYERS_H
#define PLAYTHROUGH_SIMPLAYERS_H

#include <memory>
#include <string>
#include <vector>

#include "HeadTrackerPlayer.h"
#include "OneSwitchPlayer.h"
#include "PointerPlayers.h"
#include "WholeRun.h"
#include "core/CFG.h"
#include "core/Pi.h"
#include "core/Event.h"
#include "input/Keyboard.h"

namespace PlayThrough {

// Simulated players: each plays whole games through the window's input
// (pointer positions, key and button presses) with the limits of a person
// using its kind of input, and sees only the pictures the game draws, a
// person's perception delay late.
namespace Sim {

enum Kind { MOUSE, SWITCH_POINTER, HEAD_TRACKER, ONE_SWITCH, IDLE, ONE_SWITCH_REACTING, KIND_COUNT };

inline const char* kindName(int kind)
{
    static const char* const names[] = {"mouse", "switch + pointer", "head tracker", "one switch", "idle",
                                        "one switch react"};
    return kind >= 0 && kind < KIND_COUNT ? names[kind] : "?";
}

const unsigned char SPACE = Devices::Keyboard::KEY_SPACE;
const unsigned char RETURN = Devices::Keyboard::KEY_RETURN;
const char* const MENU_ONESWITCH = "data/Config/Input/KWEP_MENU_INPUT_ONESWITCH.cfg";
const char* const GAME_ONESWITCH = "data/Config/Input/KWEP_GAME_INPUT_ONESWITCH.cfg";
const char* const MENU_HEADTRACKER = "data/Config/Input/KWEP_MENU_INPUT_HEADTRACKER.cfg";
const char* const GAME_HEADTRACKER = "data/Config/Input/KWEP_GAME_INPUT_HEADTRACKER.cfg";

inline std::unique_ptr<Player> makePlayer(int kind, unsigned seed)
{
    switch (kind) {
    case MOUSE:
        return std::unique_ptr<Player>(new MousePlayer(seed));
    case SWITCH_POINTER:
        return std::unique_ptr<Player>(new SwitchPointerPlayer(seed));
    case HEAD_TRACKER:
        return std::unique_ptr<Player>(new HeadTrackerPlayer(seed));
    case ONE_SWITCH:
    case ONE_SWITCH_REACTING:
        return std::unique_ptr<Player>(new OneSwitchPlayer(seed, kind == ONE_SWITCH_REACTING));
    default:
        return std::unique_ptr<Player>(new Player(seed));
    }
}

// The command line of the kind's profiles.
inline std::vector<std::string> argsOf(int kind)
{
    if (kind == SWITCH_POINTER)
        return {"--menu-input", MENU_ONESWITCH, "--game-input", "data/Config/Input/KWEP_GAME_INPUT_SWITCHPOINTER.cfg"};
    if (kind == ONE_SWITCH || kind == ONE_SWITCH_REACTING)
        return {"--menu-input", MENU_ONESWITCH, "--game-input", GAME_ONESWITCH};
    if (kind == HEAD_TRACKER)
        return {"--menu-input", MENU_HEADTRACKER, "--game-input", GAME_HEADTRACKER};
    return {};
}

struct Result {
    bool finished = false; // the game reached its end page
    bool wonGame = false;
    int cleared = 0; // levels won
    int score = 0;
};

// One whole game of the kind with the seed: from the main menu through every
// level it reaches to the end page, or only until it has won `levels` levels
// when that is above 0.
inline Result playGame(int kind, unsigned seed, int levels = 0)
{
    using namespace Acts;
    typedef KWEP::ClientFSM States;
    std::shared_ptr<Player> player(makePlayer(kind, seed));
    auto lostRule = std::make_shared<std::string>();
    const WholeRun::Act leave = quit();
    const WholeRun::Act play = [player, lostRule, levels, leave](WholeRun& run, int frame) {
        *lostRule = CFG::get("LOST_GAME_RULE");
        player->act(run);
        if (levels > 0 && static_cast<int>(run.heardOf(EVT::EVENT_SNOWMAN_DOWN).size()) >= levels)
            return leave(run, frame);
        return !run.heardOf(EVT::EVENT_GAME_OVER).empty();
    };
    std::vector<WholeRun::Step> steps;
    if (kind == HEAD_TRACKER) {
        steps.push_back({States::STATE_MENUS, [](WholeRun& run, int frame) {
                             if (frame == 4)
                                 run.pointerPercent(90, 50); // the select area
                             return frame >= 4;
                         }});
        steps.push_back({States::STATE_STARTING, [](WholeRun& run, int frame) {
                             // One deliberate move from where the page opened leaves it.
                             if (frame == 5)
                                 run.pointerPercent(50, 41);
                             return frame >= 5;
                         }});
    } else if (kind == SWITCH_POINTER || kind == ONE_SWITCH || kind == ONE_SWITCH_REACTING) {
        steps.push_back({States::STATE_MENUS, then({wait(4), tap(SPACE)})});
        steps.push_back({States::STATE_STARTING, then({wait(4), tap(SPACE)})});
    } else {
        // The story page stays until a key pressed on it comes up.
        steps.push_back({States::STATE_MENUS, taps({RETURN})});
        steps.push_back({States::STATE_STARTING, taps({RETURN})});
    }
    steps.push_back({States::STATE_RUNNING, play});
    steps.push_back({States::STATE_ENDING, leave});
    WholeRun run(steps, 12000);
    // The player looks at every other picture, about 31 a second.
    run.drawEvery = 2;
    run.onPicture = [player, &run](const Picture& picture) { player->look(picture, run.frame()); };
    Result result;
    std::vector<std::string> args = argsOf(kind);
    args.insert(args.end(), {"--wsize", std::to_string(WINDOW_WIDTH), std::to_string(WINDOW_HEIGHT)});
    if (run.run(args) != 0)
        return result;
    const std::vector<Heard> over = run.heardOf(EVT::EVENT_GAME_OVER);
    result.cleared = static_cast<int>(run.heardOf(EVT::EVENT_SNOWMAN_DOWN).size());
    result.finished = (!over.empty() || (levels > 0 && result.cleared >= levels)) && !run.reachedLimit();
    result.wonGame = !over.empty() && over[0].text != *lostRule;
    result.score = run.score();
    return result;
}

} // namespace Sim

} // namespace PlayThrough

#endif
