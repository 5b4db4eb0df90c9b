#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "MenusFixture.h"
#include "client/ClientMenus.h"
#include "client/GameClient.h"
#include "client/MenuBand.h"
#include "core/EventIds.h"
#include "core/Event_MenuItem.h"
#include "core/Event_MenuPage.h"
#include "core/Info.h"
#include "core/Matrix4x4.h"
#include "core/Pi.h"
#include "core/Event.h"
#include "core/Event_Key.h"
#include "core/Event_Update.h"
#include "core/EventBus.h"
#include "input/CreateSicFiles.h"
#include "input/I_ScreenAreaRenderer.h"
#include "input/Screen.h"
#include "input/InputController.h"
#include "input/ScreenArea.h"
#include "input/Switch.h"
#include "menu/MenuPage.h"
#include "render/LoaderDMF.h"
#include "render/Model.h"
#include "shell/Font.h"
#include "shell/I_ModelMaker.h"
#include "shell/I_Config.h"
#include "shell/MoveableItem.h"
#include "shell/OptionKey.h"
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
    const float halfHeight = -p.z * std::tan(fovDegrees * MathStuff::PI_F / 360.0f);
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

// A letter model of the shipped font without GL: only its points count.
class ShapeOnly : public Model::I_DisplayableModel {
public:
    explicit ShapeOnly(Model::Model* model) : Model::I_DisplayableModel(model) {}
    void display(const MathStuff::Orientation<float>*) override {}
    void display(const std::vector<MathStuff::Orientation<float> >&) override {}
};

// Loads model files as the game does (DMF, centred), as ShapeOnly models.
class ShapeMaker : public Model::I_ModelMaker {
public:
    explicit ShapeMaker(const std::string& folder)
        : Model::I_ModelMaker(folder.c_str(), ".dmf", new Model::LoaderDMF)
    {
    }
    bool load(const char* name, std::vector<Model::I_DisplayableModel*>* out) override
    {
        std::vector<Model::Model*> models;
        if (out == nullptr || !callLoader(name, &models))
            return false;
        for (Model::Model* model : models)
            out->push_back(new ShapeOnly(model));
        return true;
    }
};

// The game's font (KWEP.cfg's FONT, MODELS_DIR and FONT_YADJ_FILE), loaded
// while the game root makes models from the real files.
Text3D::Font* shippedFont(TestSupport::TestGame& game, const CFG::Info& main)
{
    Model::I_ModelMaker* usual = game.getModelMaker();
    ShapeMaker shapes(main.get("MODELS_DIR"));
    game.setModelMaker(&shapes);
    Text3D::Font* font =
        new Text3D::Font(main.get("FONT"), KWEP::GameClient::readLetterOffsets(main.get("FONT_YADJ_FILE")));
    game.setModelMaker(usual);
    return font;
}

