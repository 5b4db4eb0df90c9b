#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ExpectVector.h"
#include "FakeRenderController.h"
#include "MenusFixture.h"
#include "client/ClientMenus.h"
#include "core/Event.h"
#include "core/Event_MenuChoice.h"
#include "core/Event_MenuPage.h"
#include "menu/ItemCallBackMultiChoice.h"
#include "menu/ItemGotoPage.h"
#include "menu/ItemTextPage.h"
#include "menu/MenuPage.h"
#include "shell/I_Config.h"
#include "shell/I_World.h"
#include "shell/MoveableItem.h"
#include "shell/OptionKey.h"
#include "shell/TextObject.h"

namespace {

using TestSupport::expectVec;
typedef MathStuff::Vector3<float> Vec;
typedef KWEP::ClientMenus Menus;

// Records the game events the main page's items raise.
class GameEventRecorder : public EVT::I_EventConsumer {
public:
    GameEventRecorder()
    {
        for (int id : {EVT::EVENT_QUIT, EVT::EVENT_PLAY, EVT::EVENT_MENUS, EVT::EVENT_RESUME})
            EVT::EventBus::instance()->addConsumer(id, this);
    }
    void handleEvent(EVT::I_Event* event) override { ids.push_back(event->getEventID()); }
    std::vector<int> ids;
};

// The tree of menus_tree.cfg driven by a menu controller, run from the
// fixture folder, where the file names its help text.
class ClientMenusTest : public ::testing::Test, protected MenusTest::MenusRig {
protected:
    ClientMenusTest() : m_folder(FRELMORY_TEST_DATA_DIR) {}

    void build(bool paused = false, const std::string& file = "menus_tree.cfg")
    {
        MenusRig::build(file, paused);
    }

    static void action(int id)
    {
        EVT::Event event(id);
        EVT::EventBus::instance()->raiseEvent(&event, false);
    }

    std::vector<std::string> shownTexts() const
    {
        std::vector<std::string> texts;
        for (const Menus::ShownItem& shown : menus->getShownList())
            texts.push_back(shown.text->getText());
        return texts;
    }

    std::vector<std::string> pageLabels(int slot) const
    {
        std::vector<std::string> labels;
        for (const Menu::MenuItem* item : menus->getPage(slot)->itemList())
            labels.push_back(item->getString());
        return labels;
    }

    const Vec& shownPos(std::size_t i) const
    {
        return menus->getShownList().at(i).text->getOrientation().position;
    }

    Game::I_Config& options() { return *game.getConfig(); }

private:
    MenusTest::InFolder m_folder;
};

} // namespace

TEST_F(ClientMenusTest, MainPageOffersPlayOrResumeAndStartsOnIt)
{
    struct Case { bool paused; std::vector<std::string> texts; int selectEvent; int lastEvent; };
    const Case cases[] = {
        {false, {"MAIN", "HELP", "PLAY", "SETTINGS", "EXIT"}, EVT::EVENT_PLAY, EVT::EVENT_QUIT},
        {true, {"MAIN", "HELP", "RESUME", "SETTINGS", "QUIT"}, EVT::EVENT_RESUME, EVT::EVENT_MENUS},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.paused ? "paused" : "not paused");
        build(c.paused);
        EXPECT_EQ(menus->getCurrentPage(), Menus::PAGE_MAIN);
        EXPECT_EQ(shownTexts(), c.texts);
        ASSERT_NE(controller.getCurItem(), nullptr);
        EXPECT_EQ(controller.getCurItem()->getString(), c.texts[2]);
        GameEventRecorder recorder;
        action(EVT::EVENT_MENU_SELECT);
        action(EVT::EVENT_MENU_DOWN);
        action(EVT::EVENT_MENU_DOWN);
        action(EVT::EVENT_MENU_SELECT);
        EXPECT_EQ(recorder.ids, (std::vector<int>{c.selectEvent, c.lastEvent}));
    }
}

