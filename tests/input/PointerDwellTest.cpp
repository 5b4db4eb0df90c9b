// Resting the pointer in the areas of the shipped head-tracker profiles, on a
// virtual clock: every rest of the same length acts the same, from whichever
// side the pointer came in, and a rest that begins when a page opens under the
// pointer does nothing, and does not look armed, until the pointer enters an area.

#include "EventRecorder.h"
#include "FakeAreaRenderer.h"
#include "SendEvents.h"
#include "input/CreateSicFiles.h"
#include "input/InputController.h"
#include "input/ScreenArea.h"
#include "input/Switch.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
    const std::string SHIPPED_DIR = std::string(FRELMORY_SOURCE_DIR) + "/data/Config/Input/";
    const int WIDTH = 1000;
    const int HEIGHT = 1000;   // one pixel per tenth of a percent
    const int FRAME_MS = 16;

    struct Area
    {
        float left, top, width, height;
        long firstPress, repeatPress;
        int action;
    };

    // The areas of a profile, each with its one dwell switch.
    std::vector<Area> areasOf(const Input::InputController& controller)
    {
        std::vector<Area> areas;
        for (unsigned int n = 1; const Input::Switch* sw = controller.getSwitch(n); ++n)
        {
            const Input::ScreenArea* a =
                controller.getArea(static_cast<unsigned int>(sw->getTriggerAreaId()));
            const Input::TriggerId& t = sw->getTriggerId();
            areas.push_back({a->getPercentOffsetFromLeft(), a->getPercentOffsetFromTop(),
                             a->getPercentWidth(), a->getPercentHeight(), t.getFirstPressMSecs(),
                             t.getRepeatPressMSecs(), sw->getPressActionId().getId()});
        }
        return areas;
    }

    int px(float percent) { return static_cast<int>(percent * 10.0f); }

    // Actions a rest of `ms` raises: the first after firstPress, then one per repeat.
    int expectedCount(const Area& a, int ms)
    {
        if (ms < a.firstPress)
            return 0;
        return a.repeatPress > 0 ? 1 + static_cast<int>((ms - a.firstPress) / a.repeatPress) : 1;
    }

    // Frames of `ms`, with the small jitter of a head tracker inside the area.
    void rest(const Area& a, int ms)
    {
        const int x = px(a.left + a.width / 2);
        const int y = px(a.top + a.height / 2);
        for (int t = 0, k = 0; t < ms; t += FRAME_MS, ++k)
        {
            send::mouse(x + (k % 3) - 1, y + (k % 2));
            send::update(FRAME_MS);
        }
    }

    std::string repeated(int action, int count)
    {
        std::string log;
        for (int i = 0; i < count; ++i)
            log += (log.empty() ? "" : " ") + std::to_string(action);
        return log;
    }

    struct Loaded
    {
        explicit Loaded(const std::string& file) : controller(1, &renderer)
        {
            send::screen(WIDTH, HEIGHT);
            EXPECT_TRUE(KWEP::CreateSicFiles::deser(controller, SHIPPED_DIR + file)) << file;
        }
        FakeAreaRenderer renderer{WIDTH, HEIGHT};
        Input::InputController controller;
    };

    const char* const HEAD_TRACKER_FILES[] = {"KWEP_MENUS_HEADTRACKER2.sic",
                                              "KWEP_MENUS_TPAGE_HEADTRACKER2.sic"};
}

TEST(PointerDwell, EveryRestOfTheSameLengthActsAlikeFromEverySide)
{
    const int rests[] = {500, 800, 1200, 2000};
    for (const char* file : HEAD_TRACKER_FILES)
    {
        Loaded p(file);
        p.controller.setActive(true);
        EventRecorder recorder{24, 25, 26, 27};
        for (const Area& a : areasOf(p.controller))
        {
            // Just outside the middle of each edge: left, right, above, below.
            const int sides[4][2] = {{px(a.left) - 5, px(a.top + a.height / 2)},
                                     {px(a.left + a.width) + 5, px(a.top + a.height / 2)},
                                     {px(a.left + a.width / 2), px(a.top) - 5},
                                     {px(a.left + a.width / 2), px(a.top + a.height) + 5}};
            for (const auto& side : sides)
            {
                for (int ms : rests)
                {
                    SCOPED_TRACE(std::string(file) + " area at " + std::to_string(a.left) + "," +
                                 std::to_string(a.top) + " from " + std::to_string(side[0]) + "," +
                                 std::to_string(side[1]) + ", rest " + std::to_string(ms));
                    send::mouse(side[0], side[1]);
                    send::update(FRAME_MS);
                    recorder.take();
                    rest(a, ms);
                    EXPECT_EQ(recorder.take(), repeated(a.action, expectedCount(a, ms)));
                }
            }
        }
    }
}

TEST(PointerDwell, RestUnderANewPageWaitsUnarmedUntilThePointerEnters)
{
    for (const char* file : HEAD_TRACKER_FILES)
    {
        SCOPED_TRACE(file);
        Loaded p(file);
        const std::vector<Area> areas = areasOf(p.controller);
        for (const Area& a : areas)
        {
            // The controller comes on with the pointer resting in the area.
            p.controller.setActive(false);
            EventRecorder recorder{24, 25, 26, 27};
            send::mouse(px(a.left + a.width / 2), px(a.top + a.height / 2));
            p.controller.setActive(true);
            rest(a, 2000);
            EXPECT_EQ(recorder.take(), "");
            p.renderer.boxes.clear();
            send::event(EVT::Event(EVT::EVENT_RENDER));
            for (const FakeAreaRenderer::Box& box : p.renderer.boxes)
                EXPECT_EQ(box.colour, 0xff00ffffUL) << "an area looks armed";

            // Leaving and coming back works it as any rest does.
            send::mouse(1, 1);
            send::update(FRAME_MS);
            rest(a, 1200);
            EXPECT_EQ(recorder.take(), repeated(a.action, expectedCount(a, 1200)));
            EXPECT_GT(expectedCount(a, 1200), 0);

            // A page opening while the pointer rests there stops it again.
            p.controller.restPointer();
            rest(a, 2000);
            EXPECT_EQ(recorder.take(), "");
        }
    }
}

// A click where the pointer rests when the controller comes on works at once:
// it is not taken for the move into the area.
TEST(PointerDwell, ClickWithoutMovingWorksTheAreaUnderThePointer)
{
    Loaded p("KWEP_MENUS_STANDARD.sic");
    const Input::ScreenArea* middle = nullptr;
    for (unsigned int n = 1; const Input::Switch* sw = p.controller.getSwitch(n); ++n)
    {
        const Input::ScreenArea* a = p.controller.getArea(static_cast<unsigned int>(sw->getTriggerAreaId()));
        if (a->getName() == "Middle")
            middle = a;
    }
    ASSERT_NE(middle, nullptr);
    const int x = px(middle->getPercentOffsetFromLeft() + middle->getPercentWidth() / 2);
    const int y = px(middle->getPercentOffsetFromTop() + middle->getPercentHeight() / 2);
    send::mouse(x, y);
    p.controller.setActive(true);
    EventRecorder recorder{24, 25, 26, 27};
    send::mouse(x, y, 1, true);
    send::update(FRAME_MS);
    send::mouse(x, y, 1, false);
    send::update(FRAME_MS);
    EXPECT_EQ(recorder.take(), "27");
}