// The box a text's letters take in percent of the window, measured from every
// point of every letter model placed as its letter stands, through the menu
// camera (at the origin, looking along -z); false when no letter has points.
bool measuredLetters(const Text3D::TextObject& text, float fovDegrees, float aspect, KWEP::MenuBand::Box& box)
{
    const float halfHeight = std::tan(fovDegrees * MathStuff::PI_F / 360.0f);
    const float halfWidth = halfHeight * aspect;
    float left = 1e9f, right = -1e9f, top = 1e9f, bottom = -1e9f;
    for (const Game::MoveableItem* letter : text.getLetters()) {
        const Model::I_DisplayableModel* shown = letter->getModel();
        const Model::Model* model = shown ? dynamic_cast<const Model::Model*>(shown->getModelData()) : nullptr;
        if (model == nullptr)
            continue;
        MathStuff::Matrix4x4<float> placement;
        letter->getOrientation().getTransformation(placement);
        for (const MathStuff::Vector3<float>& point : model->getPoints()) {
            const MathStuff::Vector3<float> p = placement.transform(point);
            const float x = 50.0f + 50.0f * p.x / (-p.z * halfWidth);
            const float y = 50.0f - 50.0f * p.y / (-p.z * halfHeight);
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    if (left > right)
        return false;
    box = KWEP::MenuBand::Box{left, top, right - left, bottom - top};
    return true;
}

// The shipped menus, built from the main configuration's MENUS_CONFIG_FILE in
// the source folder (where the game's relative paths hold) with the shipped
// font, and the window sizes of a large display.
class ShippedMenus : public ::testing::TestWithParam<bool>, protected MenusTest::MenusRig {
protected:
    ShippedMenus() : m_folder(FRELMORY_SOURCE_DIR)
    {
        handlers.setResolutions({{640, 480}, {800, 600}, {1024, 768}, {1280, 1024},
                                 {1600, 1200}, {1920, 1080}, {2560, 1440}});
        CFG::Info main("KWEP.cfg", nullptr);
        fileName = main.get("MENUS_CONFIG_FILE");
        m_font.reset(shippedFont(game, main));
        shownFont = m_font.get();
        build(fileName, GetParam());
    }
    // The letters go before their font.
    ~ShippedMenus() override { menus.reset(); }

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
    std::unique_ptr<Text3D::Font> m_font;
};

} // namespace

TEST_P(ShippedMenus, EveryPageBuildsWithItsTextsFromTheFile)
{
    EXPECT_EQ(fileName, "data/Config/KWEP_MENUS.cfg");
    EXPECT_GT(*game.getConfig()->getFloatPtr(Game::OPTION_MENU_FOV), 0.0f);
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
    const float fov = *game.getConfig()->getFloatPtr(Game::OPTION_MENU_FOV);
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
    const float fov = *game.getConfig()->getFloatPtr(Game::OPTION_MENU_FOV);
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
                const float halfHeight = -p.z * std::tan(fov * MathStuff::PI_F / 360.0f);
                const float down = 0.5f - p.y / (2.0f * halfHeight);
                EXPECT_GE(down, top) << "page " << slot << ": " << shown.text->getText();
                EXPECT_LE(down, top + 0.1f) << "page " << slot << ": " << shown.text->getText();
            }
        });
    }
}

// Records the boxes drawn through it, over a 640 x 480 screen.
class BandRecorder : public Input::I_ScreenAreaRenderer {
public:
    BandRecorder() : m_screen(640, 480) {}
    const Devices::Screen* getScreen() const override { return &m_screen; }
    void startRender() override {}
    void stopRender() override {}
    void drawBox(float left, float top, float width, float height, unsigned long colour, int) override
    {
        boxes.push_back({left, top, width, height});
        colours.push_back(colour);
    }
    std::vector<KWEP::MenuBand::Box> boxes;
    std::vector<unsigned long> colours;

private:
    Devices::Screen m_screen;
};

bool inside(const KWEP::MenuBand::Box& inner, const KWEP::MenuBand::Box& outer)
{
    return inner.left >= outer.left && inner.top >= outer.top
        && inner.left + inner.width <= outer.left + outer.width
        && inner.top + inner.height <= outer.top + outer.height;
}

bool overlap(const KWEP::MenuBand::Box& a, const KWEP::MenuBand::Box& b);

// Equal to a thousandth of a per cent, whatever the order of the sums.
bool sameBox(const KWEP::MenuBand::Box& a, const KWEP::MenuBand::Box& b)
{
    const float near = 0.001f;
    return std::fabs(a.left - b.left) < near && std::fabs(a.top - b.top) < near
        && std::fabs(a.width - b.width) < near && std::fabs(a.height - b.height) < near;
}

