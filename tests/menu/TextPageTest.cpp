#include <gtest/gtest.h>

#include "TempPath.h"

#include <climits>
#include <cstdio>
#include <fstream>

#include "menu/ItemTextPage.h"
#include "menu/MenuPage.h"
#include "menu/MenuTextPage.h"
#include "MenuTestSupport.h"

using Menu::ItemTextPage;
using Menu::MenuItem;
using Menu::MenuPage;
using Menu::MenuTextPage;
using MenuTest::Recorder;

namespace {

// A text file in the test's temporary directory, removed with the object.
struct TextFixture {
    TextFixture(const std::string& name, const std::string& content)
        : path(TestSupport::tempPath("menu_" + name))
    {
        std::ofstream(path, std::ios::binary) << content;
    }
    ~TextFixture() { std::remove(path.c_str()); }
    std::string path;
};

// Ten paragraphs of one line each: ten lines of text.
std::string tenLines()
{
    std::string text;
    for (int i = 0; i < 10; ++i)
        text += "L" + std::to_string(i) + "\n\n";
    return text;
}

ItemTextPage* textBlock(const MenuPage& page)
{
    return dynamic_cast<ItemTextPage*>(page.itemList()[1]);
}

} // namespace

TEST(MenuTextPage, LongTextTurnsAPagePerReturnAndStopsAtBothEnds)
{
    TextFixture file("ten.txt", tenLines());
    const std::string up = MenuTextPage::s_scrollUpText;
    const std::string down = MenuTextPage::s_scrollDownText;
    MenuTextPage::s_scrollUpText = "UP";
    MenuTextPage::s_scrollDownText = "DOWN";
    MenuTextPage page("HELP", file.path, 20, 4, 1);
    MenuTextPage::s_scrollUpText = up;
    MenuTextPage::s_scrollDownText = down;

    const MenuPage::ItemList& items = page.itemList();
    ASSERT_EQ(items.size(), 4u);
    ItemTextPage* text = textBlock(page);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->getNumLines(), 10);
    EXPECT_EQ(text->getNumPages(), 3);
    EXPECT_EQ(items[2]->getString(), "UP");
    EXPECT_EQ(items[3]->getString(), "DOWN");
    EXPECT_EQ(text->getString(), "L0\nL1\nL2\nL3\n");

    // Each RETURN shows the window that follows; the last page keeps its
    // lines, and a press beyond either end changes nothing and says nothing.
    Recorder recorder;
    struct Step {
        int line; // 2 UP, 3 DOWN
        const char* shown;
        std::size_t events;
    } steps[] = {
        {2, "L0\nL1\nL2\nL3\n", 0},
        {3, "L4\nL5\nL6\nL7\n", 1},
        {3, "L8\nL9\n", 2},
        {3, "L8\nL9\n", 2},
        {2, "L4\nL5\nL6\nL7\n", 3},
        {2, "L0\nL1\nL2\nL3\n", 4},
        {2, "L0\nL1\nL2\nL3\n", 4},
    };
    for (const Step& step : steps) {
        EXPECT_EQ(items[step.line]->keypress(MenuItem::KEY_RETURN), items[step.line]);
        EXPECT_EQ(text->getString(), step.shown);
        EXPECT_EQ(recorder.events.size(), step.events);
    }
    // A window left between page starts goes up to its own page's first line.
    text->setCurLineNum(6);
    items[2]->keypress(MenuItem::KEY_RETURN);
    EXPECT_EQ(text->getCurLineNum(), 4);
}

TEST(MenuTextPage, OpensOnScrollDownAndAlwaysWraps)
{
    TextFixture file("ten.txt", tenLines());
    const bool noWrap = false;
    MenuPage main("MAIN", 0);
    MenuTextPage help("HELP", file.path, 20, 4, 1);
    MenuItem* opener = main.addItemGotoPage("HELP", &help);
    main.open(nullptr, &noWrap);

    MenuItem* current = opener->keypress(MenuItem::KEY_RETURN);
    EXPECT_EQ(current, help.itemList()[3]);
    MenuItem* back = help.itemList().back();
    EXPECT_EQ(back->keypress(MenuItem::KEY_DOWN), help.itemList()[2]);
    EXPECT_EQ(help.itemList()[2]->keypress(MenuItem::KEY_UP), back);
    EXPECT_EQ(back->keypress(MenuItem::KEY_RETURN), opener);
}

