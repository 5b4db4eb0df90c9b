#include <gtest/gtest.h>

#include "menu/ItemCallBackChoice.h"
#include "menu/ItemCallBackMultiChoice.h"
#include "menu/ItemChoice.h"
#include "menu/MenuChoicePage.h"
#include "menu/MenuPage.h"
#include "MenuTestSupport.h"

using Menu::MenuItem;
using Menu::MenuPage;
using MenuTest::Recorder;

TEST(ItemChoice, SetChoicesClampsTheIndex)
{
    const std::vector<std::string> three{"A", "B", "C"};
    struct Case {
        const std::vector<std::string>* choices;
        int index;
        int shown;
        const char* text;
    } cases[] = {
        {&three, 1, 1, "L B"},
        {&three, 3, 2, "L C"},  // past the end: the last
        {&three, -1, 2, "L C"}, // negative taken as unsigned: the last
        {nullptr, 0, -1, "L"},  // no choices: the label alone
    };
    MenuPage page("P", 0);
    auto* item = new Menu::ItemChoice(&page, "L", nullptr);
    page.addItem(item);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        item->setChoices(c.choices, c.index);
        EXPECT_EQ(item->getCurrentIndex(), c.shown);
        EXPECT_EQ(item->getString(), c.text);
    }
    item->keypress(MenuItem::KEY_RETURN); // no choices: no edit mode
    EXPECT_FALSE(item->isSelected());
    Recorder recorder;
    item->choosePrev(); // no choice before -1 to step to
    item->chooseNext();
    EXPECT_EQ(item->getCurrentIndex(), -1);
    EXPECT_EQ(item->getString(), "L");
    EXPECT_TRUE(recorder.events.empty());
}

TEST(ItemChoice, StopsAtTheEndsAndEscRestoresTheCommittedChoice)
{
    const std::vector<std::string> choices{"A", "B"};
    MenuPage page("P", 0);
    auto* item = new Menu::ItemChoice(&page, "L", &choices);
    page.addItem(item);
    Recorder recorder;

    item->keypress(MenuItem::KEY_RETURN);
    ASSERT_TRUE(item->isSelected());
    item->keypress(MenuItem::KEY_LEFT);  // on the first: nothing
    item->keypress(MenuItem::KEY_UP);    // no navigation in edit mode
    EXPECT_TRUE(recorder.events.empty());
    EXPECT_EQ(item->keypress(MenuItem::KEY_RIGHT), item);
    item->keypress(MenuItem::KEY_RIGHT); // on the last: nothing
    EXPECT_EQ(item->getString(), "L B");
    item->keypress(MenuItem::KEY_ESC);
    EXPECT_FALSE(item->isSelected());
    EXPECT_EQ(item->getString(), "L A");
    ASSERT_EQ(recorder.ids(), (std::vector<int>{30, 30}));
    EXPECT_EQ(recorder.events[1].first, item);
    EXPECT_EQ(recorder.events[1].firstId, item->getID());
}

TEST(ItemConfig, AcceptWritesTargetsOnlyWhenTheChoiceChanged)
{
    bool music = false;
    MenuPage page("P", 0);
    MenuItem* item = page.addItemConfigBool("MUSIC", 19, &music);
    Recorder recorder;

    item->keypress(MenuItem::KEY_RETURN);
    item->keypress(MenuItem::KEY_RETURN); // unchanged: nothing, stays in edit mode
    EXPECT_TRUE(item->isSelected());
    EXPECT_TRUE(recorder.events.empty());

    item->keypress(MenuItem::KEY_RIGHT);
    EXPECT_FALSE(music); // moving does not write
    recorder.events.clear();
    item->keypress(MenuItem::KEY_RETURN);
    EXPECT_TRUE(music);
    EXPECT_FALSE(item->isSelected());
    ASSERT_EQ(recorder.ids(), (std::vector<int>{21, 30}));
    EXPECT_EQ(recorder.events[0].firstId, 19u);

    item->keypress(MenuItem::KEY_RETURN);
    item->keypress(MenuItem::KEY_LEFT);
    item->keypress(MenuItem::KEY_ESC); // cancel leaves the target alone
    EXPECT_TRUE(music);
    EXPECT_EQ(item->getString(), "MUSIC ON");
}