// On every page, whichever line is current, the band holds that line's
// letters, as the font's models place them, and touches no other text.
TEST_P(ShippedMenus, TheBandMarksTheCurrentLineAndNoOther)
{
    const float fov = *game.getConfig()->getFloatPtr(Game::OPTION_MENU_FOV);
    const float aspect = 640.0f / 480.0f;
    BandRecorder band;
    menus->setBandRenderer(&band);
    controller.setWrapAround(true);
    for (int slot : PAGES) {
        eachLayout(menus->getPage(slot), [&](const Menu::MenuItem* current) {
            band.boxes.clear();
            band.colours.clear();
            EVT::Event render(EVT::EVENT_RENDER);
            EVT::EventBus::instance()->raiseEvent(&render, false);
            ASSERT_EQ(band.colours, (std::vector<unsigned long>{KWEP::MenuBand::FILL_COLOUR,
                                                                KWEP::MenuBand::FRAME_COLOUR}))
                << "page " << slot;
            for (const Menus::ShownItem& shown : menus->getShownList()) {
                KWEP::MenuBand::Box letters{};
                if (!measuredLetters(*shown.text, fov, aspect, letters))
                    continue;
                // The menus find covered letters with the band's own measure.
                KWEP::MenuBand::Box told{};
                EXPECT_TRUE(KWEP::MenuBand::lettersOf(*shown.text, fov, aspect, told));
                EXPECT_TRUE(sameBox(told, letters)) << "page " << slot << ": " << shown.text->getText();
                if (shown.item == current)
                    EXPECT_TRUE(inside(letters, band.boxes[0])) << "page " << slot << ": " << shown.text->getText();
                else
                    EXPECT_FALSE(overlap(letters, band.boxes[0])) << "page " << slot << ": " << shown.text->getText();
            }
        });
    }
    menus->setBandRenderer(nullptr);
}

// A profile whose area lies over the text gets a message naming its file and
// the page, once; the menus go on working under it.
TEST_P(ShippedMenus, AnAreaOverTheTextIsReportedAndTheMenusStillWork)
{
    Input::InputController cover(1, nullptr);
    const unsigned long id = cover.newArea(0u);
    Input::ScreenArea* area = cover.getArea(static_cast<unsigned int>(id));
    area->setName("COVER");
    Input::ScreenArea::setEntireScreen(*area);
    area->setAreaColor(0xff0000ffUL);
    BandRecorder band;
    menus.reset(new Menus);
    menus->setChooseHandler(&handlers);
    menus->setBandRenderer(&band);
    menus->setProfileFiles("cover.sic", "");
    testing::internal::CaptureStderr();
    menus->create(&controller, shownFont, &cover, &textInput, fileName, GetParam());
    EVT::Event down(EVT::EVENT_MENU_DOWN);
    EVT::EventBus::instance()->raiseEvent(&down, false);
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("\"cover.sic\""), std::string::npos) << said;
    EXPECT_NE(said.find("\"COVER\""), std::string::npos) << said;
    EXPECT_EQ(said.find("cover.sic", said.find("cover.sic") + 1), std::string::npos) << "said once";
    EXPECT_EQ(menus->getCurrentShown()->item, controller.getCurItem());
    EXPECT_NE(controller.getCurItem()->getString(), GetParam() ? "CARRY ON" : "PLAY");
    menus.reset();
}

// With the shipped one-switch profile the current line moves while the switch
// is still held, as soon as the hold time is reached; letting go then selects
// nothing, and a short press selects the line the band is on.
TEST_P(ShippedMenus, HoldingTheOneSwitchMovesTheLineBeforeItIsLetGo)
{
    const CFG::Info inputs("data/Config/Input/KWEP_MENU_INPUT_ONESWITCH.cfg", nullptr);
    ASSERT_TRUE(KWEP::CreateSicFiles::deser(menuInput, inputs.get("MENU_INPUT_FILE")));
    controller.setUseKeys(false);
    controller.setWrapAround(true);
    build(fileName, GetParam());
    ASSERT_TRUE(menuInput.isActive());
    const auto send = [](EVT::I_Event&& event) { EVT::EventBus::instance()->raiseEvent(&event, false); };
    const auto frames = [&](int ms) {
        for (int t = 0; t < ms; t += 16)
            send(EVT::Event_Update(EVT::EVENT_UPDATE, 16));
    };
    const Menu::MenuItem* first = controller.getCurItem();
    send(EVT::Event_Key(EVT::EVENT_KEY, ' ', true, 0));
    frames(700);
    EXPECT_EQ(controller.getCurItem(), first);
    frames(100);
    const Menu::MenuItem* second = controller.getCurItem();
    EXPECT_NE(second, first) << "the hold time passed with the switch held";
    EXPECT_EQ(menus->getCurrentShown()->item, second);
    send(EVT::Event_Key(EVT::EVENT_KEY, ' ', false, 0));
    frames(100);
    EXPECT_EQ(controller.getCurItem(), second);
    EXPECT_EQ(menus->getCurrentPage(), Menus::PAGE_MAIN);
    ASSERT_EQ(second->getString(), "SETTINGS");
    send(EVT::Event_Key(EVT::EVENT_KEY, ' ', true, 0));
    frames(100);
    send(EVT::Event_Key(EVT::EVENT_KEY, ' ', false, 0));
    frames(50);
    EXPECT_EQ(menus->getCurrentPage(), Menus::PAGE_MAIN_CONFIGURE);
}

