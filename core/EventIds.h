#ifndef FRELMORY_CORE_EVENTIDS_H
#define FRELMORY_CORE_EVENTIDS_H

namespace EVT {

// The event ids of the system. Input action numbers share this id space, so
// an event with one of these ids may still be of another class than the one
// named here: check the class before reading the payload (EVT::eventCast).
enum EventId {
    EVENT_QUIT = 0,              // Event
    EVENT_PLAY = 1,              // Event
    EVENT_MENUS = 2,             // Event: back to the menus
    EVENT_PAUSE = 3,             // EventWithString (input action)
    EVENT_RESUME = 4,            // Event
    EVENT_UPDATE = 8,            // Event_Update
    EVENT_CAMERA = 9,            // Event_Camera
    EVENT_VIEW = 10,             // Event_View
    EVENT_SETMOUSE = 11,         // Event_SetMouse
    EVENT_RENDER = 12,           // Event
    EVENT_SCREEN = 13,           // Event_Screen
    EVENT_VIEWPORT = 14,         // Event_Viewport
    EVENT_SCISSOR = 15,          // Event_Scissor
    EVENT_MOUSE = 16,            // Event_Mouse
    EVENT_ENTERLEAVE = 17,       // Event_EnterLeave
    EVENT_KEY = 18,              // Event_Key
    EVENT_JOYPAD = 19,           // Event_Joypad
    EVENT_CONFIGCHANGE = 21,     // Event_ConfigChange
    EVENT_MOVE = 22,             // Event_Move
    EVENT_MENU_RESERVED = 23,    // menu action, ignored
    EVENT_MENU_DOWN = 24,        // menu actions
    EVENT_MENU_UP = 25,
    EVENT_MENU_BACK = 26,
    EVENT_MENU_SELECT = 27,
    EVENT_MENUPAGE = 28,         // Event_MenuPage
    EVENT_MENUITEM = 29,         // Event_MenuItem
    EVENT_MENUCHOICE = 30,       // Event_MenuChoice
    EVENT_EFFECT = 31,           // Event_Effect
    EVENT_INPUTCONTROLLER = 32,  // Event_InputController
    EVENT_GOTO_AREA = 33,        // EventWithString: the area's name
    EVENT_SOUND = 34,            // Event_Sound
    EVENT_SCORE = 35,            // Event_Score
    EVENT_SNOWMAN_DOWN = 36,     // Event: level cleared
    EVENT_GRAB = 37,             // EventWithString (input action): "LOCKED" or "FREE"
    EVENT_RELEASE = 38,          // EventWithString (input action)
    EVENT_SNOWMAN_MADE = 39,     // Event, and the play notices up to 48
    EVENT_HIT_BELOW_LIMIT = 40,
    EVENT_SNOWMAN_FELL = 41,
    EVENT_PART_EXPLODED = 42,
    EVENT_LAST_PART_EXPLODED = 43,
    EVENT_ROCK_THROWN = 44,
    EVENT_CARROT_EXPLODED = 45,
    EVENT_NOTICE_RESERVED = 46,
    EVENT_ITEM_GRABBED = 47,
    EVENT_ITEM_RELEASED = 48,
    EVENT_NEXT_LEVEL = 49,       // Event
    EVENT_GAME_OVER = 50         // EventWithString: the ending text
};

} // namespace EVT

#endif
