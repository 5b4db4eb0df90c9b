#include "shell/GLFWApp.h"

#include "core/Event.h"
#include "core/EventBus.h"
#include "core/EventIds.h"
#include "core/Event_EnterLeave.h"
#include "core/Event_Key.h"
#include "core/Event_Mouse.h"
#include "core/Event_Screen.h"
#include "core/Event_SetMouse.h"
#include "core/Event_Update.h"
#include "core/I_EventConsumer.h"
#include "FakeRenderController.h"
#include "TestGame.h"
#include "shell/I_Config.h"
#include "shell/OptionKey.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// Last: its macros (None, Bool, Status) must not reach the headers above.
#include <X11/Xlib.h>
#include <dlfcn.h>

// The window library asks the X server for the focus with this call, a round
// trip: the stand-in counts the calls and passes each on.
int g_focusQueries = 0;

extern "C" int XGetInputFocus(Display* display, Window* focus, int* revertTo) {
    typedef int (*Query)(Display*, Window*, int*);
    static const Query l_real = reinterpret_cast<Query>(dlsym(RTLD_NEXT, "XGetInputFocus"));
    ++g_focusQueries;
    return l_real(display, focus, revertTo);
}

#include "shell/X11WindowLoss.h"

namespace {

// Keeps a copy of every event of the ids it is subscribed to, in arrival
// order, and runs an optional action on each.
class Recorder : public EVT::I_EventConsumer {
public:
    explicit Recorder(std::vector<int> ids) {
        for (int id : ids) {
            EVT::EventBus::instance()->addConsumer(id, this);
        }
    }

    void handleEvent(EVT::I_Event* event) override {
        events.emplace_back(event->clone());
        if (onEvent) {
            onEvent(*event);
        }
    }

    std::vector<int> ids() const {
        std::vector<int> result;
        for (const auto& event : events) {
            result.push_back(event->getEventID());
        }
        return result;
    }

    template <typename E>
    std::vector<const E*> all(int id) const {
        std::vector<const E*> result;
        for (const auto& event : events) {
            if (event->getEventID() == id) {
                const E* typed = dynamic_cast<const E*>(event.get());
                EXPECT_NE(nullptr, typed) << "event " << id << " of an unexpected class";
                if (typed != nullptr) {
                    result.push_back(typed);
                }
            }
        }
        return result;
    }

    std::vector<std::unique_ptr<EVT::I_Event> > events;
    std::function<void(const EVT::I_Event&)> onEvent;
};

void raiseNow(EVT::I_Event&& event) {
    EVT::EventBus::instance()->raiseEvent(&event, false);
}

// Lets the window handle its input until `done` holds, or a minute passes
// (the X server answers within that on the busiest machine).
bool pumpUntil(Game::GLFWApp& app, const std::function<bool()>& done) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (!done()) {
        if (std::chrono::steady_clock::now() > end) {
            return false;
        }
        app.showWindow();
    }
    return true;
}

const char* const TITLE = "Frelmory window test";

// Destroys the top-level window of that title through a connection of its
// own, as another X client would; false when no such window was found.
bool destroyFromAnotherClient(const char* title) {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        return false;
    }
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    bool found = false;
    XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count);
    for (unsigned int i = 0; i < count && !found; ++i) {
        char* name = nullptr;
        if (XFetchName(display, children[i], &name) != 0 && name != nullptr) {
            found = std::string(name) == title;
            XFree(name);
        }
        if (found) {
            XDestroyWindow(display, children[i]);
        }
    }
    if (children != nullptr) {
        XFree(children);
    }
    XSync(display, False);
    XCloseDisplay(display);
    return found;
}

TEST(GLFWApp, ConstructionOpensTheWindowAndRaisesItsSize) {
    Recorder screens({EVT::EVENT_SCREEN});
    Game::GLFWApp app(TITLE, 320, 200, false, nullptr, nullptr);
    ASSERT_TRUE(app.isOpen());
    const auto events = screens.all<EVT::Event_Screen>(EVT::EVENT_SCREEN);
    ASSERT_EQ(1u, events.size());
    EXPECT_EQ(320, events[0]->width);
    EXPECT_EQ(200, events[0]->height);
}

