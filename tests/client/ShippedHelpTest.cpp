// HOW TO PLAY against the shipped input profiles: every area, switch and
// action the help text names for a kind of input is there in the profile that
// kind of input uses, at the edge of the screen the text puts it.
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/Info.h"
#include "core/TextFile.h"
#include "core/TextSerializer.h"
#include "input/InputController.h"
#include "input/Keyboard.h"
#include "input/Mouse.h"
#include "input/ScreenArea.h"
#include "input/Switch.h"
#include "input/TriggerId.h"

namespace {

const std::string SOURCE = FRELMORY_SOURCE_DIR;

// Actions of the shipped profiles.
const int PAUSE = 3, DOWN = 24, UP = 25, BACK = 26, SELECT = 27, GRAB = 37, RELEASE = 38;
// Icons of the area renderer.
const int ICON_ANY = -1, ICON_DOWN = 1, ICON_UP = 3, ICON_FRAME = 6;

// Where an area lies, in percent of the screen from its top left corner.
typedef std::function<bool(const Input::ScreenArea&)> Place;
float middleY(const Input::ScreenArea& a) { return a.getPercentOffsetFromTop() + a.getPercentHeight() / 2; }
float middleX(const Input::ScreenArea& a) { return a.getPercentOffsetFromLeft() + a.getPercentWidth() / 2; }
bool rightEdge(const Input::ScreenArea& a) { return a.getPercentOffsetFromLeft() + a.getPercentWidth() >= 95; }
bool leftEdge(const Input::ScreenArea& a) { return a.getPercentOffsetFromLeft() <= 5; }
bool bottomEdge(const Input::ScreenArea& a) { return a.getPercentOffsetFromTop() + a.getPercentHeight() >= 95; }

const Place anywhere = [](const Input::ScreenArea&) { return true; };
const Place rightBottom = [](const Input::ScreenArea& a) { return rightEdge(a) && middleY(a) > 66; };
const Place rightTop = [](const Input::ScreenArea& a) { return rightEdge(a) && middleY(a) < 33; };
const Place rightMiddle = [](const Input::ScreenArea& a) {
    return rightEdge(a) && middleY(a) >= 33 && middleY(a) <= 66;
};
const Place leftSide = [](const Input::ScreenArea& a) { return leftEdge(a) && !rightEdge(a); };
const Place leftLower = [](const Input::ScreenArea& a) { return leftSide(a) && middleY(a) > 50; };
const Place bottomLeftCorner = [](const Input::ScreenArea& a) { return bottomEdge(a) && leftSide(a); };
const Place bottomRightCorner = [](const Input::ScreenArea& a) {
    return bottomEdge(a) && rightEdge(a) && !leftEdge(a);
};
const Place bottomMiddle = [](const Input::ScreenArea& a) {
    return bottomEdge(a) && middleX(a) > 40 && middleX(a) < 60 && !leftEdge(a) && !rightEdge(a);
};
const Place rightOfLines = [](const Input::ScreenArea& a) { return a.getPercentOffsetFromLeft() >= 70; };
const Place bottomRight = [](const Input::ScreenArea& a) { return rightOfLines(a) && middleY(a) > 75; };

// Which of a switch's actions answers: its press, its release (a short
// press), or a hold.
enum Answer { ON_PRESS, ON_RELEASE, ON_HOLD };

// One thing the help says a kind of input does.
struct Claim {
    const char* words;   // as the help's paragraph for that input says it
    const char* profile; // the shipped profile, under data/Config/Input/
    const char* key;     // the profile's key naming the file of areas and switches
    Input::TriggerId::TriggerType trigger;
    int code;            // the key, mouse button or joypad flag; 0 for any
    Answer answer;
    int action;
    Place place;
    int icon;
};

int codeOf(const Input::TriggerId& trigger)
{
    switch (trigger.getType()) {
    case Input::TriggerId::KEY:
        return trigger.getKey();
    case Input::TriggerId::MOUSE:
        return trigger.getMouseButton();
    case Input::TriggerId::JPAD:
        return trigger.getJPadFlag();
    default:
        return 0;
    }
}

int actionOf(const Input::Switch& sw, Answer answer)
{
    if (answer == ON_PRESS)
        return sw.getPressActionId().getId();
    return (answer == ON_RELEASE ? sw.getReleaseActionId() : sw.getHoldPressActionId()).getId();
}

std::unique_ptr<Input::InputController> load(const std::string& profile, const std::string& key)
{
    CFG::Info info(SOURCE + "/data/Config/Input/" + profile, nullptr);
    std::unique_ptr<Input::InputController> controller(new Input::InputController(1, nullptr));
    std::fstream stream(SOURCE + "/" + info.get(key), std::ios::in);
    Util::TextSerializer serializer(stream);
    if (!stream.is_open() || !controller->deserialize(&serializer))
        return nullptr;
    return controller;
}

bool holds(const Input::InputController& controller, const Claim& claim)
{
    for (unsigned int n = 1; const Input::Switch* sw = controller.getSwitch(n); ++n) {
        const Input::TriggerId& trigger = sw->getTriggerId();
        const Input::ScreenArea* area = controller.getArea(static_cast<unsigned int>(sw->getTriggerAreaId()));
        if (area && trigger.getType() == claim.trigger && (claim.code == 0 || codeOf(trigger) == claim.code)
            && actionOf(*sw, claim.answer) == claim.action && claim.place(*area)
            && (claim.icon == ICON_ANY || area->getIconId() == claim.icon))
            return true;
    }
    return false;
}

// The help's paragraph that starts with the words, "" when there is none.
std::string paragraph(const std::string& help, const std::string& start)
{
    const std::string::size_type at = help.find("\n" + start);
    if (at == std::string::npos)
        return "";
    const std::string::size_type end = help.find("\n\n", at + 1);
    return help.substr(at + 1, end == std::string::npos ? std::string::npos : end - at - 1);
}

} // namespace

