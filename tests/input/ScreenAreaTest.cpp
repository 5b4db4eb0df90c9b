#include "FakeAreaRenderer.h"
#include "input/ScreenArea.h"
#include "input/ScreenAreaController.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

using Input::ScreenArea;
using Input::ScreenAreaController;

namespace
{
    ScreenArea* addArea(ScreenAreaController& areas, const std::string& name, float left, float top,
                        float width, float height)
    {
        ScreenArea* area = areas.getArea(areas.newArea(0UL));
        area->setName(name);
        area->setPercentOffsetFromLeft(left);
        area->setPercentOffsetFromTop(top);
        area->setPercentWidth(width);
        area->setPercentHeight(height);
        return area;
    }

    std::string nameAt(const ScreenAreaController& areas, float x, float y)
    {
        const ScreenArea* area = areas.getArea(x, y);
        return area ? area->getName() : "none";
    }
}

TEST(ScreenArea, DefaultAreaIsNamedByItsIdAndCoversTheScreen)
{
    const ScreenArea area;
    EXPECT_EQ("AREA " + std::to_string(area.getID()), area.getName());
    EXPECT_EQ(0.0f, area.getPercentOffsetFromLeft());
    EXPECT_EQ(0.0f, area.getPercentOffsetFromTop());
    EXPECT_EQ(100.0f, area.getPercentOffsetOfRight());
    EXPECT_EQ(100.0f, area.getPercentOffsetOfBottom());
    EXPECT_EQ(0u, area.getAreaColor());
    EXPECT_EQ(1, area.getHighLightFlags());
    EXPECT_EQ(0u, area.getHighLightColor());
    EXPECT_EQ(0, area.getIconId());
}

TEST(ScreenArea, CopyAppendsSuffixTakesNewIdAndKeepsFields)
{
    ScreenArea pause("PAUSEAREA");
    pause.setPercentOffsetFromLeft(25);
    pause.setAreaColor(0x3f3f3f7f);
    pause.setIconId(6);
    const ScreenArea copy(pause);
    const ScreenArea copyOfCopy(copy);
    EXPECT_EQ("PAUSEAREA_2", copy.getName());
    EXPECT_EQ("PAUSEAREA_2_2", copyOfCopy.getName());
    EXPECT_NE(pause.getID(), copy.getID());
    EXPECT_EQ(25.0f, copy.getPercentOffsetFromLeft());
    EXPECT_EQ(0x3f3f3f7fu, copy.getAreaColor());
    EXPECT_EQ(6, copy.getIconId());
}

TEST(ScreenAreaController, PointLookupUsesHalfOpenRectanglesAndNaNIsNowhere)
{
    ScreenAreaController areas;
    addArea(areas, "left", 0, 0, 50, 100);
    addArea(areas, "right", 50, 0, 50, 100);
    const struct
    {
        float x, y;
        const char* name;
    } cases[] = {
        {50, 10, "right"}, {49.9f, 10, "left"}, {100, 10, "none"}, {0, 0, "left"},
        {10, 100, "none"}, {-0.1f, 10, "none"}, {NAN, 10, "none"}, {10, NAN, "none"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.name, nameAt(areas, c.x, c.y)) << c.x << ", " << c.y;
}

TEST(ScreenAreaController, LaterAreasLieOnTop)
{
    ScreenAreaController backgroundFirst;
    addArea(backgroundFirst, "whole", 0, 0, 100, 100);
    addArea(backgroundFirst, "small", 40, 40, 20, 20);
    EXPECT_EQ("small", nameAt(backgroundFirst, 50, 50));
    EXPECT_EQ("whole", nameAt(backgroundFirst, 10, 10));

    ScreenAreaController backgroundLast;
    addArea(backgroundLast, "small", 40, 40, 20, 20);
    addArea(backgroundLast, "whole", 0, 0, 100, 100);
    EXPECT_EQ("whole", nameAt(backgroundLast, 50, 50));
}

TEST(ScreenAreaController, FindsByIdAndNameAndDeletes)
{
    ScreenAreaController areas;
    EXPECT_EQ(nullptr, areas.getArea(1UL));
    EXPECT_EQ(nullptr, areas.getArea(std::string("A")));
    EXPECT_EQ(nullptr, areas.getArea(50.0f, 50.0f));

    ScreenArea* first = addArea(areas, "A", 0, 0, 100, 100);
    ScreenArea* second = addArea(areas, "A", 0, 0, 100, 100);
    EXPECT_EQ(first, areas.getArea(std::string("A")));
    EXPECT_EQ(nullptr, areas.getArea(std::string("a")));
    EXPECT_EQ(second, areas.getArea(second->getID()));

    const unsigned long missing = second->getID() + 1000;
    EXPECT_FALSE(areas.deleteArea(missing));
    EXPECT_EQ(2u, areas.getAreas().size());
    const unsigned long firstId = first->getID();
    EXPECT_TRUE(areas.deleteArea(firstId));
    EXPECT_EQ(nullptr, areas.getArea(firstId));
    EXPECT_EQ(second, areas.getArea(std::string("A")));
    EXPECT_EQ(1u, areas.getAreas().size());
}

TEST(ScreenAreaController, NewAreaCopiesTheAreaWithThatIdOrMakesADefaultOne)
{
    ScreenAreaController areas;
    ScreenArea* pause = addArea(areas, "PAUSEAREA", 25, 67, 50, 33);
    const ScreenArea* copy = areas.getArea(areas.newArea(pause->getID()));
    EXPECT_EQ("PAUSEAREA_2", copy->getName());
    EXPECT_EQ(67.0f, copy->getPercentOffsetFromTop());

    const ScreenArea* fresh = areas.getArea(areas.newArea(0UL));
    EXPECT_EQ("AREA " + std::to_string(fresh->getID()), fresh->getName());
}

TEST(ScreenAreaController, DrawsInListOrderHighlightingOnlyTheCurrentArea)
{
    ScreenAreaController areas;
    ScreenArea* first = addArea(areas, "one", 1, 2, 3, 4);
    first->setAreaColor(0x11);
    first->setHighLightColor(0x22);
    first->setIconId(5);
    ScreenArea* second = addArea(areas, "two", 0, 0, 100, 100);
    second->setAreaColor(0x33);
    second->setHighLightColor(0x44);

    FakeAreaRenderer renderer;
    areas.render(&renderer, second);
    ASSERT_EQ(2u, renderer.boxes.size());
    EXPECT_EQ(1.0f, renderer.boxes[0].left);
    EXPECT_EQ(4.0f, renderer.boxes[0].height);
    EXPECT_EQ(0x11u, renderer.boxes[0].colour);
    EXPECT_EQ(5, renderer.boxes[0].iconId);
    EXPECT_EQ(0x44u, renderer.boxes[1].colour);

    renderer.boxes.clear();
    areas.render(&renderer, nullptr);
    EXPECT_EQ(0x11u, renderer.boxes[0].colour);
    EXPECT_EQ(0x33u, renderer.boxes[1].colour);
    areas.render(nullptr, first);   // draws nothing, and does not fail
}