TEST(GLFWApp, InitRaisesOneScreenEventThenOneMouseEvent) {
    Game::GLFWApp app(TITLE, 320, 200, false, nullptr, nullptr);
    ASSERT_TRUE(app.isOpen());
    Recorder recorder({EVT::EVENT_SCREEN, EVT::EVENT_MOUSE});
    app.initWindowApp(nullptr, nullptr);
    ASSERT_EQ((std::vector<int>{EVT::EVENT_SCREEN, EVT::EVENT_MOUSE}), recorder.ids());
    const auto screen = recorder.all<EVT::Event_Screen>(EVT::EVENT_SCREEN);
    ASSERT_EQ(1u, screen.size());
    EXPECT_EQ(320, screen[0]->width);
    EXPECT_EQ(200, screen[0]->height);
    const auto mouse = recorder.all<EVT::Event_Mouse>(EVT::EVENT_MOUSE);
    ASSERT_EQ(1u, mouse.size());
    EXPECT_EQ(0, mouse[0]->button);
    EXPECT_FALSE(mouse[0]->pressed);
}

TEST(GLFWApp, FramesRaiseUpdateThenRenderUntilAConsumerQuits) {
    Game::GLFWApp app(TITLE, 160, 120, false, nullptr, nullptr);
    ASSERT_TRUE(app.isOpen());
    app.initWindowApp(nullptr, nullptr);
    Recorder frames({EVT::EVENT_UPDATE, EVT::EVENT_RENDER});
    int renders = 0;
    frames.onEvent = [&renders](const EVT::I_Event& event) {
        if (event.getEventID() == EVT::EVENT_RENDER && ++renders == 2) {
            raiseNow(EVT::Event(EVT::EVENT_QUIT));
        }
    };
    app.startWindowApp();
    EXPECT_EQ((std::vector<int>{EVT::EVENT_UPDATE, EVT::EVENT_RENDER, EVT::EVENT_UPDATE,
                                EVT::EVENT_RENDER}),
              frames.ids());
    for (const EVT::Event_Update* update : frames.all<EVT::Event_Update>(EVT::EVENT_UPDATE)) {
        EXPECT_GE(update->ms, 0);
    }
    // The exit flag stays set: a second loop returns at once.
    frames.events.clear();
    app.startWindowApp();
    EXPECT_TRUE(frames.events.empty());
}

TEST(GLFWApp, FocusChangesAreRaisedBeforeTheUpdateAndSilenceTheMouse) {
    Game::GLFWApp app(TITLE, 160, 120, false, nullptr, nullptr);
    ASSERT_TRUE(app.isOpen());
    app.initWindowApp(nullptr, nullptr);
    const std::string window = std::string("xdotool search --name '^") + TITLE + "$' ";
    Recorder recorder({EVT::EVENT_UPDATE, EVT::EVENT_ENTERLEAVE, EVT::EVENT_MOUSE});
    int updates = 0;
    recorder.onEvent = [&](const EVT::I_Event& event) {
        if (event.getEventID() != EVT::EVENT_UPDATE) {
            return;
        }
        ++updates;
        if (updates == 1) {
            EXPECT_EQ(0, std::system((window + "windowunmap --sync").c_str()));
        } else if (updates == 2) {
            // Inactive: a set-mouse event is carried out but raises no mouse event.
            raiseNow(EVT::Event_SetMouse(EVT::EVENT_SETMOUSE, 5, 5, 0));
            EXPECT_EQ(0, std::system((window + "windowmap --sync windowfocus --sync").c_str()));
        } else {
            raiseNow(EVT::Event(EVT::EVENT_QUIT));
        }
    };
    app.startWindowApp();
    std::vector<int> ids = recorder.ids();
    ids.erase(std::remove(ids.begin(), ids.end(), static_cast<int>(EVT::EVENT_MOUSE)), ids.end());
    EXPECT_EQ((std::vector<int>{EVT::EVENT_UPDATE, EVT::EVENT_ENTERLEAVE, EVT::EVENT_UPDATE,
                                EVT::EVENT_ENTERLEAVE, EVT::EVENT_UPDATE}),
              ids);
    const auto focus = recorder.all<EVT::Event_EnterLeave>(EVT::EVENT_ENTERLEAVE);
    ASSERT_EQ(2u, focus.size());
    EXPECT_FALSE(focus[0]->active);
    EXPECT_TRUE(focus[1]->active);
    // No mouse event between losing and regaining the focus.
    bool inactive = false;
    for (const auto& event : recorder.events) {
        if (event->getEventID() == EVT::EVENT_ENTERLEAVE) {
            inactive = !dynamic_cast<const EVT::Event_EnterLeave&>(*event).active;
        }
        EXPECT_FALSE(inactive && event->getEventID() == EVT::EVENT_MOUSE);
    }
}