TEST(ShippedHelp, EveryInputTheHelpDescribesWorksAsItSaysInItsShippedProfile)
{
    using Input::TriggerId;
    const int SPACE = Devices::Keyboard::KEY_SPACE, ESC = Devices::Keyboard::KEY_ESC;
    const int LEFT = Devices::Mouse::MB_LEFT, RIGHT = Devices::Mouse::MB_RIGHT;
    const char* const STANDARD_MENUS = "KWEP_MENU_INPUT_STANDARD.cfg";
    const char* const STANDARD_PLAY = "KWEP_GAME_INPUT_STANDARD.cfg";
    const char* const SWITCH_MENUS = "KWEP_MENU_INPUT_ONESWITCH.cfg";
    const char* const SWITCH_PLAY = "KWEP_GAME_INPUT_ONESWITCH.cfg";
    const char* const HEAD_MENUS = "KWEP_MENU_INPUT_HEADTRACKER.cfg";
    const char* const HEAD_PLAY = "KWEP_GAME_INPUT_HEADTRACKER.cfg";
    const struct {
        const char* input; // how the help's paragraph starts
        std::vector<Claim> claims;
    } inputs[] = {
        {"With keys:",
         {{"Enter or the space bar chooses", STANDARD_MENUS, "MENU_INPUT_FILE", TriggerId::KEY, SPACE, ON_PRESS,
           SELECT, anywhere, ICON_ANY},
          {"In play, Esc pauses", STANDARD_PLAY, "GAME_INPUT_FILE", TriggerId::KEY, ESC, ON_PRESS, PAUSE, anywhere,
           ICON_ANY}}},
        {"With a joypad:",
         {{"the pad moves the band up and down", STANDARD_MENUS, "MENU_INPUT_FILE", TriggerId::JPAD,
           TriggerId::JPAD_DOWN, ON_PRESS, DOWN, anywhere, ICON_ANY},
          {"the pad moves the band up and down", STANDARD_MENUS, "MENU_INPUT_FILE", TriggerId::JPAD,
           TriggerId::JPAD_UP, ON_PRESS, UP, anywhere, ICON_ANY},
          {"button 1 chooses", STANDARD_MENUS, "MENU_INPUT_FILE", TriggerId::JPAD, TriggerId::JPAD_BUTTON1,
           ON_PRESS, SELECT, anywhere, ICON_ANY},
          {"button 1 chooses", STANDARD_MENUS, "TPAGE_INPUT_FILE", TriggerId::JPAD, TriggerId::JPAD_BUTTON1,
           ON_PRESS, SELECT, anywhere, ICON_ANY},
          {"button 1 is the switch: it takes the carrot", SWITCH_PLAY, "GAME_INPUT_FILE", TriggerId::JPAD,
           TriggerId::JPAD_BUTTON1, ON_PRESS, GRAB, anywhere, ICON_ANY},
          {"and lets it go as the space bar does", SWITCH_PLAY, "GAME_INPUT_FILE", TriggerId::JPAD,
           TriggerId::JPAD_BUTTON1, ON_RELEASE, RELEASE, anywhere, ICON_ANY}}},
        {"With a mouse:",
         {{"click the arrows right of the lines to move the band down or up", STANDARD_MENUS, "MENU_INPUT_FILE",
           TriggerId::MOUSE, LEFT, ON_PRESS, DOWN, rightOfLines, ICON_DOWN},
          {"click the arrows right of the lines to move the band down or up", STANDARD_MENUS, "MENU_INPUT_FILE",
           TriggerId::MOUSE, LEFT, ON_PRESS, UP, rightOfLines, ICON_UP},
          {"click the framed line to choose it", STANDARD_MENUS, "MENU_INPUT_FILE", TriggerId::MOUSE, LEFT,
           ON_PRESS, SELECT, anywhere, ICON_FRAME},
          {"the arrow at the bottom right moves the band down", STANDARD_MENUS, "TPAGE_INPUT_FILE",
           TriggerId::MOUSE, LEFT, ON_PRESS, DOWN, bottomRight, ICON_DOWN},
          {"a click on the framed line chooses it", STANDARD_MENUS, "TPAGE_INPUT_FILE", TriggerId::MOUSE, LEFT,
           ON_PRESS, SELECT, anywhere, ICON_FRAME},
          {"hold the left button to grab it", STANDARD_PLAY, "GAME_INPUT_FILE", TriggerId::MOUSE, LEFT, ON_PRESS,
           GRAB, anywhere, ICON_ANY},
          {"let go to throw", STANDARD_PLAY, "GAME_INPUT_FILE", TriggerId::MOUSE, LEFT, ON_RELEASE, RELEASE,
           anywhere, ICON_ANY},
          {"The right button grabs it too", STANDARD_PLAY, "GAME_INPUT_FILE", TriggerId::MOUSE, RIGHT, ON_PRESS,
           GRAB, anywhere, ICON_ANY},
          {"Press Esc to pause", STANDARD_PLAY, "GAME_INPUT_FILE", TriggerId::KEY, ESC, ON_PRESS, PAUSE, anywhere,
           ICON_ANY}}},
        {"With one switch:",
         {{"in the menus a short press chooses the banded line", SWITCH_MENUS, "MENU_INPUT_FILE", TriggerId::KEY,
           SPACE, ON_RELEASE, SELECT, anywhere, ICON_ANY},
          {"holding the switch down moves the band to the next line", SWITCH_MENUS, "MENU_INPUT_FILE",
           TriggerId::KEY, SPACE, ON_HOLD, DOWN, anywhere, ICON_ANY},
          {"a short press moves the band to the next line", SWITCH_MENUS, "TPAGE_INPUT_FILE", TriggerId::KEY, SPACE,
           ON_RELEASE, DOWN, anywhere, ICON_ANY},
          {"holding the switch down chooses the banded line", SWITCH_MENUS, "TPAGE_INPUT_FILE", TriggerId::KEY,
           SPACE, ON_HOLD, SELECT, anywhere, ICON_ANY},
          {"Press the switch then to take the carrot", SWITCH_PLAY, "GAME_INPUT_FILE", TriggerId::KEY, SPACE,
           ON_PRESS, GRAB, anywhere, ICON_ANY},
          {"let go as it stands up above the hand to throw it", SWITCH_PLAY, "GAME_INPUT_FILE", TriggerId::KEY,
           SPACE, ON_RELEASE, RELEASE, anywhere, ICON_ANY}}},
        {"With a head tracker:",
         {{"on the arrow at the bottom of the right edge to move down", HEAD_MENUS, "MENU_INPUT_FILE",
           TriggerId::DWELL, 0, ON_PRESS, DOWN, rightBottom, ICON_DOWN},
          {"on the one at the top of the right edge to move up", HEAD_MENUS, "MENU_INPUT_FILE", TriggerId::DWELL, 0,
           ON_PRESS, UP, rightTop, ICON_UP},
          {"on the middle of the right edge to choose", HEAD_MENUS, "MENU_INPUT_FILE", TriggerId::DWELL, 0,
           ON_PRESS, SELECT, rightMiddle, ICON_ANY},
          {"on the left edge to go back", HEAD_MENUS, "MENU_INPUT_FILE", TriggerId::DWELL, 0, ON_PRESS, BACK,
           leftSide, ICON_ANY},
          {"the bottom of the right edge moves down", HEAD_MENUS, "TPAGE_INPUT_FILE", TriggerId::DWELL, 0, ON_PRESS,
           DOWN, rightBottom, ICON_DOWN},
          {"the middle of the right edge chooses", HEAD_MENUS, "TPAGE_INPUT_FILE", TriggerId::DWELL, 0, ON_PRESS,
           SELECT, rightMiddle, ICON_ANY},
          {"the lower left edge goes back", HEAD_MENUS, "TPAGE_INPUT_FILE", TriggerId::DWELL, 0, ON_PRESS, BACK,
           leftLower, ICON_ANY},
          {"rest the pointer on the carrot to grab it", HEAD_PLAY, "GAME_INPUT_FILE", TriggerId::DWELL, 0, ON_PRESS,
           GRAB, anywhere, ICON_ANY},
          {"move the pointer off the top of the screen to drop it", HEAD_PLAY, "GAME_INPUT_FILE",
           TriggerId::ENTERLEAVE, 0, ON_RELEASE, RELEASE, anywhere, ICON_ANY},
          {"move into a bottom corner of the screen to let go", HEAD_PLAY, "GAME_INPUT_FILE", TriggerId::ENTERLEAVE,
           0, ON_PRESS, RELEASE, bottomLeftCorner, ICON_ANY},
          {"move into a bottom corner of the screen to let go", HEAD_PLAY, "GAME_INPUT_FILE", TriggerId::ENTERLEAVE,
           0, ON_PRESS, RELEASE, bottomRightCorner, ICON_ANY},
          {"Moving it into the middle of the bottom edge pauses the game", HEAD_PLAY, "GAME_INPUT_FILE",
           TriggerId::ENTERLEAVE, 0, ON_PRESS, PAUSE, bottomMiddle, ICON_ANY}}},
    };
    CFG::Info menus(SOURCE + "/data/Config/KWEP_MENUS.cfg", nullptr);
    std::string help;
    ASSERT_TRUE(Files::TextFile::load(SOURCE + "/" + menus.get("MAIN_HELP_FILE"), help, "\n"));
    help = "\n" + help;
    for (const auto& input : inputs) {
        SCOPED_TRACE(input.input);
        const std::string said = paragraph(help, input.input);
        ASSERT_FALSE(said.empty()) << "the help has no paragraph for this input";
        for (const Claim& claim : input.claims) {
            SCOPED_TRACE(std::string(claim.profile) + " " + claim.key + ": " + claim.words);
            EXPECT_NE(said.find(claim.words), std::string::npos) << "the help no longer says so";
            const std::unique_ptr<Input::InputController> controller = load(claim.profile, claim.key);
            ASSERT_TRUE(controller);
            EXPECT_TRUE(holds(*controller, claim)) << "the profile does not do it";
        }
    }
}