TEST_F(ClientMenusTest, EveryPageHoldsItsItemsInOrder)
{
    handlers.setResolutions({{800, 600}, {1024, 768}});
    build();
    typedef std::vector<std::string> Labels;
    EXPECT_EQ(pageLabels(Menus::PAGE_MAIN_PROFILES), Labels{"PROFILES"});
    EXPECT_EQ(pageLabels(Menus::PAGE_MAIN_CONFIGURE), (Labels{"CONFIGURE", "GAME", "SCREEN", "SOUND"}));
    EXPECT_EQ(pageLabels(Menus::PAGE_CONFIG_GAME), (Labels{"GAME", "SMOOTH ON"}));
    EXPECT_EQ(pageLabels(Menus::PAGE_CONFIG_SCREEN),
              (Labels{"SCREEN", "SIZE", "FULL NO", "VIEW", "VSYNC ON"}));
    EXPECT_EQ(pageLabels(Menus::PAGE_CONFIG_SOUND),
              (Labels{"SOUND", "EFFECTS ON", "MUSIC ON", "MUSIC VOLUME 80", "EFFECTS VOLUME 100"}));
    EXPECT_EQ(pageLabels(Menus::PAGE_SCREEN_RES), (Labels{"SIZES", "800x600", "1024x768"}));
    // Empty pieces of the list are dropped; the angle in force (the default
    // 33) joins them in its place.
    EXPECT_EQ(pageLabels(Menus::PAGE_SCREEN_FOV), (Labels{"VIEW", "30", "33 NOW", "45", "60"}));

    const Menu::MenuPage::ItemList& help = menus->getPage(Menus::PAGE_MAIN_HELP)->itemList();
    ASSERT_EQ(help.size(), 4u);
    EXPECT_EQ(help[0]->getString(), "HELP");
    EXPECT_EQ(help[1]->getType(), Menu::MenuItem::KIND_TEXT_PAGE);
    EXPECT_EQ(help[1]->getString().substr(0, 3), "The");
    EXPECT_EQ(help[2]->getString(), "UP");
    EXPECT_EQ(help[3]->getString(), "DOWN");

    for (int slot : {3, 5, 6, 12, 13, 14, 15, 16})
        EXPECT_EQ(menus->getPage(slot), nullptr) << slot;
    // The profiles page is made but nothing leads to it.
    for (int slot = 0; slot < Menus::NUM_PAGE_SLOTS; ++slot) {
        if (menus->getPage(slot) == nullptr)
            continue;
        EXPECT_EQ(menus->getPage(slot)->getPageId(), slot);
        for (const Menu::MenuItem* item : menus->getPage(slot)->itemList()) {
            const Menu::ItemGotoPage* gotoItem = dynamic_cast<const Menu::ItemGotoPage*>(item);
            if (gotoItem != nullptr) {
                EXPECT_NE(gotoItem->toPage(), menus->getPage(Menus::PAGE_MAIN_PROFILES));
            }
        }
    }
}

TEST_F(ClientMenusTest, AnEmptyResolutionListGivesATitleAlone)
{
    build();
    EXPECT_EQ(pageLabels(Menus::PAGE_SCREEN_RES), std::vector<std::string>{"SIZES"});
}

TEST_F(ClientMenusTest, TheWindowSizeInForceIsListedAndMarkedWhenTheScreenLacksIt)
{
    TestSupport::FakeRenderController render;
    render.view.w = 640;
    render.view.h = 480;
    game.initResult = false; // the screen takes the render controller's size
    game.runGame(nullptr, nullptr, nullptr, &render, nullptr);
    handlers.setResolutions({{800, 600}, {1024, 768}});
    build();
    EXPECT_EQ(pageLabels(Menus::PAGE_SCREEN_RES),
              (std::vector<std::string>{"SIZES", "640x480 NOW", "800x600", "1024x768"}));
}