TEST(GLFWApp, FramesLeaveTheFocusToItsCallbackAndAskTheServerOnlyAtTheStart) {
    Game::GLFWApp app(TITLE, 160, 120, false, nullptr, nullptr);
    ASSERT_TRUE(app.isOpen());
    app.initWindowApp(nullptr, nullptr);
    Recorder frames({EVT::EVENT_RENDER});
    frames.onEvent = [&frames](const EVT::I_Event&) {
        if (frames.events.size() == 20) {
            raiseNow(EVT::Event(EVT::EVENT_QUIT));
        }
    };
    g_focusQueries = 0;
    app.startWindowApp();
    EXPECT_EQ(20u, frames.events.size());
    EXPECT_EQ(1, g_focusQueries);
}

TEST(GLFWApp, EachFrameClearsToTheColourOption) {
    TestSupport::TestGame game;
    *game.getConfig()->getULongPtr(Game::OPTION_CLEAR_COLOUR) = 0x336699FFUL;
    Game::GLFWApp app(TITLE, 64, 48, false, nullptr, nullptr);
    ASSERT_TRUE(app.isOpen());
    app.initWindowApp(nullptr, nullptr);
    unsigned char pixel[4] = {0, 0, 0, 0};
    Recorder render({EVT::EVENT_RENDER});
    render.onEvent = [&pixel](const EVT::I_Event&) {
        glReadPixels(10, 10, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel);
        raiseNow(EVT::Event(EVT::EVENT_QUIT));
    };
    app.startWindowApp();
    EXPECT_EQ(0x33, pixel[0]);
    EXPECT_EQ(0x66, pixel[1]);
    EXPECT_EQ(0x99, pixel[2]);

    app.clearWindow(0xFF000000UL);
    glReadPixels(10, 10, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel);
    EXPECT_EQ(0xFF, pixel[0]);
    EXPECT_EQ(0x00, pixel[1]);
    EXPECT_EQ(0x00, pixel[2]);
}

