#include <gtest/gtest.h>

#include "core/Event.h"
#include "menu/ItemBack.h"
#include "menu/ItemChoice.h"
#include "menu/MenuPage.h"
#include "MenuTestSupport.h"

using Menu::MenuItem;
using Menu::MenuPage;

namespace {

// Title, A, a second title (never selectable), B, C.
struct FivePage {
    FivePage() : page("MAIN", 0)
    {
        EVT::Event quit(EVT::EVENT_QUIT);
        a = page.addItemGotoPage("A", nullptr);
        page.addItemTitle("GAP");
        b = page.addItemEvent("B", &quit);
        c = page.addItemEvent("C", &quit);
    }
    MenuPage page;
    MenuItem* a;
    MenuItem* b;
    MenuItem* c;
};

} // namespace

TEST(MenuPage, SearchesStopAtTheEndsOrWrapOnceAccordingToTheFlag)
{
    FivePage f;
    for (bool wrap : {false, true}) {
        SCOPED_TRACE(wrap ? "wrap on" : "wrap off");
        f.page.open(nullptr, &wrap);
        EXPECT_EQ(f.page.getWrapAround(), wrap);
        EXPECT_EQ(f.page.itemTop(), f.a);
        EXPECT_EQ(f.page.itemBottom(), f.c);
        EXPECT_EQ(f.page.itemBelow(f.a), f.b); // skips the inner title
        EXPECT_EQ(f.page.itemAbove(f.b), f.a);
        EXPECT_EQ(f.page.itemBelow(f.c), wrap ? f.a : nullptr);
        EXPECT_EQ(f.page.itemAbove(f.a), wrap ? f.c : nullptr);
        EXPECT_EQ(f.page.itemBelow(f.page.itemList()[0]), f.a);
    }
}

TEST(MenuPage, NeverOpenedPageNavigatesWithoutWrapAndForeignItemsFindNothing)
{
    FivePage f;
    FivePage other;
    EXPECT_FALSE(f.page.getWrapAround());
    EXPECT_EQ(f.page.itemBelow(f.c), nullptr);
    EXPECT_EQ(f.page.itemBelow(other.a), nullptr);
    EXPECT_EQ(f.page.itemAbove(other.c), nullptr);
}

TEST(MenuPage, SingleSelectableItemWithWrapFindsItself)
{
    const bool wrap = true;
    MenuPage page("ONE", 3);
    MenuItem* only = page.addItemGotoPage("ONLY", nullptr);
    page.open(nullptr, &wrap);
    EXPECT_EQ(page.itemBelow(only), only);
    EXPECT_EQ(page.itemAbove(only), only);
}

TEST(MenuPage, TitleOnlyPageHasNothingToSelectWithOrWithoutWrap)
{
    MenuTest::Recorder recorder;
    for (bool wrap : {false, true}) {
        MenuPage page("EMPTY", 2);
        EXPECT_EQ(page.open(nullptr, &wrap), nullptr);
        EXPECT_EQ(page.itemTop(), nullptr);
        EXPECT_EQ(page.itemBottom(), nullptr);
        MenuItem* title = page.itemList()[0];
        EXPECT_EQ(title->keypress(MenuItem::KEY_ESC), title);
        EXPECT_EQ(title->keypress(MenuItem::KEY_DOWN), title);
        EXPECT_EQ(title->keypress(MenuItem::KEY_RETURN), title);
    }
    EXPECT_EQ(recorder.ids(), (std::vector<int>{28, 28})); // the two opens only
}

TEST(MenuPage, OpenFromAnItemAppendsBackAndCloseReturnsToIt)
{
    MenuTest::Recorder recorder;
    FivePage f;
    const bool wrap = false;
    f.page.open(nullptr, &wrap);
    MenuPage sub("SUB", 1);

    const std::string oldLabel = Menu::ItemBack::s_backItemText;
    Menu::ItemBack::s_backItemText = "RETURN";
    MenuItem* first = sub.open(f.a);
    Menu::ItemBack::s_backItemText = oldLabel;

    ASSERT_EQ(sub.itemList().size(), 2u);
    MenuItem* back = sub.itemList().back();
    EXPECT_EQ(first, back); // the back item is the page's only selectable item
    EXPECT_EQ(back->getType(), MenuItem::KIND_BACK);
    EXPECT_EQ(back->getString(), "RETURN");
    EXPECT_EQ(sub.getWrapAround(), false); // shares the opener's flag

    recorder.events.clear();
    EXPECT_EQ(sub.close(), f.a);
    EXPECT_EQ(sub.itemList().size(), 1u);
    ASSERT_EQ(recorder.ids(), std::vector<int>{28});
    EXPECT_EQ(recorder.events[0].first, &f.page);

    recorder.events.clear();
    EXPECT_EQ(f.page.close(), f.c); // no back item: the bottom item, no event
    EXPECT_TRUE(recorder.events.empty());
}

TEST(MenuPage, OpenClearsEditModeAndRefusesABackItemToNothing)
{
    const std::vector<std::string> choices{"X", "Y"};
    MenuPage page("P", 0);
    auto* choice = new Menu::ItemChoice(&page, "C", &choices);
    page.addItem(choice);
    choice->select();
    ASSERT_TRUE(choice->isSelected());
    page.open(nullptr);
    EXPECT_FALSE(choice->isSelected());
    EXPECT_EQ(page.addItemBack(nullptr), nullptr);
    EXPECT_EQ(page.itemList().size(), 2u);
}

TEST(MenuPage, OnOffItemStartsOnTheTargetsValue)
{
    bool on = true;
    bool off = false;
    MenuPage page("P", 0);
    MenuItem* a = page.addItemConfigBool("MUSIC", 19, &on);
    MenuItem* b = page.addItemConfigBool("SFX", 20, &off);
    EXPECT_EQ(a->getType(), MenuItem::KIND_CONFIG);
    EXPECT_EQ(a->getString(), "MUSIC ON");
    EXPECT_EQ(b->getString(), "SFX OFF");
}
