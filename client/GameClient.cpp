#include "client/GameClient.h"

#include <iostream>

#include "client/ClientFSM.h"
#include "client/ClientMenus.h"
#include "client/Config.h"
#include "client/GameClientImpl.h"
#include "client/I_MenuItemChosen.h"
#include "client/InputEventManager.h"
#include "core/CFG.h"
#include "core/Conversions.h"
#include "core/EventBus.h"
#include "core/EventIds.h"
#include "core/FileLimit.h"
#include "core/FormatUtils.h"
#include "core/Event_ConfigChange.h"
#include "core/Event_Score.h"
#include "core/Spurt.h"
#include "core/TextFile.h"
#include "input/Screen.h"
#include "input/rglScreenAreaRenderer.h"
#include "render/LoaderDMF.h"
#include "render/rglModelMaker.h"
#include "shell/Background.h"
#include "shell/CameraItem.h"
#include "shell/Font.h"
#include "shell/I_WindowApp.h"
#include "shell/OptionKey.h"
#include "shell/TextRenderer.h"
#include "sound/SoundManager.h"
#include "world/CarrotCamera.h"
#include "world/GameStuff.h"
#include "world/World.h"
#include "world/glHUD.h"

namespace KWEP {

namespace {

// The high score of a first game, and of a file that does not hold one.
const int DEFAULT_HIGH_SCORE = 887395;
const char HIGH_SCORE_KEY[] = "HIGH_SCORE";

template <typename T>
void deleteAndClear(T*& part)
{
    T* doomed = part;
    part = nullptr;
    delete doomed;
}

// Splits one offset token into its glyph and number texts.
std::vector<std::string> offsetParts(const std::string& piece)
{
    std::vector<std::string> parts;
    if (piece[0] == ':') {
        // The colon glyph: ":" and the number after the second character.
        parts.push_back(":");
        if (piece.size() > 2)
            parts.push_back(piece.substr(2));
        return parts;
    }
    Util::splitString(piece, ":", parts, false);
    return parts;
}

// A reader's message can quote a damaged file's bytes; the terminal gets no
// more than a line's worth, control characters escaped.
std::string printable(std::string text)
{
    const std::size_t MAX_QUOTED = 120;
    if (text.size() > MAX_QUOTED)
        text = text.substr(0, MAX_QUOTED) + "...";
    return Format::printable(text);
}

} // namespace

GameClient::GameClient(int* argc, char** argv) : TheGame(argc, argv), m_impl(new Impl) {}

GameClient::~GameClient()
{
    shutdownGame();
    delete m_impl;
}

bool GameClient::initGame(int*, char**)
{
    Game::Background* background = getBackground();
    if (background && background->load(CFG::get("SPLASH_SCREEN"))) {
        background->render();
        if (getWindowApp())
            getWindowApp()->showWindow();
    }
    loadHighScore();
    if (!checkStartFiles() || !buildParts())
        return false;
    getClientConfig()->setSaveOnExit(true);
    m_impl->started = true;
    return true;
}

// Every file the game cannot start without; the first one missing stops it.
bool GameClient::checkStartFiles()
{
    const std::string* menuProfile = getConfig()->getStringPtr(Game::OPTION_MENU_PROFILE);
    const std::string* gameProfile = getConfig()->getStringPtr(Game::OPTION_GAME_PROFILE);
    const std::string font = CFG::get("MODELS_DIR") + "/Font_" + CFG::get("FONT") + ".dmf";
    const std::pair<std::string, std::string> files[] = {
        {menuProfile ? *menuProfile : std::string(), "the menu input profile"},
        {gameProfile ? *gameProfile : std::string(), "the game input profile"},
        {CFG::get("MENUS_CONFIG_FILE"), "the menus file (MENUS_CONFIG_FILE)"},
        {font, "the font model (MODELS_DIR and FONT)"},
        {CFG::get("LEVEL_FILE"), "the level file (LEVEL_FILE)"},
    };
    for (const auto& file : files) {
        const std::string why = Files::TextFile::whyUnusable(file.first);
        if (!why.empty())
            return fail(file.second + " " + why);
    }
    return true;
}

bool GameClient::buildParts()
{
    Impl& d = *m_impl;
    d.sound = new SoundManager(getSoundController(), CFG::get("SOUNDS_CONFIG_FILE"));
    d.areaRenderer = new rglScreenAreaRenderer(getScreen());
    if (!createMenuInputControllers() || !createGameInputControllers()) {
        setExitCode(EXIT_FAILED);
        return false;
    }
    World* world = new World();
    setWorld(world);
    glHUD* hud = new glHUD();
    setHUD(hud);
    setModelMaker(new RGL::rglModelMaker(CFG::get("MODELS_DIR").c_str(), ".dmf", new Model::LoaderDMF()));
    d.font = new Text3D::Font(CFG::get("FONT"), readLetterOffsets(CFG::get("FONT_YADJ_FILE")));
    reportMissingLetters(*d.font);
    hud->setFont(d.font);
    world->setFont(d.font);
    d.chooser = new Menu::I_MenuItemChosen();
    if (getWindowApp()) {
        Menu::I_MenuItemChosen::Resolutions sizes;
        getWindowApp()->getAllowedSizes(sizes);
        d.chooser->setResolutions(sizes);
    }
    d.spurter = new Stuff::Spurt(nullptr);
    std::string error;
    const std::string story = CFG::get("STORY_SPG");
    if (!d.spurter->parse(story, error)) {
        std::cerr << "The phrase rules \"" << Format::printable(story)
                  << "\" (STORY_SPG) cannot be read: " << printable(error)
                  << "; the story and the bangs get their fixed texts" << std::endl;
        deleteAndClear(d.spurter);
    } else {
        Files::TextFile::reportCutShort(story, "The phrase rules");
    }
    GameStuff::setSpurter(d.spurter);
    EVT::EventBus* bus = EVT::EventBus::instance();
    bus->addConsumer(EVT::EVENT_CONFIGCHANGE, this);
    bus->addConsumer(EVT::EVENT_SCORE, this);
    world->defineItems(CFG::get("ALL_ITEMS"));
    d.fsm = new ClientFSM();
    d.fsm->create(this);
    return true;
}

// The menus and the level's texts are written in capitals and digits; a
// damaged font model that lost them draws menus without text.
void GameClient::reportMissingLetters(const Text3D::Font& font) const
{
    static const char l_needed[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    const std::string missing = font.lacking(l_needed);
    if (missing.empty())
        return;
    const std::string file = CFG::get("MODELS_DIR") + "/Font_" + CFG::get("FONT") + ".dmf";
    std::cerr << getProgramName() << ": the font model \"" << Format::printable(file) << "\" lacks "
              << (missing.size() == sizeof(l_needed) - 1 ? "every letter" : "the letters " + missing)
              << "; text shows without them" << std::endl;
}

bool GameClient::fail(const std::string& what)
{
    std::cerr << getProgramName() << ": cannot start: " << what << std::endl;
    setExitCode(EXIT_FAILED);
    return false;
}

void GameClient::shutdownGame()
{
    storeWindowSize();
    deleteParts();
    // A game that never started leaves the player's high-score file alone,
    // as it leaves the options file.
    if (m_impl->highScore != 0 && m_impl->started)
        saveHighScore();
    m_impl->highScore = 0;
}

void GameClient::loadHighScore()
{
    Impl& d = *m_impl;
    const std::string fileName = CFG::get("SCORE_FILE");
    std::string why;
    d.keepScoreFile = !scoreFileReads(fileName, why);
    if (d.keepScoreFile)
        std::cerr << "The high-score file " << why << "; the game starts from the high score "
                  << DEFAULT_HIGH_SCORE << " and leaves the file as it is" << std::endl;
    d.highScore = d.keepScoreFile ? DEFAULT_HIGH_SCORE : readHighScore(fileName);
    d.highScoreRead = d.highScore;
}

// Another game in the same folder may have saved a higher score since this
// one read the file: the file is read again, and a high score on disk is
// never lowered.
void GameClient::saveHighScore()
{
    const Impl& d = *m_impl;
    const std::string fileName = CFG::get("SCORE_FILE");
    std::string why;
    if (d.keepScoreFile || !scoreFileReads(fileName, why)) {
        if (d.highScore > d.highScoreRead)
            std::cerr << "The new high score " << d.highScore << " is not saved: the high-score file "
                      << (why.empty() ? "\"" + Format::printable(fileName) + "\" did not read at the start" : why)
                      << std::endl;
        return;
    }
    int onDisk = 0;
    if (highScoreIn(fileName, onDisk) && onDisk >= d.highScore)
        return;
    writeHighScore(fileName, d.highScore);
}

// A minimised window reports a side of a pixel or less: the options file
// keeps the size the player had instead.
void GameClient::storeWindowSize()
{
    const Devices::Screen* screen = getScreen();
    int* width = getConfig() ? getConfig()->getIntPtr(Game::OPTION_WINDOW_WIDTH) : nullptr;
    int* height = getConfig() ? getConfig()->getIntPtr(Game::OPTION_WINDOW_HEIGHT) : nullptr;
    if (!screen || !width || !height || screen->getWidth() <= 1 || screen->getHeight() <= 1)
        return;
    *width = screen->getWidth();
    *height = screen->getHeight();
}

void GameClient::deleteParts()
{
    Impl& d = *m_impl;
    deleteAndClear(d.fsm);
    d.menuInputPending = false;
    deleteMenus();
    deleteAndClear(d.chooser);
    // The level's texts and the HUD's are made of the font's letters.
    dropLevel();
    deleteAndClear(d.font);
    deleteAndClear(d.sound);
    deleteAndClear(d.pageText);
    clearControllers(0);
    deleteAndClear(d.areaRenderer);
    deleteAndClear(d.mainCamera);
    dropMapCamera();
    deleteAndClear(d.levelInput);
    deleteAndClear(d.menuProfile);
    deleteAndClear(d.gameProfile);
    if (d.spurter)
        GameStuff::setSpurter(nullptr);
    deleteAndClear(d.spurter);
}

void GameClient::handleEvent(EVT::I_Event* event)
{
    if (!event)
        return;
    switch (event->getEventID()) {
    case EVT::EVENT_SCORE: {
        const EVT::Event_Score* score = EVT::eventCast<EVT::Event_Score>(event);
        if (!score)
            return;
        m_impl->score = clampToInt(static_cast<long long>(m_impl->score) + score->points);
        if (glHUD* hud = dynamic_cast<glHUD*>(getHUD()))
            hud->setScore(m_impl->score);
        return;
    }
    case EVT::EVENT_CONFIGCHANGE: {
        const EVT::Event_ConfigChange* change = EVT::eventCast<EVT::Event_ConfigChange>(event);
        if (change && change->key == Game::OPTION_MENU_PROFILE && m_impl->menus)
            m_impl->menuInputPending = true;
        else if (change && change->key == Game::OPTION_MENU_PROFILE)
            createMenuInputControllers();
        else if (change && change->key == Game::OPTION_GAME_PROFILE)
            createGameInputControllers();
        return;
    }
    case EVT::EVENT_SNOWMAN_DOWN:
        levelCleared();
        return;
    default:
        m_impl->carrot.note(event->getEventID());
        return;
    }
}

int GameClient::getScore() const { return m_impl->score; }
int GameClient::getHighScore() const { return m_impl->highScore; }
int GameClient::getLevel() const { return m_impl->level; }
ClientFSM* GameClient::getStateMachine() const { return m_impl->fsm; }
void GameClient::setLevel(int level)
{
    m_impl->level = level;
    m_impl->levelCleared = false;
    m_impl->carrot.clear();
}
void GameClient::setSpurter(Stuff::Spurt* spurter)
{
    if (m_impl->spurter)
        GameStuff::setSpurter(nullptr);
    delete m_impl->spurter;
    m_impl->spurter = spurter;
}
void GameClient::setScore(int score) { m_impl->score = score; }
void GameClient::setHighScore(int highScore) { m_impl->highScore = highScore; }
void GameClient::setStarted() { m_impl->started = true; }

int GameClient::readHighScore(const std::string& fileName)
{
    int highScore = DEFAULT_HIGH_SCORE;
    // A damaged value counts as none, so the player gets the start value back.
    return highScoreIn(fileName, highScore) ? highScore : DEFAULT_HIGH_SCORE;
}

bool GameClient::highScoreIn(const std::string& fileName, int& highScore)
{
    CFG::Info file(fileName, CFG::getDefaultOverrides());
    const std::string text = Util::trim(file.get(HIGH_SCORE_KEY), Util::BLANKS);
    const std::string::size_type digits = text.compare(0, 1, "-") == 0 ? 1 : 0;
    if (text.size() <= digits || text.find_first_not_of("0123456789", digits) != std::string::npos)
        return false;
    const int none = INT32_MIN;
    const int value = Util::strToNum<int>(text, 10, none);
    if (value == none)
        return false;
    highScore = value;
    return true;
}

bool GameClient::scoreFileReads(const std::string& fileName, std::string& why)
{
    const Files::FileLimit::Verdict verdict = Files::FileLimit::check(fileName);
    why = Files::FileLimit::reason(fileName, verdict);
    if (!why.empty())
        return false;
    std::string text;
    std::string error;
    const Files::TextFile::Outcome outcome = Files::TextFile::read(fileName, text, "\n", error);
    if (outcome == Files::TextFile::UNREADABLE || outcome == Files::TextFile::REFUSED) {
        why = "\"" + Format::printable(fileName) + "\" cannot be read (" + (error.empty() ? "refused" : error) + ")";
        return false;
    }
    return true;
}

bool GameClient::writeHighScore(const std::string& fileName, int highScore)
{
    const std::string line = std::string(HIGH_SCORE_KEY) + " == " + Util::numToStr(highScore, 10, 0);
    if (Files::TextFile::save(fileName, line))
        return true;
    std::cerr << "The high score could not be written to \"" << Format::printable(fileName) << "\"" << std::endl;
    return false;
}

GameClient::Offsets GameClient::readLetterOffsets(const std::string& fileName)
{
    std::string text;
    if (fileName.empty() || !Files::TextFile::load(fileName, text, " ")) {
        std::cerr << "The letter offsets \"" << fileName
                  << "\" (FONT_YADJ_FILE) are missing or empty; every letter stands on the line" << std::endl;
        return Offsets();
    }
    std::size_t skipped = 0;
    const Offsets offsets = parseLetterOffsets(text, &skipped);
    if (skipped > 0)
        std::cerr << "The letter offsets \"" << fileName << "\" hold " << skipped
                  << " pieces that are not a glyph, a colon and a number; they are ignored" << std::endl;
    Files::TextFile::reportCutShort(fileName, "The letter offsets");
    return offsets;
}

GameClient::Offsets GameClient::parseLetterOffsets(const std::string& text, std::size_t* skipped)
{
    Offsets offsets;
    std::vector<std::string> pieces;
    Util::splitString(text, " ", pieces, false);
    for (const std::string& raw : pieces) {
        const std::string::size_type start = raw.find_first_not_of(Util::BLANKS);
        if (start == std::string::npos)
            continue;
        const std::vector<std::string> parts = offsetParts(raw.substr(start));
        if (parts.size() == 2)
            offsets.push_back(std::make_pair(parts[0], Util::strToNum<float>(parts[1], 10, 0.0f)));
        else if (skipped != nullptr)
            ++*skipped;
    }
    return offsets;
}

} // namespace KWEP