TEST(GLFWApp, SetMouseIsFollowedByOneMouseEventAtTheRememberedPosition) {
    Game::GLFWApp app(TITLE, 320, 200, false, nullptr, nullptr);
    ASSERT_TRUE(app.isOpen());
    app.initWindowApp(nullptr, nullptr);
    const struct {
        int x;
        int y;
        int mode;
        int expectX;
        int expectY;
    } cases[] = {
        {50, 60, EVT::Event_SetMouse::CURSOR_KEEP, 50, 60},
        {-1, -1, EVT::Event_SetMouse::CURSOR_HIDE, 50, 60},  // hides without moving
        {70, 80, EVT::Event_SetMouse::CURSOR_HIDE, 70, 80},
        {-1, -1, EVT::Event_SetMouse::CURSOR_SHOW, 160, 100},  // a hidden cursor comes back centred
        {-1, -1, EVT::Event_SetMouse::CURSOR_HIDE, 160, 100},
        {100, 110, EVT::Event_SetMouse::CURSOR_SHOW, 100, 110},
        {90, -1, EVT::Event_SetMouse::CURSOR_SHOW, 100, 110},   // shows without moving
    };
    for (const auto& c : cases) {
        Recorder mouse({EVT::EVENT_MOUSE});
        raiseNow(EVT::Event_SetMouse(EVT::EVENT_SETMOUSE, c.x, c.y, c.mode));
        const auto events = mouse.all<EVT::Event_Mouse>(EVT::EVENT_MOUSE);
        ASSERT_EQ(1u, events.size()) << "mode " << c.mode;
        EXPECT_EQ(c.expectX, events[0]->x) << "mode " << c.mode;
        EXPECT_EQ(c.expectY, events[0]->y) << "mode " << c.mode;
        EXPECT_EQ(0, events[0]->button);
        EXPECT_FALSE(events[0]->pressed);
    }
    // An event of another class under the set-mouse id is ignored.
    Recorder mouse({EVT::EVENT_MOUSE});
    raiseNow(EVT::Event(EVT::EVENT_SETMOUSE));
    EXPECT_TRUE(mouse.events.empty());
}

TEST(GLFWApp, RealKeyPressReachesTheBusAsAKeyEvent) {
    Game::GLFWApp app(TITLE, 320, 200, false, nullptr, nullptr);
    ASSERT_TRUE(app.isOpen());
    app.initWindowApp(nullptr, nullptr);
    Recorder keys({EVT::EVENT_KEY});
    ASSERT_EQ(0, std::system("xdotool keydown shift keydown a keyup a keyup shift key KP_5 F1 Up"));
    // F1 has no game code: four presses and four releases remain.
    ASSERT_TRUE(pumpUntil(app, [&keys] { return keys.events.size() >= 6; }));
    const auto events = keys.all<EVT::Event_Key>(EVT::EVENT_KEY);
    const struct {
        unsigned char key;
        bool pressed;
        unsigned int modifiers;
    } expected[] = {
        {'a', true, 1}, {'a', false, 1},   // shift held
        {133, true, 0}, {133, false, 0},   // keypad 5
        {6, true, 0},   {6, false, 0},     // up
    };
    ASSERT_EQ(6u, events.size());
    for (size_t i = 0; i < events.size(); ++i) {
        EXPECT_EQ(expected[i].key, events[i]->key) << i;
        EXPECT_EQ(expected[i].pressed, events[i]->pressed) << i;
        EXPECT_EQ(expected[i].modifiers, events[i]->modifiers) << i;
    }
}

TEST(GLFWApp, RealPointerInputReachesTheBusAsMouseEvents) {
    Game::GLFWApp app(TITLE, 320, 200, false, nullptr, nullptr);
    ASSERT_TRUE(app.isOpen());
    app.initWindowApp(nullptr, nullptr);
    Recorder mouse({EVT::EVENT_MOUSE});
    const std::string command = std::string("xdotool search --name '^") + TITLE +
                                "$' mousemove --window %1 40 30 click 3";
    ASSERT_EQ(0, std::system(command.c_str()));
    ASSERT_TRUE(pumpUntil(app, [&mouse] { return mouse.events.size() >= 3; }));
    const auto events = mouse.all<EVT::Event_Mouse>(EVT::EVENT_MOUSE);
    ASSERT_EQ(3u, events.size());
    EXPECT_EQ(40, events[0]->x);
    EXPECT_EQ(30, events[0]->y);
    EXPECT_EQ(0, events[0]->button);
    // The button events carry the last pointer position.
    EXPECT_EQ(2, events[1]->button);
    EXPECT_TRUE(events[1]->pressed);
    EXPECT_EQ(40, events[1]->x);
    EXPECT_EQ(30, events[1]->y);
    EXPECT_EQ(2, events[2]->button);
    EXPECT_FALSE(events[2]->pressed);
}