TEST_F(ClientMenusTest, TheFieldOfViewInForceIsListedAndMarkedWhenTheFileLacksIt)
{
    typedef std::vector<std::string> Labels;
    // The file offers 30, 45 and 60.
    const struct {
        float fov;
        Labels labels;
    } cases[] = {
        {50.0f, {"VIEW", "30", "45", "50 NOW", "60"}},
        {20.0f, {"VIEW", "20 NOW", "30", "45", "60"}},
        {90.0f, {"VIEW", "30", "45", "60", "90 NOW"}},
        {37.5f, {"VIEW", "30", "37.5 NOW", "45", "60"}},
        {45.0f, {"VIEW", "30", "45 NOW", "60"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fov);
        *options().getFloatPtr(Game::OPTION_PLAY_FOV) = c.fov;
        build();
        EXPECT_EQ(pageLabels(Menus::PAGE_SCREEN_FOV), c.labels);
    }
    // The joined line opens the page and hands the handler its own angle.
    *options().getFloatPtr(Game::OPTION_PLAY_FOV) = 52.5f;
    build();
    // SETTINGS, SCREEN, then past FULL to VIEW.
    for (int id : {EVT::EVENT_MENU_DOWN, EVT::EVENT_MENU_SELECT, EVT::EVENT_MENU_DOWN, EVT::EVENT_MENU_SELECT,
                   EVT::EVENT_MENU_DOWN, EVT::EVENT_MENU_DOWN, EVT::EVENT_MENU_SELECT})
        action(id);
    ASSERT_EQ(menus->getCurrentPage(), Menus::PAGE_SCREEN_FOV);
    ASSERT_NE(controller.getCurItem(), nullptr);
    EXPECT_EQ(controller.getCurItem()->getString(), "52.5 NOW");
    *options().getFloatPtr(Game::OPTION_PLAY_FOV) = 33.0f;
    action(EVT::EVENT_MENU_SELECT);
    EXPECT_FLOAT_EQ(*options().getFloatPtr(Game::OPTION_PLAY_FOV), 52.5f);
}

TEST_F(ClientMenusTest, VolumeItemsStartOnTheOptionsValue)
{
    struct Case { int key; unsigned int volume; std::string shown; unsigned int index; };
    // Music choices 0,50,100; effects choices 0,050,100.
    const Case cases[] = {
        {Game::OPTION_MUSIC_VOLUME, 80, "MUSIC VOLUME 80", 3},  // not listed: appended
        {Game::OPTION_MUSIC_VOLUME, 50, "MUSIC VOLUME 50", 1},
        {Game::OPTION_MUSIC_VOLUME, 100, "MUSIC VOLUME 100", 2},
        {Game::OPTION_EFFECTS_VOLUME, 50, "EFFECTS VOLUME 050", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shown);
        *options().getUIntPtr(c.key) = c.volume;
        build();
        const std::size_t row = c.key == Game::OPTION_MUSIC_VOLUME ? 3 : 4;
        const Menu::MenuItem* item = menus->getPage(Menus::PAGE_CONFIG_SOUND)->itemList()[row];
        const Menu::ItemCallBackMultiChoice* volume = dynamic_cast<const Menu::ItemCallBackMultiChoice*>(item);
        ASSERT_NE(volume, nullptr);
        EXPECT_EQ(volume->getString(), c.shown);
        EXPECT_EQ(volume->getIndex(), c.index);
    }
}

TEST_F(ClientMenusTest, OnOffItemsStartFromTheirOption)
{
    for (bool on : {false, true}) {
        for (int key : {Game::OPTION_VSYNC, Game::OPTION_FULLSCREEN, Game::OPTION_MUSIC_ON, Game::OPTION_EFFECTS_ON,
                        Game::OPTION_SMOOTH})
            *options().getBoolPtr(key) = on;
        build();
        const std::string word = on ? "ON" : "OFF";
        EXPECT_EQ(pageLabels(Menus::PAGE_CONFIG_GAME)[1], "SMOOTH " + word);
        EXPECT_EQ(pageLabels(Menus::PAGE_CONFIG_SCREEN)[2], on ? "FULL YES" : "FULL NO");
        EXPECT_EQ(pageLabels(Menus::PAGE_CONFIG_SCREEN)[4], "VSYNC " + word);
        EXPECT_EQ(pageLabels(Menus::PAGE_CONFIG_SOUND)[1], "EFFECTS " + word);
        EXPECT_EQ(pageLabels(Menus::PAGE_CONFIG_SOUND)[2], "MUSIC " + word);
    }
}

TEST_F(ClientMenusTest, MenusFieldOfViewComesFromTheFile)
{
    build();
    EXPECT_FLOAT_EQ(*options().getFloatPtr(Game::OPTION_MENU_FOV), 45.5f);
}

TEST_F(ClientMenusTest, MissingFileGivesAnEmptyTreeAndNoFieldOfView)
{
    build(false, "menus_no_such_file.cfg");
    EXPECT_FLOAT_EQ(*options().getFloatPtr(Game::OPTION_MENU_FOV), 0.0f);
    EXPECT_EQ(shownTexts(), std::vector<std::string>(5, ""));
    EXPECT_EQ(pageLabels(Menus::PAGE_CONFIG_SOUND), (std::vector<std::string>{"", "", "", " 80", " 100"}));
    // No help file named: the engine's missing-file text.
    EXPECT_EQ(menus->getPage(Menus::PAGE_MAIN_HELP)->itemList()[1]->getString().substr(0, 17),
              "MISSING TEXT FILE");
    expectVec(shownPos(0), 0, 0, 0);
}

TEST_F(ClientMenusTest, UnusableRowCountsTakeTheDefaults)
{
    for (const char* file : {"menus_no_such_file.cfg", "menus_bad_rows.cfg"}) {
        SCOPED_TRACE(file);
        build(false, file);
        EXPECT_EQ(menus->numItemRows(), 9);
        EXPECT_EQ(menus->middleRowNum(), 4);
        const Menu::ItemTextPage* body = dynamic_cast<const Menu::ItemTextPage*>(
            menus->getPage(Menus::PAGE_MAIN_HELP)->itemList().at(1));
        ASSERT_NE(body, nullptr);
        EXPECT_EQ(body->getCharsWide(), 30);
        EXPECT_EQ(body->getCharsHigh(), 6);
        // On the text page 7 rows are reserved, leaving 2.
        EVT::Event_MenuPage opened(EVT::EVENT_MENUPAGE, menus->getPage(Menus::PAGE_MAIN_HELP), nullptr,
                                  menus->getPage(Menus::PAGE_MAIN_HELP)->getID());
        menus->createPage(&opened);
        EXPECT_EQ(menus->numItemRows(), 2);
    }
}

TEST_F(ClientMenusTest, RowsSitAroundTheCurrentItemWhichCarriesTheMark)
{
    build();
    // Main page: own title position "1,,2,3"; items at the default -30,60,-200,
    // rows of 10 with a gap of 2 around the current item, which moves by 5,0,10.
    expectVec(shownPos(0), 1, 2, 3);
    expectVec(shownPos(1), -30, 32, -200);
    expectVec(shownPos(2), -25, 20, -190);
    expectVec(shownPos(3), -30, 8, -200);
    expectVec(shownPos(4), -30, -2, -200);

    action(EVT::EVENT_MENU_DOWN);
    expectVec(shownPos(1), -30, 42, -200);
    expectVec(shownPos(2), -30, 32, -200);
    expectVec(shownPos(3), -25, 20, -190);
    expectVec(shownPos(4), -30, 8, -200);
}

TEST_F(ClientMenusTest, PagePositionsFallBackToTheMenuWideOnes)
{
    build();
    action(EVT::EVENT_MENU_DOWN);
    action(EVT::EVENT_MENU_SELECT);
    ASSERT_EQ(menus->getCurrentPage(), Menus::PAGE_MAIN_CONFIGURE);
    EXPECT_EQ(shownTexts(), (std::vector<std::string>{"CONFIGURE", "GAME", "SCREEN", "SOUND", "BACK"}));
    // Two numbers and four numbers keep the defaults; its own move is 0,0,0.
    expectVec(shownPos(0), -20, 80, -200);
    expectVec(shownPos(1), -30, 20, -200);
    expectVec(shownPos(2), -30, 8, -200);
}

TEST_F(ClientMenusTest, TextPageRowsStartBelowTheBodyUnderTheTextPageInput)
{
    build();
    EXPECT_TRUE(menuInput.isActive());
    EXPECT_FALSE(textInput.isActive());
    action(EVT::EVENT_MENU_UP);
    action(EVT::EVENT_MENU_SELECT);
    ASSERT_EQ(menus->getCurrentPage(), Menus::PAGE_MAIN_HELP);
    EXPECT_FALSE(menuInput.isActive());
    EXPECT_TRUE(textInput.isActive());
    ASSERT_EQ(menus->getShownList().size(), 5u);
    expectVec(shownPos(0), -20, 80, -200);
    expectVec(shownPos(1), -35, 75, -200);
    // 3 text rows reserve 4 rows, leaving 5 (middle row 2) from y 60 - 40.
    // The page opens on DOWN, lifted by 4 x 1.5 besides its move.
    EXPECT_EQ(controller.getCurItem()->getString(), "DOWN");
    expectVec(shownPos(2), -30, 12, -200);
    expectVec(shownPos(3), -25, 6, -190);
    expectVec(shownPos(4), -30, -12, -200);

    action(EVT::EVENT_MENU_BACK);
    EXPECT_EQ(menus->getCurrentPage(), Menus::PAGE_MAIN);
    EXPECT_TRUE(menuInput.isActive());
    EXPECT_FALSE(textInput.isActive());
}

TEST_F(ClientMenusTest, ScrollingBringsTheShownBodyUpToDate)
{
    build();
    action(EVT::EVENT_MENU_UP);
    action(EVT::EVENT_MENU_SELECT);
    const Menus::ShownItem body = menus->getShownList().at(1);
    const std::string before = body.text->getText();
    EXPECT_EQ(before, body.item->getString());
    action(EVT::EVENT_MENU_SELECT); // DOWN
    EXPECT_NE(body.text->getText(), before);
    EXPECT_EQ(body.text->getText(), body.item->getString());
}

TEST_F(ClientMenusTest, ChoosingAFieldOfViewClosesItsPageSafely)
{
    *options().getFloatPtr(Game::OPTION_PLAY_FOV) = 30.0f;
    build();
    action(EVT::EVENT_MENU_DOWN);   // SETTINGS
    action(EVT::EVENT_MENU_SELECT);
    action(EVT::EVENT_MENU_DOWN);   // SCREEN
    action(EVT::EVENT_MENU_SELECT);
    action(EVT::EVENT_MENU_DOWN);   // FULL
    action(EVT::EVENT_MENU_DOWN);   // VIEW
    action(EVT::EVENT_MENU_SELECT);
    ASSERT_EQ(menus->getCurrentPage(), Menus::PAGE_SCREEN_FOV);
    EXPECT_EQ(shownTexts(), (std::vector<std::string>{"VIEW", "30 NOW", "45", "60", "BACK"}));
    expectVec(shownPos(2), 0, -52, -100); // own item position 0,0,-100
    MenusTest::ConfigRecorder recorder;
    action(EVT::EVENT_MENU_DOWN);   // 45
    action(EVT::EVENT_MENU_SELECT);
    EXPECT_FLOAT_EQ(*options().getFloatPtr(Game::OPTION_PLAY_FOV), 45.0f);
    EXPECT_EQ(recorder.keys, std::vector<int>{Game::OPTION_PLAY_FOV});
    EXPECT_EQ(menus->getCurrentPage(), Menus::PAGE_CONFIG_SCREEN);
    EXPECT_EQ(shownTexts(), (std::vector<std::string>{"SCREEN", "SIZE", "FULL NO", "VIEW", "VSYNC ON", "BACK"}));
    EXPECT_EQ(controller.getCurItem()->getString(), "VIEW");

    // Opened again, the page marks the value in force and opens on it; choosing
    // it hands the handler the bare value.
    action(EVT::EVENT_MENU_SELECT);
    EXPECT_EQ(shownTexts(), (std::vector<std::string>{"VIEW", "30", "45 NOW", "60", "BACK"}));
    EXPECT_EQ(controller.getCurItem()->getString(), "45 NOW");
    action(EVT::EVENT_MENU_SELECT);
    EXPECT_FLOAT_EQ(*options().getFloatPtr(Game::OPTION_PLAY_FOV), 45.0f);
    EXPECT_EQ(recorder.keys, (std::vector<int>{Game::OPTION_PLAY_FOV, Game::OPTION_PLAY_FOV}));
}

TEST_F(ClientMenusTest, OnOffItemWritesItsOptionAndShowsTheNewChoice)
{
    build();
    action(EVT::EVENT_MENU_DOWN);
    action(EVT::EVENT_MENU_SELECT);
    action(EVT::EVENT_MENU_SELECT); // GAME
    ASSERT_EQ(menus->getCurrentPage(), Menus::PAGE_CONFIG_GAME);
    action(EVT::EVENT_MENU_SELECT); // SMOOTH ON -> OFF
    EXPECT_FALSE(*options().getBoolPtr(Game::OPTION_SMOOTH));
    EXPECT_EQ(menus->getShownList().at(1).text->getText(), "SMOOTH OFF");
}

TEST_F(ClientMenusTest, ChoiceEventForAnItemOfAReplacedPageMovesNothing)
{
    build();
    action(EVT::EVENT_MENU_DOWN);
    action(EVT::EVENT_MENU_SELECT); // the settings page replaces the main page
    Menu::MenuItem* hidden = menus->getPage(Menus::PAGE_MAIN_CONFIGURE)->itemList()[1];
    ASSERT_EQ(menus->getShownList().at(1).item, hidden);
    action(EVT::EVENT_MENU_BACK);   // and is replaced again
    ASSERT_EQ(menus->getCurrentPage(), Menus::PAGE_MAIN);
    std::vector<Vec> before;
    for (std::size_t i = 0; i < menus->getShownList().size(); ++i)
        before.push_back(shownPos(i));
    EVT::Event_MenuChoice choice(EVT::EVENT_MENUCHOICE, hidden, hidden->getID());
    EVT::EventBus::instance()->raiseEvent(&choice, false);
    EVT::Event_MenuChoice stale(EVT::EVENT_MENUCHOICE, nullptr, 0);
    EVT::EventBus::instance()->raiseEvent(&stale, false);
    EXPECT_EQ(shownTexts(), (std::vector<std::string>{"MAIN", "HELP", "PLAY", "SETTINGS", "EXIT"}));
    for (std::size_t i = 0; i < before.size(); ++i)
        expectVec(shownPos(i), before[i].x, before[i].y, before[i].z);
}

namespace {

// Inside one delivery of event 49: closes the page, which deletes its back
// item at once while the page event waits for the end of the delivery, then
// announces a choice on the item, delivered at once.
class CloseThenChoose : public EVT::I_EventConsumer {
public:
    CloseThenChoose(Menu::MenuPage* page, Menu::MenuItem* item) : m_page(page), m_item(item)
    {
        EVT::EventBus::instance()->addConsumer(EVT::EVENT_NEXT_LEVEL, this);
    }
    void handleEvent(EVT::I_Event*) override
    {
        m_page->close();
        EVT::Event_MenuChoice choice(EVT::EVENT_MENUCHOICE, m_item, m_item->getID());
        EVT::EventBus::instance()->raiseEvent(&choice, false);
    }

private:
    Menu::MenuPage* m_page;
    Menu::MenuItem* m_item;
};

} // namespace

TEST_F(ClientMenusTest, ChoiceEventReadsOnlyShownItemsThatStillExist)
{
    build();
    action(EVT::EVENT_MENU_DOWN);
    action(EVT::EVENT_MENU_SELECT);
    Menu::MenuPage* settings = menus->getPage(Menus::PAGE_MAIN_CONFIGURE);
    ASSERT_EQ(shownTexts().back(), "BACK");
    CloseThenChoose closer(settings, settings->itemList()[1]);
    EVT::Event trigger(EVT::EVENT_NEXT_LEVEL);
    EVT::EventBus::instance()->raiseEvent(&trigger, false);
    EXPECT_EQ(menus->getCurrentPage(), Menus::PAGE_MAIN);
    EXPECT_EQ(shownTexts(), (std::vector<std::string>{"MAIN", "HELP", "PLAY", "SETTINGS", "EXIT"}));
}

TEST_F(ClientMenusTest, PageEventOfADeletedTreeIsIgnored)
{
    build();
    const unsigned long staleID = menus->getPage(Menus::PAGE_MAIN_CONFIGURE)->getID();
    build(true); // the first tree is deleted
    const Text3D::TextObject* title = menus->getShownList().at(0).text;
    // Whatever the allocator does: a new page at the old page's address.
    Menu::MenuPage* reused = menus->getPage(Menus::PAGE_MAIN_CONFIGURE);
    EVT::Event_MenuPage event(EVT::EVENT_MENUPAGE, reused, reused, staleID);
    EVT::EventBus::instance()->raiseEvent(&event, false);
    EXPECT_EQ(menus->getCurrentPage(), Menus::PAGE_MAIN);
    EXPECT_EQ(menus->getShownList().at(0).text, title);
    EXPECT_EQ(shownTexts(), (std::vector<std::string>{"MAIN", "HELP", "RESUME", "SETTINGS", "QUIT"}));
}

TEST_F(ClientMenusTest, DeletingTheTreeGivesUpTheCameraAndStopsTheController)
{
    build();
    EXPECT_EQ(game.getWorld()->getCameraItem(), menus->getCamera());
    const Game::MoveableItem* camera = menus->getCamera();
    Menu::MenuPage* main = menus->getPage(Menus::PAGE_MAIN);
    menus->create(&controller, &font, &menuInput, &textInput, "menus_tree.cfg", true);
    EXPECT_EQ(menus->getCamera(), camera); // built once only
    EXPECT_EQ(menus->getPage(Menus::PAGE_MAIN), main);
    menus.reset();
    EXPECT_EQ(game.getWorld()->getCameraItem(), nullptr);
    EXPECT_EQ(controller.getCurItem(), nullptr);
    action(EVT::EVENT_MENU_SELECT); // nothing left to act on
}
