#include "ScriptedWindowApp.h"

#include <GL/glew.h>
#include <GLFW/glfw3.h>

#include "core/Event.h"
#include "core/EventBus.h"
#include "core/EventIds.h"
#include "core/Event_Key.h"
#include "core/Event_Mouse.h"
#include "core/Event_Screen.h"
#include "core/Event_SetMouse.h"
#include "core/Event_Update.h"
#include "input/Screen.h"
#include "shell/I_Config.h"
#include "shell/I_Game.h"
#include "shell/OptionKey.h"

namespace {

const int FRAME_MS = 16;

void raise(EVT::I_Event& event) { EVT::EventBus::instance()->raiseEvent(&event, false); }

} // namespace

ScriptedWindowApp::ScriptedWindowApp(int width, int height, Script script, int frameLimit)
    : m_window(nullptr), m_width(width), m_height(height), m_script(std::move(script)), m_frameLimit(frameLimit)
{
    if (!glfwInit())
        return;
    glfwWindowHint(GLFW_VISIBLE, GLFW_FALSE);
    glfwWindowHint(GLFW_DEPTH_BITS, 24);
    m_window = glfwCreateWindow(width, height, "Frelmory", nullptr, nullptr);
    if (!m_window)
        return;
    glfwMakeContextCurrent(m_window);
    if (glewInit() != GLEW_OK) {
        glfwDestroyWindow(m_window);
        m_window = nullptr;
        return;
    }
    EVT::Event_Screen screen(EVT::EVENT_SCREEN, width, height);
    raise(screen);
}

ScriptedWindowApp::~ScriptedWindowApp()
{
    if (m_window)
        glfwDestroyWindow(m_window);
}

bool ScriptedWindowApp::isOpen() const { return m_window != nullptr; }

void ScriptedWindowApp::initWindowApp(int*, char**)
{
    EVT::Event_Screen screen(EVT::EVENT_SCREEN, m_width, m_height);
    raise(screen);
    movePointer(m_width / 2, m_height / 2);
    EVT::EventBus* bus = EVT::EventBus::instance();
    bus->addConsumer(EVT::EVENT_PLAY, this);
    bus->addConsumer(EVT::EVENT_QUIT, this);
    bus->addConsumer(EVT::EVENT_SETMOUSE, this);
}

void ScriptedWindowApp::startWindowApp()
{
    while (!m_quit && !reachedLimit()) {
        // A key is held for one frame, as a quick press would be.
        releaseKeys();
        if (m_script)
            m_script(*this, m_frames);
        EVT::Event_Update update(EVT::EVENT_UPDATE, FRAME_MS);
        raise(update);
        if (m_frames % drawEvery != 0) {
            ++m_frames;
            continue;
        }
        const Game::I_Game* game = Game::I_Game::instance();
        const unsigned long* colour =
            game && game->getConfig() ? game->getConfig()->getULongPtr(Game::OPTION_CLEAR_COLOUR) : nullptr;
        glPushMatrix();
        clearWindow(colour ? *colour : 0);
        EVT::Event render(EVT::EVENT_RENDER);
        raise(render);
        if (afterDraw)
            afterDraw(m_frames);
        glfwSwapBuffers(m_window);
        glPopMatrix();
        ++m_frames;
    }
}

void ScriptedWindowApp::clearWindow(unsigned long colour)
{
    glClearColor(((colour >> 24) & 0xff) / 255.0f, ((colour >> 16) & 0xff) / 255.0f,
                 ((colour >> 8) & 0xff) / 255.0f, (colour & 0xff) / 255.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

void ScriptedWindowApp::showWindow()
{
    if (onShow)
        onShow();
    glfwSwapBuffers(m_window);
}

void ScriptedWindowApp::getAllowedSizes(std::vector<std::pair<int, int> >& sizes)
{
    sizes = {{640, 480}, {800, 600}};
}

void ScriptedWindowApp::setSize(const std::pair<int, int>& size)
{
    m_width = size.first;
    m_height = size.second;
    glfwSetWindowSize(m_window, m_width, m_height);
    EVT::Event_Screen screen(EVT::EVENT_SCREEN, m_width, m_height);
    raise(screen);
}

void ScriptedWindowApp::handleEvent(EVT::I_Event* event)
{
    switch (event->getEventID()) {
    case EVT::EVENT_QUIT:
        m_quit = true;
        break;
    case EVT::EVENT_PLAY:
        m_pointerX = m_width / 2;
        m_pointerY = m_height / 2;
        break;
    case EVT::EVENT_SETMOUSE: {
        // The real window warps unless a coordinate is -1 with a cursor change,
        // and answers every set-mouse event with the pointer's position.
        const EVT::Event_SetMouse* setMouse = EVT::eventCast<EVT::Event_SetMouse>(event);
        if (!setMouse)
            break;
        const bool keep = setMouse->getWarpX() == -1 || setMouse->getWarpY() == -1;
        if (!keep || setMouse->getCursorMode() == EVT::Event_SetMouse::CURSOR_KEEP)
            movePointer(setMouse->getWarpX(), setMouse->getWarpY());
        else
            movePointer(m_pointerX, m_pointerY);
        break;
    }
    default:
        break;
    }
}

void ScriptedWindowApp::pressKey(unsigned char key)
{
    releaseKeys();
    EVT::Event_Key event(EVT::EVENT_KEY, key, true, 0);
    raise(event);
    m_held.push_back(key);
}

void ScriptedWindowApp::releaseKeys()
{
    for (unsigned char key : m_held) {
        EVT::Event_Key event(EVT::EVENT_KEY, key, false, 0);
        raise(event);
    }
    m_held.clear();
}

void ScriptedWindowApp::movePointer(int x, int y)
{
    m_pointerX = x;
    m_pointerY = y;
    EVT::Event_Mouse event(EVT::EVENT_MOUSE, x, y, 0, false);
    raise(event);
}

void ScriptedWindowApp::raiseButton(int mask, bool pressed)
{
    EVT::Event_Mouse event(EVT::EVENT_MOUSE, m_pointerX, m_pointerY, mask, pressed);
    raise(event);
}