TEST(GLFWApp, RunsUnderTheGameRootAndPlayCentresThePointer) {
    TestSupport::TestGame game;
    TestSupport::FakeRenderController render;
    Game::GLFWApp app(TITLE, 300, 200, false, nullptr, nullptr);
    ASSERT_TRUE(app.isOpen());
    Recorder recorder({EVT::EVENT_UPDATE, EVT::EVENT_MOUSE});
    int updates = 0;
    recorder.onEvent = [&updates](const EVT::I_Event& event) {
        if (event.getEventID() != EVT::EVENT_UPDATE) {
            return;
        }
        if (++updates == 1) {
            raiseNow(EVT::Event(EVT::EVENT_PLAY));
            raiseNow(EVT::Event_SetMouse(EVT::EVENT_SETMOUSE, -1, -1,
                                         EVT::Event_SetMouse::CURSOR_SHOW));
        } else {
            raiseNow(EVT::Event(EVT::EVENT_QUIT));
        }
    };
    game.runGame(nullptr, nullptr, &app, &render, nullptr);
    EXPECT_EQ(2, updates);
    // The screen device took the window's size from the start-up, and the
    // pointer went to its centre.
    const auto mouse = recorder.all<EVT::Event_Mouse>(EVT::EVENT_MOUSE);
    ASSERT_FALSE(mouse.empty());
    EXPECT_EQ(150, mouse.back()->x);
    EXPECT_EQ(100, mouse.back()->y);
    EXPECT_EQ((std::vector<std::string>{"initGame", "shutdownGame"}), game.calls);
}

TEST(GLFWApp, SetSizeAnnouncesTheSizeWithNoZeroSide) {
    Game::GLFWApp app(TITLE, 320, 200, false, nullptr, nullptr);
    ASSERT_TRUE(app.isOpen());
    Recorder screens({EVT::EVENT_SCREEN});
    app.setSize(std::make_pair(240, 0));
    const auto events = screens.all<EVT::Event_Screen>(EVT::EVENT_SCREEN);
    ASSERT_EQ(1u, events.size());
    EXPECT_EQ(240, events[0]->width);
    EXPECT_EQ(1, events[0]->height);

    std::vector<std::pair<int, int> > sizes(1, std::make_pair(-5, -5));
    app.getAllowedSizes(sizes);
    ASSERT_FALSE(sizes.empty());
    for (size_t i = 0; i < sizes.size(); ++i) {
        EXPECT_GT(sizes[i].first, 0);
        if (i > 0) {
            EXPECT_LT(sizes[i - 1], sizes[i]);  // ascending, no duplicates
        }
    }
}

// A connection of the test's own to the X server, held while the window
// opens: the server resets when its last client leaves, and a window opened
// during the reset would find no display.
class XConnection {
public:
    XConnection() : m_display(XOpenDisplay(nullptr)) {}
    ~XConnection() {
        if (m_display != nullptr) {
            XCloseDisplay(m_display);
        }
    }
    XConnection(const XConnection&) = delete;
    XConnection& operator=(const XConnection&) = delete;

    // The screen's size; 0 x 0 without a server.
    std::pair<int, int> screenSize() const {
        if (m_display == nullptr) {
            return std::make_pair(0, 0);
        }
        const int screen = DefaultScreen(m_display);
        return std::make_pair(DisplayWidth(m_display, screen), DisplayHeight(m_display, screen));
    }

private:
    Display* m_display;
};

// A window size asked for (a side of -1 stands for the screen's own) and
// whether it is larger than the screen. A long thin window fails fast when
// nothing holds it to the screen, where a huge square one would take minutes.
struct AskedSize {
    int width;
    int height;
    bool larger;
};

class GLFWAppClamp : public ::testing::TestWithParam<AskedSize> {};

