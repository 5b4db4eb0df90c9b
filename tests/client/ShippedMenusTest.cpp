#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "MenusFixture.h"
#include "client/ClientMenus.h"
#include "core/EventIds.h"
#include "core/Event_MenuItem.h"
#include "core/Event_MenuPage.h"
#include "core/Info.h"
#include "menu/MenuPage.h"
#include "shell/I_Config.h"
#include "shell/MoveableItem.h"
#include "shell/TextObject.h"

namespace {

typedef KWEP::ClientMenus Menus;

const int PAGES[] = {Menus::PAGE_MAIN, Menus::PAGE_MAIN_HELP, Menus::PAGE_MAIN_PROFILES,
                     Menus::PAGE_MAIN_CONFIGURE, Menus::PAGE_CONFIG_GAME,
                     Menus::PAGE_CONFIG_SCREEN, Menus::PAGE_CONFIG_SOUND,
                     Menus::PAGE_SCREEN_RES, Menus::PAGE_SCREEN_FOV};

// Whether a letter cell (7 x 10 units, wherever the letter model is anchored
// within one cell of its position) projects inside the window.
bool onScreen(const MathStuff::Vector3<float>& p, float fovDegrees, float aspect)
{
    if (p.z >= 0.0f)
        return false;
    const float halfHeight = -p.z * std::tan(fovDegrees * 3.14159265f / 360.0f);
    const float halfWidth = halfHeight * aspect;
    return std::fabs(p.x) + 7.0f <= halfWidth && std::fabs(p.y) + 10.0f <= halfHeight;
}

// The first character the shipped block font has no letter for (it has 0x20
// to 0x7E, lower case included), or 0 when there is none; line ends pass.
char firstWithoutLetter(const std::string& text)
{
    for (char c : text) {
        if (c != '\n' && c != '\r' && (c < 0x20 || c > 0x7E))
            return c;
    }
    return 0;
}

// The shipped menus, built from the main configuration's MENUS_CONFIG_FILE in
// the source folder (where the game's relative paths hold), with the window
// sizes of a large display.
class ShippedMenus : public ::testing::TestWithParam<bool>, protected MenusTest::MenusRig {
protected:
    ShippedMenus() : m_folder(FRELMORY_SOURCE_DIR)
    {
        handlers.setResolutions({{640, 480}, {800, 600}, {1024, 768}, {1280, 1024},
                                 {1600, 1200}, {1920, 1080}, {2560, 1440}});
        CFG::Info main("KWEP.cfg", nullptr);
        fileName = main.get("MENUS_CONFIG_FILE");
        build(fileName, GetParam());
    }

    // Shows the page and makes each row item current in turn.
    template <class Check>
    void eachLayout(Menu::MenuPage* page, const Check& check)
    {
        EVT::Event_MenuPage opened(EVT::EVENT_MENUPAGE, page, page, page->getID());
        menus->createPage(&opened);
        Menu::MenuItem* previous = nullptr;
        for (Menu::MenuItem* item : page->itemList()) {
            if (!item->selectable())
                continue;
            EVT::Event_MenuItem current(EVT::EVENT_MENUITEM, item, previous, item->getID(),
                                        previous != nullptr ? previous->getID() : 0);
            menus->menuItemChanged(&current);
            previous = item;
            check(item);
        }
    }

    // Every letter of the shown row items lies inside the window; rows
    // outside the page stand behind the camera, out of sight, and the
    // current item never does.
    void expectLettersOnScreen(int slot, const Menu::MenuItem* current, float fov, float aspect)
    {
        for (const Menus::ShownItem& shown : menus->getShownList()) {
            const bool rowItem = shown.text->getOrientation().position.z < 0.0f;
            if (shown.item == current) {
                EXPECT_TRUE(rowItem) << "page " << slot << ": " << shown.text->getText();
            }
            if (!rowItem)
                continue;
            for (const Game::MoveableItem* letter : shown.text->getLetters()) {
                EXPECT_TRUE(onScreen(letter->getOrientation().position, fov, aspect))
                    << "page " << slot << ": " << shown.text->getText();
            }
        }
    }

    std::string fileName;

private:
    MenusTest::InFolder m_folder;
};

} // namespace

TEST_P(ShippedMenus, EveryPageBuildsWithItsTextsFromTheFile)
{
    EXPECT_EQ(fileName, "data/Config/KWEP_MENUS.cfg");
    EXPECT_GT(*game.getConfig()->getFloatPtr(9), 0.0f);
    for (int slot : PAGES) {
        SCOPED_TRACE(slot);
        ASSERT_NE(menus->getPage(slot), nullptr);
        for (const Menu::MenuItem* item : menus->getPage(slot)->itemList())
            EXPECT_FALSE(item->getString().empty());
    }
    const Menu::MenuPage::ItemList& help = menus->getPage(Menus::PAGE_MAIN_HELP)->itemList();
    ASSERT_EQ(help.size(), 4u); // longer than one window: the scroll lines show
    EXPECT_EQ(help[1]->getString().find("MISSING"), std::string::npos);
}

TEST_P(ShippedMenus, EveryTextUsesOnlyLettersTheFontHas)
{
    for (int slot : PAGES) {
        for (const Menu::MenuItem* item : menus->getPage(slot)->itemList())
            EXPECT_EQ(firstWithoutLetter(item->getString()), 0) << item->getString();
    }
    CFG::Info file(fileName, nullptr);
    std::ifstream in(file.get("MAIN_HELP_FILE"), std::ios::binary);
    ASSERT_TRUE(in.good());
    const std::string help((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(firstWithoutLetter(help), 0);
}

TEST_P(ShippedMenus, EveryLetterShownLandsInsideA640By480Window)
{
    const float fov = *game.getConfig()->getFloatPtr(9);
    const float aspect = 640.0f / 480.0f;
    // The shipped input profiles wrap around; the engine's default does not.
    for (bool wrap : {false, true}) {
        SCOPED_TRACE(wrap ? "wrap-around" : "no wrap-around");
        controller.setWrapAround(wrap);
        for (int slot : PAGES) {
            eachLayout(menus->getPage(slot), [&](const Menu::MenuItem* current) {
                expectLettersOnScreen(slot, current, fov, aspect);
            });
        }
    }
}

// The standard menu profile chooses the current item with a click in a band
// across the window, 48% to 58% down. The current item is drawn there, on
// every menu page however many items it has. (The help page's rows follow its
// body, which this rig does not load as the game does.)
TEST_P(ShippedMenus, TheCurrentItemLiesInTheBandThePointerClicks)
{
    const float fov = *game.getConfig()->getFloatPtr(9);
    const float top = 0.48f;
    controller.setWrapAround(true);
    for (int slot : PAGES) {
        if (slot == Menus::PAGE_MAIN_HELP)
            continue;
        eachLayout(menus->getPage(slot), [&](const Menu::MenuItem* current) {
            for (const Menus::ShownItem& shown : menus->getShownList()) {
                if (shown.item != current)
                    continue;
                const MathStuff::Vector3<float>& p = shown.text->getOrientation().position;
                const float halfHeight = -p.z * std::tan(fov * 3.14159265f / 360.0f);
                const float down = 0.5f - p.y / (2.0f * halfHeight);
                EXPECT_GE(down, top) << "page " << slot << ": " << shown.text->getText();
                EXPECT_LE(down, top + 0.1f) << "page " << slot << ": " << shown.text->getText();
            }
        });
    }
}

INSTANTIATE_TEST_SUITE_P(PausedOrNot, ShippedMenus, ::testing::Bool());
