#include "client/GameClient.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <iostream>

#include "client/ClientMenus.h"
#include "client/GameClientImpl.h"
#include "client/InputEventManager.h"
#include "core/CFG.h"
#include "core/Conversions.h"
#include "core/Event.h"
#include "core/EventBus.h"
#include "core/EventIds.h"
#include "core/EventWithString.h"
#include "core/Event_Effect.h"
#include "core/Event_Score.h"
#include "core/FormatUtils.h"
#include "core/Event_Sound.h"
#include "core/Event_View.h"
#include "core/FormatUtils.h"
#include "core/Pagitizer.h"
#include "core/PointsString.h"
#include "core/Spurt.h"
#include "input/InputController.h"
#include "input/Keyboard.h"
#include "input/Mouse.h"
#include "input/Screen.h"
#include "input/rglScreenAreaRenderer.h"
#include "menu/MenuController.h"
#include "physics/ChipmunkItem.h"
#include "shell/CameraItem.h"
#include "shell/Font.h"
#include "shell/I_Config.h"
#include "shell/OptionKey.h"
#include "shell/TextRenderer.h"
#include "world/Carrot.h"
#include "world/CarrotCamera.h"
#include "world/GameStuff.h"
#include "world/Player.h"
#include "world/Snowman.h"
#include "world/World.h"
#include "world/glHUD.h"