// A window larger than the screen would make a software renderer allocate
// every pixel: it opens at the screen's size instead, side by side, with a
// message naming both sizes; one that fits opens as asked, without a word.
TEST_P(GLFWAppClamp, AWindowLargerThanTheScreenOpensAtTheScreensSize) {
    const XConnection x;
    const std::pair<int, int> screen = x.screenSize();
    ASSERT_GT(screen.first, 0);
    const auto side = [](int asked, int screenSide) { return asked == -1 ? screenSide : asked; };
    const int width = side(GetParam().width, screen.first);
    const int height = side(GetParam().height, screen.second);
    Recorder screens({EVT::EVENT_SCREEN});
    testing::internal::CaptureStderr();
    Game::GLFWApp app(TITLE, width, height, false, nullptr, nullptr);
    const std::string message = testing::internal::GetCapturedStderr();
    ASSERT_TRUE(app.isOpen()) << message;
    const auto events = screens.all<EVT::Event_Screen>(EVT::EVENT_SCREEN);
    ASSERT_EQ(1u, events.size());
    EXPECT_EQ(std::min(width, screen.first), events[0]->width);
    EXPECT_EQ(std::min(height, screen.second), events[0]->height);
    const std::string asked = std::to_string(width) + " x " + std::to_string(height);
    EXPECT_EQ(GetParam().larger, message.find("window size " + asked + " is larger than the screen")
                                     != std::string::npos) << message;
}

std::string sizeName(const ::testing::TestParamInfo<AskedSize>& info) {
    const auto side = [](int asked) { return asked == -1 ? std::string("Screen") : std::to_string(asked); };
    return side(info.param.width) + "x" + side(info.param.height);
}

INSTANTIATE_TEST_SUITE_P(Sizes, GLFWAppClamp,
                         ::testing::Values(AskedSize{100000, 100000, true}, AskedSize{-1, -1, false},
                                           AskedSize{100000, 300, true}, AskedSize{300, 100000, true}),
                         sizeName);

TEST(GLFWApp, WindowWithABadSizeIsAFailureNotALoop) {
    const std::pair<int, int> badSizes[] = {{0, 0}, {640, 0}, {-5, 480}, {-1, -1}};
    for (const auto& size : badSizes) {
        Recorder recorder({EVT::EVENT_SCREEN, EVT::EVENT_MOUSE, EVT::EVENT_UPDATE});
        testing::internal::CaptureStderr();
        Game::GLFWApp app(TITLE, size.first, size.second, false, nullptr, nullptr);
        const std::string message = testing::internal::GetCapturedStderr();
        EXPECT_FALSE(app.isOpen());
        EXPECT_NE(std::string::npos, message.find("could not be opened")) << message;
        // Every operation is harmless: no loop runs and nothing is raised.
        app.initWindowApp(nullptr, nullptr);
        app.startWindowApp();
        app.showWindow();
        app.clearWindow(0);
        app.setSize(std::make_pair(10, 10));
        std::vector<std::pair<int, int> > sizes(1, std::make_pair(1, 1));
        app.getAllowedSizes(sizes);
        EXPECT_TRUE(sizes.empty());
        EXPECT_TRUE(recorder.events.empty());
    }
}

TEST(GLFWApp, WindowWithoutADisplayIsAFailure) {
    ASSERT_EQ(0, setenv("DISPLAY", ":4093", 1));
    testing::internal::CaptureStderr();
    Game::GLFWApp app(TITLE, 320, 200, false, nullptr, nullptr);
    const std::string message = testing::internal::GetCapturedStderr();
    EXPECT_FALSE(app.isOpen());
    EXPECT_NE(std::string::npos, message.find("could not be opened")) << message;
    app.startWindowApp();
}

TEST(GLFWApp, OnlyOneWindowIsOpenAtATime) {
    Game::GLFWApp first(TITLE, 64, 48, false, nullptr, nullptr);
    ASSERT_TRUE(first.isOpen());
    testing::internal::CaptureStderr();
    {
        Game::GLFWApp second(TITLE, 64, 48, false, nullptr, nullptr);
        EXPECT_FALSE(second.isOpen());
    }
    testing::internal::GetCapturedStderr();
    EXPECT_TRUE(first.isOpen());
}