// The visible shapes of a profile's areas in a window of the aspect.
std::vector<KWEP::MenuBand::Box> visibleShapes(const std::string& file, float aspect)
{
    Input::InputController profile(1, nullptr);
    EXPECT_TRUE(KWEP::CreateSicFiles::deser(profile, file)) << file;
    std::vector<KWEP::MenuBand::Box> shapes;
    for (const Input::ScreenArea* area : profile.getAreas()) {
        const std::vector<KWEP::MenuBand::Box> shown = KWEP::MenuBand::shapesOf(*area, aspect);
        shapes.insert(shapes.end(), shown.begin(), shown.end());
    }
    return shapes;
}

bool overlap(const KWEP::MenuBand::Box& a, const KWEP::MenuBand::Box& b)
{
    return KWEP::MenuBand::overlap(a, b);
}

// No area of a shipped menu profile hides a letter: titles, text bodies and
// every row of every page, with each item current in turn, against the menu
// profile's areas and, on the text page, the text-page profile's.
TEST_P(ShippedMenus, NoAreaOfAShippedProfileCoversALetter)
{
    const float fov = *game.getConfig()->getFloatPtr(Game::OPTION_MENU_FOV);
    const float aspect = 640.0f / 480.0f;
    controller.setWrapAround(true);
    const char* const profiles[] = {"KWEP_MENU_INPUT_STANDARD.cfg", "KWEP_MENU_INPUT_ONESWITCH.cfg",
                                    "KWEP_MENU_INPUT_HEADTRACKER.cfg"};
    for (const char* name : profiles) {
        const CFG::Info inputs(std::string("data/Config/Input/") + name, nullptr);
        const std::vector<KWEP::MenuBand::Box> menuShapes = visibleShapes(inputs.get("MENU_INPUT_FILE"), aspect);
        const std::vector<KWEP::MenuBand::Box> pageShapes = visibleShapes(inputs.get("TPAGE_INPUT_FILE"), aspect);
        for (int slot : PAGES) {
            const std::vector<KWEP::MenuBand::Box>& shapes =
                slot == Menus::PAGE_MAIN_HELP ? pageShapes : menuShapes;
            eachLayout(menus->getPage(slot), [&](const Menu::MenuItem*) {
                for (const Menus::ShownItem& shown : menus->getShownList()) {
                    KWEP::MenuBand::Box letters{};
                    if (!measuredLetters(*shown.text, fov, aspect, letters))
                        continue;
                    for (const KWEP::MenuBand::Box& shape : shapes) {
                        EXPECT_FALSE(overlap(letters, shape))
                            << name << ", page " << slot << ": \"" << shown.text->getText()
                            << "\" at " << letters.left << "," << letters.top << " " << letters.width
                            << "x" << letters.height << " under an area at " << shape.left << ","
                            << shape.top << " " << shape.width << "x" << shape.height;
                    }
                }
            });
        }
    }
}

INSTANTIATE_TEST_SUITE_P(PausedOrNot, ShippedMenus, ::testing::Bool());