namespace KWEP {

namespace {

// Sizes of the story and end pages' text renderer.
const int PAGE_COLUMNS = 40;
const int PAGE_ROWS = 20;
// The page width when STORY_PAGE_COLS is missing or below one column.
const int DEFAULT_PAGE_COLS = 40;

const char FALLBACK_END_TEXT[] = "YOU WON (I think)";

int decimal(const std::string& key) { return Util::strToNum<int>(CFG::get(key), 10, INT_MIN); }

MathStuff::Vector3<float> point(const std::string& key)
{
    return MathStuff::PointsString(0.0f, false).stringToPoint(CFG::get(key));
}

unsigned long colour(const std::string& key)
{
    return Util::strToNum<unsigned long>(CFG::get(key), 16, 0xFFFFFFFFUL);
}

// The view event that changes the field of view alone.
void raiseFieldOfView(float fov)
{
    Render::ViewData view;
    view.fov = fov;
    EVT::Event_View event(EVT::EVENT_VIEW, EVT::Event_View::PERSPECTIVE, view);
    EVT::EventBus::instance()->raiseEvent(&event, false);
}

// With FRELMORY_TRACE_START in the environment, a level that has begun is
// announced on the error stream, as the first frame is: a scripted run waits
// for it instead of for a fixed time.
void traceLevelBegun(int level)
{
    if (std::getenv("FRELMORY_TRACE_START") != nullptr)
        std::cerr << "frelmory: level " << level << " begun" << std::endl;
}

void raiseQueued(EVT::I_Event& event) { EVT::EventBus::instance()->raiseEvent(&event, true); }

// The x of the first body of the first live actor of the kind; false when
// there is none. Decorations may share the kind: they are not the actor.
template <class Actor>
bool firstActorX(World& world, const char* kind, float& x)
{
    std::vector<unsigned long> ids;
    world.getItems(kind, ids);
    for (unsigned long id : ids) {
        const Actor* actor = dynamic_cast<Actor*>(world.findItem(id));
        const Physics::ChipmunkItem* item = actor ? actor->getChipmunkItem() : nullptr;
        std::vector<MathStuff::Orientation<float> > bodies;
        if (item)
            item->getPositions(bodies);
        if (!bodies.empty()) {
            x = bodies.front().position.x;
            return true;
        }
    }
    return false;
}

std::string replaceAll(std::string text, const std::string& from, const std::string& to)
{
    for (std::string::size_type at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

} // namespace

void GameClient::startingGame()
{
    Impl& d = *m_impl;
    switchControllers(false);
    hideAreas(true);
    deleteMenus();
    replaceMainCamera();
    delete d.pageText;
    d.pageText = new Text3D::TextRenderer(d.font, PAGE_COLUMNS, PAGE_ROWS);
    std::string text;
    if (!d.spurter || !d.spurter->get(text, CFG::get("STORY_START_RULE")))
        text = CFG::get("STORY_PAGE_MISSING");
    showPage(text);
}

void GameClient::startGame() { beginLevel(0); }

void GameClient::beginLevel(int level)
{
    Impl& d = *m_impl;
    World* world = getWorld();
    if (!world)
        return;
    deletePage();
    hideAreas(false);
    setPlayBackground();
    raiseFieldOfView(*getConfig()->getFloatPtr(Game::OPTION_PLAY_FOV));
    if (getKeyboard())
        getKeyboard()->reset();
    setMouse(true);
    replaceMainCamera();
    world->stasis(false);
    world->genisis(CFG::get("LEVEL_FILE"));
    d.level = level;
    d.levelCleared = false;
    d.carrot.clear();
    GameStuff::setLevelCount(level);
    GameStuff::createSnowman(world);
    if (level == 0) {
        d.score = 0;
        if (glHUD* hud = dynamic_cast<glHUD*>(getHUD()))
            hud->setScore(0);
    }
    if (!placePlayer(*world))
        return;
    makeMapCamera();
    delete d.levelInput;
    d.levelInput = new InputEventManager();
    EVT::EventBus* bus = EVT::EventBus::instance();
    bus->addConsumer(EVT::EVENT_SNOWMAN_DOWN, this);
    for (int id = EVT::EVENT_SNOWMAN_MADE; id <= EVT::EVENT_ITEM_RELEASED; ++id)
        bus->addConsumer(id, this);
    // 0 would leave the smoothing as it was: off must be said with 2.
    EVT::Event_Effect smooth(EVT::EVENT_EFFECT);
    smooth.lineSmooth = *getConfig()->getBoolPtr(Game::OPTION_SMOOTH) ? 1 : 2;
    EVT::EventBus::instance()->raiseEvent(&smooth, false);
    if (getHUD())
        getHUD()->setOn(true);
    static const MathStuff::Vector3<float> l_killTextPos = point("KILL_TEXT_POS");
    world->addText(countText(level), l_killTextPos, 1.0f, 0.0f, Physics::ChipmunkItem::XYPart(), 0.0f);
    traceLevelBegun(level);
}

namespace {

// Where the PLAYER items come from: the number of ALL_ITEMS entries of that
// kind and their files, each named once. A damaged item file or a damaged
// item list is as likely a cause as the level itself.
std::string playerSources()
{
    std::vector<std::string> records;
    Util::splitString(CFG::get("ALL_ITEMS"), "ITEM:", records, false);
    std::size_t entries = 0;
    std::vector<std::string> files;
    for (const std::string& record : records) {
        std::vector<std::string> words;
        Util::tokenizeStr(record, words, Util::BLANKS);
        if (words.size() != 3 || words[1] != "PLAYER")
            continue;
        ++entries;
        if (std::find(files.begin(), files.end(), words[2]) == files.end())
            files.push_back(words[2]);
    }
    std::string text = std::to_string(entries) + " PLAYER entries in ALL_ITEMS (KWEP.cfg)";
    for (std::size_t i = 0; i < files.size() && i < 3; ++i)
        text += (i == 0 ? ", item file \"" : ", \"") + files[i] + "\"";
    return text;
}

} // namespace

// The level must hold exactly one grab hand: without it nothing can be
// played. The game then ends through the normal shutdown with exit code 1.
bool GameClient::placePlayer(World& world)
{
    Impl& d = *m_impl;
    std::vector<unsigned long>& players = getPlayerIds();
    const int found = world.getItems("PLAYER", players);
    if (found != 1) {
        std::cerr << getProgramName() << ": the level \"" << Format::printable(CFG::get("LEVEL_FILE"))
                  << "\" must hold exactly one PLAYER item but holds " << found << "; it comes from "
                  << playerSources() << " (a damaged item file or list leaves it out)" << std::endl;
        setExitCode(EXIT_FAILED);
        EVT::Event quit(EVT::EVENT_QUIT);
        EVT::EventBus::instance()->raiseEvent(&quit, false);
        return false;
    }
    Player* player = dynamic_cast<Player*>(world.findItem(players.front()));
    if (glHUD* hud = dynamic_cast<glHUD*>(getHUD()))
        hud->setWorld(&world);
    d.mainCamera->setTrackedItem(player);
    MathStuff::Orientation<float>& own = d.mainCamera->getCameraOrientation();
    own.position = point("CAMERA_XYZ");
    own.direction = point("CAMERA_FACE");
    own.up = point("CAMERA_UP");
    world.setCameraItem(d.mainCamera);
    if (player)
        player->setWorld(&world);
    return true;
}

bool GameClient::makeMapCamera()
{
    Impl& d = *m_impl;
    World* world = getWorld();
    if (!world || CFG::get("MAP_ON") != "YES")
        return false;
    std::vector<unsigned long> first;
    std::vector<unsigned long> second;
    world->getItems(CFG::get("MAP_ITEM1"), first);
    world->getItems(CFG::get("MAP_ITEM2"), second);
    Game::WorldItem* item1 = first.empty() ? nullptr : world->findItem(first.front());
    Game::WorldItem* item2 = second.empty() ? nullptr : world->findItem(second.front());
    if (!item1 || !item2)
        return false;
    dropMapCamera();
    d.mapCamera = new CarrotCamera();
    d.mapCamera->setTrackedItems(item1, item2);
    MathStuff::Orientation<float> offset = d.mapCamera->getCameraOrientation();
    offset.position = point("MAP_CAMERA_XYZ");
    d.mapCamera->setOrientation(offset);
    world->addCamera(d.mapCamera);
    return true;
}

void GameClient::nextLevel()
{
    World* world = getWorld();
    deleteAndClearCamera();
    dropMapCamera();
    getPlayerIds().clear();
    if (getHUD())
        getHUD()->setOn(false);
    if (world) {
        world->stasis(false);
        world->apocalypse();
    }
    beginLevel(m_impl->level + 1);
}

void GameClient::pauseGame()
{
    World* world = getWorld();
    if (getHUD())
        getHUD()->setOn(false);
    if (world) {
        world->removeCamera(m_impl->mapCamera);
        world->stasis(true);
    }
    createMenus(true);
}

void GameClient::resumeGame()
{
    Impl& d = *m_impl;
    World* world = getWorld();
    switchControllers(false);
    deleteMenus();
    if (world) {
        world->setCameraItem(d.mainCamera);
        world->addCamera(d.mapCamera);
        world->stasis(false);
    }
    raiseFieldOfView(*getConfig()->getFloatPtr(Game::OPTION_PLAY_FOV));
    if (getHUD())
        getHUD()->setOn(true);
    if (getKeyboard())
        getKeyboard()->reset();
    setMouse(true);
    setPlayBackground();
}

void GameClient::endGame()
{
    leavePlay();
    setMouse(false);
    const Devices::Screen* screen = getScreen();
    if (getMouse() && screen)
        getMouse()->warpPosition(screen->getWidth() / 2, screen->getHeight() / 2);
    dropLevelParts();
    deletePage();
    if (getWorld())
        getWorld()->apocalypse();
    createMenus(false);
}

void GameClient::endingGame(const std::string& rule)
{
    Impl& d = *m_impl;
    leavePlay();
    dropLevelParts();
    if (getWorld())
        getWorld()->apocalypse();
    raiseFieldOfView(*getConfig()->getFloatPtr(Game::OPTION_MENU_FOV));
    switchControllers(false);
    hideAreas(true);
    replaceMainCamera();
    delete d.pageText;
    d.pageText = new Text3D::TextRenderer(d.font, PAGE_COLUMNS, PAGE_ROWS);
    showPage(endPageText(rule));
}

// The first steps of every way out of play: the HUD goes, the world runs
// again and the player items are deleted.
void GameClient::leavePlay()
{
    if (getHUD())
        getHUD()->setOn(false);
    World* world = getWorld();
    if (world)
        world->stasis(false);
    std::vector<unsigned long>& players = getPlayerIds();
    for (unsigned long id : players) {
        Game::WorldItem* item = world ? world->findItem(id) : nullptr;
        delete item;
    }
    players.clear();
}

// The level's own parts: the cameras and the level's input consumer.
void GameClient::dropLevelParts()
{
    if (getKeyboard())
        getKeyboard()->reset();
    deleteAndClearCamera();
    dropMapCamera();
    delete m_impl->levelInput;
    m_impl->levelInput = nullptr;
}

std::string GameClient::endPageText(const std::string& rule)
{
    Impl& d = *m_impl;
    if (d.score > d.highScore)
        d.highScore = d.score;
    std::string text = replaceAll(CFG::get("END_SCORE_FORMAT"), "[HIGH]", Util::numToStr(d.highScore, 10, 0));
    text = replaceAll(text, "[SCORE]", Util::numToStr(d.score, 10, 0));
    std::string ending;
    if (d.spurter && (expandFitting(ending, rule) || d.spurter->get(ending, rule)))
        text += ending;
    else
        text += CFG::get("END_GAME_TEXT");
    return text.empty() ? FALLBACK_END_TEXT : text;
}

// The variant of the rule for what the carrot did; false when it has none.
bool GameClient::expandFitting(std::string& out, const std::string& rule) const
{
    const Impl& d = *m_impl;
    std::string fitting;
    if (!d.spurter->get(fitting, rule + CarrotRecord::suffix(d.carrot.outcome())))
        return false;
    out += fitting;
    return true;
}

std::string GameClient::countText(int level)
{
    static const int l_numLevels = decimal("NUM_LEVELS");
    return Util::numToStr(clampToInt(static_cast<long long>(l_numLevels) - level + 1), 10, 0)
        + CFG::get("KILL_TEXT");
}

// 36: the first fall of the level's snowman clears it; a second one (the
// snowman may fall again before the level ends) must not skip a level.
void GameClient::levelCleared()
{
    static const int l_numLevels = decimal("NUM_LEVELS");
    Impl& d = *m_impl;
    if (d.levelCleared)
        return;
    d.levelCleared = true;
    if (d.level < l_numLevels) {
        EVT::Event next(EVT::EVENT_NEXT_LEVEL);
        raiseQueued(next);
        return;
    }
    const int bonusPoints = clampToInt(static_cast<long long>(d.level) * decimal("WON_SCORE_BONUS"));
    EVT::Event_Score bonus(EVT::EVENT_SCORE, bonusPoints);
    raiseQueued(bonus);
    EVT::EventWithString won(EVT::EVENT_GAME_OVER, CFG::get("WON_GAME_RULE"));
    raiseQueued(won);
    EVT::Event_Sound song(EVT::EVENT_SOUND, "WIN_SONG", true, 0, 0);
    raiseQueued(song);
}

std::string GameClient::layoutPage(const std::string& text)
{
    int columns = decimal("STORY_PAGE_COLS");
    if (columns < 1)
        columns = DEFAULT_PAGE_COLS;
    Format::Pagitizer pager(Format::ALIGN_FULL, 0, static_cast<unsigned int>(columns));
    Format::Pagitizer::Pages pages;
    pager.format(text, pages);
    std::string laidOut = Format::capitaliseSentences(Format::asString(pages, ""));
    const std::string::size_type end = laidOut.find_last_not_of(Util::BLANKS);
    laidOut.erase(end == std::string::npos ? 0 : end + 1);
    return laidOut;
}

void GameClient::showPage(const std::string& text)
{
    if (m_impl->pageText)
        m_impl->pageText->display(point("STORY_PAGE_XYZ"), layoutPage(text).c_str());
}

void GameClient::createMenus(bool paused)
{
    Impl& d = *m_impl;
    *getConfig()->getULongPtr(Game::OPTION_CLEAR_COLOUR) = colour("MENU_BACKGROUND");
    setMouse(false);
    deleteMenus();
    d.menus = new ClientMenus();
    d.menus->setChooseHandler(d.chooser);
    d.menus->setBandRenderer(d.areaRenderer);
    if (d.menuProfile)
        d.menus->setProfileFiles(d.menuProfile->get("MENU_INPUT_FILE"), d.menuProfile->get("TPAGE_INPUT_FILE"));
    switchControllers(true);
    hideAreas(false);
    Menu::MenuController* controller = getMenuController();
    if (controller && d.menuProfile) {
        controller->setUseKeys(d.menuProfile->getUseKeys());
        controller->setWrapAround(d.menuProfile->getWrapAround());
    }
    d.menus->create(controller, d.font, getMenuInputController(), getTPageInputController(),
                    CFG::get("MENUS_CONFIG_FILE"), paused);
    raiseFieldOfView(*getConfig()->getFloatPtr(Game::OPTION_MENU_FOV));
}

void GameClient::updateWorld(long ms)
{
    World* world = getWorld();
    if (!world)
        return;
    world->update(ms);
    if (m_impl->carrot.inFlight())
        watchFlight(*world);
}

// How far the carrot got, against the snowman, in the plane of play. Nothing
// to note while either is gone.
void GameClient::watchFlight(World& world)
{
    float carrotX = 0.0f;
    float snowmanX = 0.0f;
    if (firstActorX<Carrot>(world, "VEG", carrotX) && firstActorX<Snowman>(world, "BOSS", snowmanX))
        m_impl->carrot.noteFlight(carrotX, snowmanX);
}

void GameClient::setPlayBackground()
{
    *getConfig()->getULongPtr(Game::OPTION_CLEAR_COLOUR) = colour("GAME_BACKGROUND");
}

// The pointer as the profile in force wants it: the game profile's in play,
// the menu profile's in the menus.
void GameClient::setMouse(bool gameProfile)
{
    const InputConfig* profile = gameProfile ? m_impl->gameProfile : m_impl->menuProfile;
    if (getMouse())
        getMouse()->setParams(profile && profile->isMouseOn(),
                              *getConfig()->getBoolPtr(Game::OPTION_REVERSE_Y), 0, 0);
}

// The story and end pages leave the play profile at work but show none of
// its areas; the menus and play show them.
void GameClient::hideAreas(bool hidden)
{
    if (m_impl->areaRenderer)
        m_impl->areaRenderer->setHidden(hidden);
}

// An empty slot is left alone: its profile names no controller file.
void GameClient::switchControllers(bool menus)
{
    if (Input::InputController* game = getGameInputController())
        game->setActive(!menus);
    if (Input::InputController* menu = getMenuInputController())
        menu->setActive(menus);
}

void GameClient::replaceMainCamera()
{
    deleteAndClearCamera();
    m_impl->mainCamera = new Game::CameraItem();
    if (getWorld())
        getWorld()->setCameraItem(m_impl->mainCamera);
}

void GameClient::deleteAndClearCamera()
{
    Game::CameraItem* camera = m_impl->mainCamera;
    m_impl->mainCamera = nullptr;
    delete camera;
}

void GameClient::dropMapCamera()
{
    CarrotCamera* camera = m_impl->mapCamera;
    m_impl->mapCamera = nullptr;
    if (camera && getWorld())
        getWorld()->removeCamera(camera);
    delete camera;
}

// A menu profile chosen while the menus were shown takes effect once they are
// gone: they drive the controllers of slots 1 and 2, which a rebuild may
// delete or replace.
void GameClient::deleteMenus()
{
    ClientMenus* menus = m_impl->menus;
    m_impl->menus = nullptr;
    delete menus;
    if (!m_impl->menuInputPending)
        return;
    m_impl->menuInputPending = false;
    createMenuInputControllers();
}

void GameClient::deletePage()
{
    delete m_impl->pageText;
    m_impl->pageText = nullptr;
}

// A level still standing at shutdown goes before the font its texts use. The
// HUD's texts are world items too: they go first, so the level's end does not
// delete them under the HUD.
void GameClient::dropLevel()
{
    if (getHUD())
        getHUD()->setOn(false);
    World* world = getWorld();
    if (world && world->getPhysicsWorld()) {
        dropLevelParts();
        world->apocalypse();
    }
}

} // namespace KWEP