TEST(ItemConfig, ChoiceWithFewerValuesThanTargetsWritesOnlyThoseItHas)
{
    bool first = true;
    bool second = true;
    Menu::ItemConfig<bool>::Info info;
    info.configId = 7;
    info.startIndex = 1;
    info.labels = {"WINDOW", "FULL"};
    info.values = {{false}, {true, true}};
    info.targets = {&first, &second, nullptr};
    MenuPage page("P", 0);
    Menu::ItemConfig<bool>* item = page.addItemConfig<bool>("MODE", &info);
    EXPECT_EQ(item->getType(), MenuItem::KIND_CONFIG);
    EXPECT_EQ(item->getString(), "MODE FULL");

    item->keypress(MenuItem::KEY_RETURN);
    item->keypress(MenuItem::KEY_LEFT);
    item->keypress(MenuItem::KEY_RETURN);
    EXPECT_FALSE(first);
    EXPECT_TRUE(second);
    item->keypress(MenuItem::KEY_RETURN);
    item->keypress(MenuItem::KEY_RIGHT);
    item->keypress(MenuItem::KEY_RETURN); // the null target is skipped
    EXPECT_TRUE(first);
    EXPECT_TRUE(second);
}

TEST(ItemCallBackMultiChoice, StepsRoundAndReportsTheWholeLine)
{
    Menu::I_MenuItemChosen handler;
    MenuPage page("P", 0);
    MenuItem* item = page.addItemCallBackMultiChoice("VOL", {"0", "50", "100"}, 2,
                                                     MenuTest::callBackTo(handler));
    Recorder recorder;
    EXPECT_EQ(item->getString(), "VOL 100");
    EXPECT_EQ(item->keypress(MenuItem::KEY_RETURN), item);
    EXPECT_EQ(item->getString(), "VOL 0");
    item->keypress(MenuItem::KEY_RETURN);
    EXPECT_EQ(handler.calls,
              (std::vector<std::pair<std::string, int>>{{"VOL 0", 0}, {"VOL 50", 1}}));
    EXPECT_EQ(recorder.ids(), (std::vector<int>{30, 30}));
}

TEST(ItemCallBackMultiChoice, StartPastTheChoicesShowsTheLastAndNoChoicesShowTheLabel)
{
    Menu::I_MenuItemChosen handler;
    MenuPage page("P", 0);
    MenuItem* onOff = page.addItemCallBackMultiChoice("SMOOTH", {"NO"}, 1,
                                                      MenuTest::callBackTo(handler));
    MenuItem* empty = page.addItemCallBackMultiChoice("EMPTY", {}, 5,
                                                      MenuTest::callBackTo(handler));
    EXPECT_EQ(onOff->getString(), "SMOOTH NO");
    EXPECT_EQ(empty->getString(), "EMPTY");
    empty->select();
    EXPECT_EQ(handler.calls, (std::vector<std::pair<std::string, int>>{{"EMPTY", 0}}));
}

TEST(MenuChoicePage, LineReportsLabelAndIndexThenReturnsToTheOpener)
{
    Menu::I_MenuItemChosen handler;
    MenuPage main("MAIN", 0);
    Menu::MenuChoicePage sizes("SIZE", {"640x480", "800x600"}, MenuTest::callBackTo(handler), 10);
    MenuItem* opener = main.addItemGotoPage("SIZE", &sizes);
    main.open(nullptr);

    ASSERT_EQ(sizes.itemList().size(), 3u);
    auto* second = dynamic_cast<Menu::ItemCallBackChoice*>(sizes.itemList()[2]);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->getIndex(), 1);
    EXPECT_EQ(second->getType(), MenuItem::KIND_CALLBACK_CHOICE);

    EXPECT_EQ(opener->keypress(MenuItem::KEY_RETURN), sizes.itemList()[1]);
    EXPECT_EQ(second->keypress(MenuItem::KEY_RETURN), opener);
    EXPECT_EQ(handler.calls, (std::vector<std::pair<std::string, int>>{{"800x600", 1}}));
    EXPECT_EQ(sizes.itemList().size(), 3u); // the back item is gone again
}

// A tree built before the game has set its settings handler holds callbacks
// without an object: stepping and choosing must still work and call nothing.
TEST(ItemCallBackMultiChoice, CallBackWithoutHandlerCallsNothing)
{
    MenuPage main("MAIN", 0);
    Menu::MenuChoicePage sizes("SIZE", {"640x480"}, Menu::ChoiceCallBack(), 10);
    MenuItem* opener = main.addItemGotoPage("SIZE", &sizes);
    MenuItem* volume = main.addItemCallBackMultiChoice("VOL", {"0", "50"}, 0, Menu::ChoiceCallBack());
    EXPECT_EQ(volume->keypress(MenuItem::KEY_RETURN), volume);
    EXPECT_EQ(volume->getString(), "VOL 50");
    EXPECT_EQ(opener->keypress(MenuItem::KEY_RETURN)->keypress(MenuItem::KEY_RETURN), opener);
}
