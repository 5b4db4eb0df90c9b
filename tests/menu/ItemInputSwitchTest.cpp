#include <gtest/gtest.h>

#include "input/ActionId.h"
#include "input/InputController.h"
#include "input/ScreenArea.h"
#include "input/Switch.h"
#include "menu/ItemInputSwitch.h"
#include "menu/MenuPage.h"

using Input::ActionId;
using Menu::ItemInputSwitch;
using Menu::MenuItem;
using Menu::MenuPage;

namespace {

ItemInputSwitch::Field field(int value)
{
    return static_cast<ItemInputSwitch::Field>(value);
}

// Switch 1 triggered in the area "CENTRE", pressing action 24 ("DOWN"),
// releasing action 25, which has no display text.
struct OneSwitch {
    OneSwitch() : controller(1, nullptr)
    {
        const unsigned long areaId = controller.newArea(0);
        controller.getArea(static_cast<unsigned int>(areaId))->setName("CENTRE");
        controller.newSwitch(0);
        Input::Switch* sw = controller.getSwitch(1);
        sw->setTriggerAreaId(areaId);
        sw->setPressActionId(ActionId(24, ""));
        sw->setReleaseActionId(ActionId(25, ""));
        controller.addAction(ActionId(24, ""), "DOWN");
    }
    Input::InputController controller;
};

} // namespace

TEST(ItemInputSwitch, ShowsTheFieldOfSwitchOne)
{
    OneSwitch input;
    MenuPage page("P", 0);
    struct Case {
        int field;
        const char* text;
    } cases[] = {
        {ItemInputSwitch::FIELD_AREA, "CENTRE"},
        {ItemInputSwitch::FIELD_PRESS_ACTION, "PRESS DOWN"},
        {ItemInputSwitch::FIELD_RELEASE_ACTION, "PRESS "}, // no display text
        {99, "PRESS"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field);
        MenuItem* item = page.addItemInputSwitch("PRESS", field(c.field), &input.controller, nullptr);
        EXPECT_EQ(item->getType(), MenuItem::KIND_INPUT_SWITCH);
        EXPECT_EQ(item->getString(), c.text);
    }
    input.controller.addAction(ActionId(25, ""), "UP"); // read afresh every time
    EXPECT_EQ(page.itemList()[3]->getString(), "PRESS UP");
}

TEST(ItemInputSwitch, ShowsItsLabelAloneWithoutSwitchOrArea)
{
    Input::InputController empty(2, nullptr);
    OneSwitch noArea;
    noArea.controller.deleteArea(
        static_cast<unsigned int>(noArea.controller.getSwitch(1)->getTriggerAreaId()));
    MenuPage page("P", 0);
    for (int f = ItemInputSwitch::FIELD_AREA; f <= ItemInputSwitch::FIELD_HOLD_RELEASE_ACTION; ++f) {
        SCOPED_TRACE(f);
        EXPECT_EQ(page.addItemInputSwitch("L", field(f), &empty, nullptr)->getString(), "L");
        EXPECT_EQ(page.addItemInputSwitch("L", field(f), nullptr, nullptr)->getString(), "L");
    }
    EXPECT_EQ(page.addItemInputSwitch("L", ItemInputSwitch::FIELD_AREA, &noArea.controller,
                                      nullptr)->getString(), "L");
}

TEST(ItemInputSwitch, ReturnOpensTheTargetOrEntersEditMode)
{
    OneSwitch input;
    MenuPage page("P", 0);
    MenuPage detail("DETAIL", 1);
    page.open(nullptr);
    MenuItem* opens = page.addItemInputSwitch("A", ItemInputSwitch::FIELD_TRIGGER,
                                              &input.controller, &detail);
    MenuItem* edits = page.addItemInputSwitch("B", ItemInputSwitch::FIELD_TRIGGER,
                                              &input.controller, nullptr);

    MenuItem* back = opens->keypress(MenuItem::KEY_RETURN);
    EXPECT_EQ(back->getType(), MenuItem::KIND_BACK);
    EXPECT_EQ(back->keypress(MenuItem::KEY_ESC), opens);

    EXPECT_EQ(edits->keypress(MenuItem::KEY_RETURN), edits);
    EXPECT_TRUE(edits->isSelected());
    for (unsigned char key : {MenuItem::KEY_LEFT, MenuItem::KEY_UP, MenuItem::KEY_DOWN})
        EXPECT_EQ(edits->keypress(key), edits);
    EXPECT_TRUE(edits->isSelected());
    edits->keypress(MenuItem::KEY_ESC);
    EXPECT_FALSE(edits->isSelected());
}