TEST(MenuTextPage, ShortTextWrapsWithoutScrollLinesAndOpensOnBack)
{
    TextFixture file("short.txt", "aaa\r\nbbb ccc");
    MenuPage main("MAIN", 0);
    MenuTextPage help("HELP", file.path, 7, 4, 1);
    MenuItem* opener = main.addItemGotoPage("HELP", &help);
    main.open(nullptr);

    ASSERT_EQ(help.itemList().size(), 2u);
    EXPECT_EQ(textBlock(help)->getType(), MenuItem::KIND_TEXT_PAGE);
    EXPECT_FALSE(textBlock(help)->selectable());
    EXPECT_EQ(textBlock(help)->getText(), "aaa bbb\nccc\n");
    MenuItem* current = opener->keypress(MenuItem::KEY_RETURN);
    EXPECT_EQ(current, help.itemList().back());
}

TEST(ItemTextPage, MissingBlankAndUnterminatedFilesGiveWholeLines)
{
    TextFixture blank("blank.txt", "  \n\n \t\n");
    TextFixture withEnd("end.txt", "one two\n");
    TextFixture withoutEnd("noend.txt", "one two");
    const std::string missing = TestSupport::tempPath("menu_no_such_file.txt");
    struct Case {
        std::string path;
        std::string text;
    } cases[] = {
        {missing, "MISSING TEXT FILE: " + missing + "\n"},
        {blank.path, "\n"},
        {withEnd.path, "one two\n"},
        {withoutEnd.path, "one two\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        MenuTextPage page("T", c.path, 8, 3, 0);
        ASSERT_EQ(page.itemList().size(), 2u); // no scroll lines
        EXPECT_EQ(textBlock(page)->getText(), c.text);
        EXPECT_EQ(textBlock(page)->getNumLines(), 1);
        EXPECT_EQ(textBlock(page)->getString(), c.text);
    }
}

// A missing configuration key reads as the smallest int.
TEST(ItemTextPage, NonPositiveSizesAreTakenAsOne)
{
    TextFixture file("words.txt", "ab cd\n");
    MenuPage page("T", 0);
    auto* text = new ItemTextPage(&page, file.path, 0, INT_MIN);
    page.addItem(text);
    EXPECT_EQ(text->getCharsWide(), 1);
    EXPECT_EQ(text->getCharsHigh(), 1);
    EXPECT_EQ(text->getNumPages(), text->getNumLines());
    EXPECT_EQ(text->getString(), "a\n");
    text->setPageSize(-3, 0);
    EXPECT_EQ(text->getCharsHigh(), 1);
}

TEST(MenuTextPage, ScrollLineAnnouncesAMovedWindowAtOnce)
{
    TextFixture file("ten.txt", tenLines());
    MenuTextPage page("HELP", file.path, 20, 4, 1);
    MenuItem* up = page.itemList()[2];
    MenuItem* down = page.itemList()[3];
    Recorder recorder;
    struct Case {
        MenuItem* line;
        std::vector<int> atOnce;
    } cases[] = {
        {up, {}},     // already at the top
        {down, {30}},
        {up, {30}},
    };
    for (const Case& c : cases) {
        const MenuTest::Timing timing = MenuTest::timeInsideDelivery(
            recorder, [&] { c.line->keypress(MenuItem::KEY_RETURN); });
        EXPECT_EQ(timing.atOnce, c.atOnce);
        EXPECT_TRUE(timing.queued.empty());
    }
}

TEST(ItemTextPage, WindowAsHighAsTheLargestIntShowsTheWholeTextOnOnePage)
{
    TextFixture file("ten.txt", tenLines());
    MenuTextPage page("HELP", file.path, 20, INT_MAX, 1);
    ASSERT_EQ(page.itemList().size(), 2u); // no scroll lines
    EXPECT_EQ(textBlock(page)->getNumPages(), 1);
    EXPECT_EQ(textBlock(page)->getString(), textBlock(page)->getText());
}