TEST(GLFWApp, OutlivesTheGameRootAndTheGLObjects) {
    std::unique_ptr<TestSupport::TestGame> game(new TestSupport::TestGame);
    std::unique_ptr<Game::GLFWApp> app(new Game::GLFWApp(TITLE, 64, 48, false, nullptr, nullptr));
    ASSERT_TRUE(app->isOpen());
    app->initWindowApp(nullptr, nullptr);
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    EXPECT_EQ(GL_TRUE, glIsTexture(texture));
    // The program entry's order: GL objects and the game root go first.
    glDeleteTextures(1, &texture);
    EXPECT_EQ(static_cast<GLenum>(GL_NO_ERROR), glGetError());
    game.reset();
    raiseNow(EVT::Event(EVT::EVENT_PLAY));  // no game root, no screen: nothing to centre on
    app->showWindow();
    app.reset();
}

} // namespace

// The X library's own handler would end the process on the first drawing to
// the lost window, before the game could save its options.
TEST(GLFWApp, WindowDestroyedByAnotherClientEndsTheLoopAsACloseDoes) {
    const int frameLimit = 100;
    Game::GLFWApp app(TITLE, 160, 120, false, nullptr, nullptr);
    ASSERT_TRUE(app.isOpen());
    app.initWindowApp(nullptr, nullptr);
    Recorder recorder({EVT::EVENT_RENDER, EVT::EVENT_QUIT});
    int renders = 0;
    recorder.onEvent = [&renders](const EVT::I_Event& event) {
        if (event.getEventID() == EVT::EVENT_RENDER && ++renders == frameLimit) {
            raiseNow(EVT::Event(EVT::EVENT_QUIT));
        }
    };
    ASSERT_TRUE(destroyFromAnotherClient(TITLE));
    testing::internal::CaptureStderr();
    app.startWindowApp();
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_LT(renders, frameLimit) << "the loss was never noticed";
    EXPECT_EQ(1u, recorder.all<EVT::Event>(EVT::EVENT_QUIT).size());
    EXPECT_NE(std::string::npos, said.find("The window was lost")) << said;
}

namespace {

std::vector<unsigned long> g_passedOn;

int recordError(Display*, XErrorEvent* error) {
    g_passedOn.push_back(error->resourceid);
    return 0;
}

} // namespace

// Errors about other X resources (another window, a library's own) are
// none of the game's: they reach the handler that was there before, and
// only one about the game's window or GL drawable marks the window lost.
TEST(X11WindowLoss, OnlyErrorsAboutTheGamesWindowAreTakenTheRestPassOn) {
    Display* display = XOpenDisplay(nullptr);
    ASSERT_NE(display, nullptr);
    const XErrorHandler before = XSetErrorHandler(recordError);
    Game::X11WindowLoss::forget();
    Game::X11WindowLoss::own(0x400001, 0x400002);
    Game::X11WindowLoss::watch();
    const XErrorHandler installed = XSetErrorHandler(nullptr);
    XSetErrorHandler(installed);
    XErrorEvent error = {};
    error.type = 0;
    error.display = display;
    error.error_code = BadWindow;
    for (const unsigned long foreign : {0x123456ul, 0ul}) {
        error.resourceid = foreign;
        installed(display, &error);
    }
    EXPECT_FALSE(Game::X11WindowLoss::lost());
    EXPECT_EQ(g_passedOn, (std::vector<unsigned long>{0x123456ul, 0ul}));
    testing::internal::CaptureStderr();
    for (const unsigned long own : {0x400002ul, 0x400001ul}) {
        error.resourceid = own;
        installed(display, &error);
        EXPECT_TRUE(Game::X11WindowLoss::lost());
        Game::X11WindowLoss::forget();
    }
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(g_passedOn.size(), 2u) << "the game's own errors are not passed on";
    Game::X11WindowLoss::unwatch();
    EXPECT_EQ(XSetErrorHandler(before), recordError);
    Game::X11WindowLoss::own(0, 0);
    XCloseDisplay(display);
}
