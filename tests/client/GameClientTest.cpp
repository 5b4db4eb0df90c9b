// The game client's own logic: the level end and the won game, the score and
// the end page, the page layout, the high-score file, the letter offsets and
// the input profiles with their controller slots.
#include <climits>
#include <cstdio>
#include <cstdlib>

#include <gtest/gtest.h>

#include <fstream>
#include <functional>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "ClientTestConfig.h"
#include "FakeRenderController.h"
#include "RecordingClient.h"
#include "core/Event.h"
#include "core/EventBus.h"
#include "core/EventIds.h"
#include "core/EventWithString.h"
#include "core/Event_ConfigChange.h"
#include "core/Event_Score.h"
#include "core/Event_Sound.h"
#include "core/I_EventConsumer.h"
#include "core/Spurt.h"
#include "core/TextFile.h"
#include "input/InputController.h"
#include "shell/I_Config.h"
#include "shell/OptionKey.h"
#include "Unprivileged.h"

namespace {

const std::string SHIPPED_SIC = FRELMORY_SOURCE_DIR "/data/Config/Input/KWEP_GAME_STANDARD.sic";

// Writes "id text" of every event it hears on the ids.
struct Recorder : EVT::I_EventConsumer {
    explicit Recorder(std::initializer_list<int> ids)
    {
        for (int id : ids)
            EVT::EventBus::instance()->addConsumer(id, this);
    }
    void handleEvent(EVT::I_Event* event) override
    {
        std::string text = std::to_string(event->getEventID());
        if (const EVT::Event_Score* score = EVT::eventCast<EVT::Event_Score>(event))
            text += " " + std::to_string(score->points);
        else if (const EVT::EventWithString* named = EVT::eventCast<EVT::EventWithString>(event))
            text += " " + named->getString();
        heard.push_back(text);
    }
    std::vector<std::string> heard;
};

void writeFile(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

void snowmanDown(KWEP::GameClient& client)
{
    EVT::Event down(EVT::EVENT_SNOWMAN_DOWN);
    client.handleEvent(&down);
}

std::string slots(const KWEP::GameClient& client)
{
    std::string text;
    for (unsigned i = 1; i < client.getInputSlotCount(); ++i)
        text += client.getInputController(i) ? "x" : "-";
    return text;
}

} // namespace

TEST(GameClientLevels, TwoLevelsGoOnAndTheThirdWinsWithItsBonus)
{
    useConfig("NUM_LEVELS == 2\nWON_SCORE_BONUS == 1000\nWON_GAME_RULE == WON\nKILL_TEXT == \" LEFT\"\n");
    RecordingClient client;
    Recorder recorder({EVT::EVENT_NEXT_LEVEL, EVT::EVENT_GAME_OVER, EVT::EVENT_SOUND, EVT::EVENT_SCORE});
    for (int level : {0, 1}) {
        client.setLevel(level);
        snowmanDown(client);
        snowmanDown(client); // a second fall of the same level changes nothing
    }
    EXPECT_EQ((std::vector<std::string>{"49", "49"}), recorder.heard);
    recorder.heard.clear();
    client.setLevel(2);
    snowmanDown(client);
    snowmanDown(client);
    EXPECT_EQ((std::vector<std::string>{"35 2000", "50 WON", "34 WIN_SONG"}), recorder.heard);
    EXPECT_EQ("3 LEFT", KWEP::GameClient::countText(0));
    EXPECT_EQ("1 LEFT", KWEP::GameClient::countText(2));
}

TEST(GameClientLevels, ScoreEventsAddUp)
{
    RecordingClient client;
    for (int points : {24, 25, -9}) {
        EVT::Event_Score score(EVT::EVENT_SCORE, points);
        client.handleEvent(&score);
    }
    EXPECT_EQ(40, client.getScore());
    EXPECT_TRUE(client.calls.empty());
}

// A key that does not read counts as the smallest int: the bonus and the
// score then stop at the ends of the int range instead of overflowing.
TEST(GameClientLevels, ScoresStayInTheIntRange)
{
    useConfig("NUM_LEVELS == 2\nWON_SCORE_BONUS == lots\nWON_GAME_RULE == WON\n");
    RecordingClient client;
    Recorder recorder({EVT::EVENT_SCORE});
    client.setLevel(2);
    snowmanDown(client);
    EXPECT_EQ((std::vector<std::string>{"35 " + std::to_string(INT_MIN)}), recorder.heard);
    const struct {
        int start, points, expected;
    } cases[] = {{INT_MAX - 1, 24, INT_MAX}, {-5, INT_MIN, INT_MIN}, {INT_MIN, 25, INT_MIN + 25}};
    for (const auto& c : cases) {
        client.setScore(c.start);
        EVT::Event_Score score(EVT::EVENT_SCORE, c.points);
        client.handleEvent(&score);
        EXPECT_EQ(c.expected, client.getScore());
    }
}

TEST(GameClientLevels, EndPageText)
{
    const struct {
        const char* format;
        const char* endText;
        int score;
        const char* expected;
        int highScore;
    } cases[] = {
        {"[SCORE] of [HIGH], [SCORE]. ", "Over.", 500, "500 of 887395, 500. Over.", 887395},
        {"[SCORE] of [HIGH]. ", "", 900000, "900000 of 900000. ", 900000},
        {"", "", 10, "YOU WON (I think)", 887395},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.format);
        useConfig(std::string("END_SCORE_FORMAT == \"") + c.format + "\"\nEND_GAME_TEXT == " + c.endText + "\n");
        RecordingClient client;
        client.setHighScore(887395);
        client.setScore(c.score);
        EXPECT_EQ(c.expected, client.endPageText("NO_SUCH_RULE"));
        EXPECT_EQ(c.highScore, client.getHighScore());
        client.setHighScore(0);
    }
}

TEST(GameClientLevels, EndPageWordsFitWhatTheCarrotDid)
{
    useConfig("END_SCORE_FORMAT == \"\"\n");
    std::string error;
    const struct {
        const char* name;
        std::vector<int> heard; // in the last level
        const char* rule;
        const char* expected;
    } cases[] = {
        {"never taken", {EVT::EVENT_ROCK_THROWN}, "LOST", "never taken."},
        {"taken and held", {EVT::EVENT_ITEM_GRABBED, EVT::EVENT_ROCK_THROWN}, "LOST", "held."},
        {"let go after the rock", {EVT::EVENT_ITEM_GRABBED, EVT::EVENT_ROCK_THROWN, EVT::EVENT_ITEM_RELEASED},
         "LOST", "too slow."},
        {"hit below the limit", {EVT::EVENT_ITEM_GRABBED, EVT::EVENT_ITEM_RELEASED, EVT::EVENT_HIT_BELOW_LIMIT},
         "LOST", "not hard enough."},
        {"a part blown off", {EVT::EVENT_ITEM_GRABBED, EVT::EVENT_ITEM_RELEASED, EVT::EVENT_PART_EXPLODED}, "LOST",
         "not hard enough."},
        {"let go and nothing hit, no flight seen", {EVT::EVENT_ITEM_GRABBED, EVT::EVENT_ITEM_RELEASED}, "LOST",
         "short."},
        {"a variant the rules lack", {EVT::EVENT_ITEM_GRABBED, EVT::EVENT_ITEM_RELEASED, EVT::EVENT_ROCK_THROWN},
         "WON", "won."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingClient client;
        Stuff::Spurt* rules = new Stuff::Spurt(nullptr);
        ASSERT_TRUE(rules->parse(writeTestFile("client_ending.spg",
                                               "% LOST\nlost.\n% LOST_UNTAKEN\nnever taken.\n% LOST_HELD\nheld.\n"
                                               "% LOST_LATE\ntoo slow.\n% LOST_SHORT\nshort.\n"
                                               "% LOST_HIT\nnot hard enough.\n% WON\nwon.\n"),
                                 error))
            << error;
        client.setSpurter(rules);
        client.setLevel(1);
        for (int id : c.heard) {
            EVT::Event event(id);
            client.handleEvent(&event);
        }
        EXPECT_EQ(c.expected, client.endPageText(c.rule));
        client.setLevel(2); // a new level starts with nothing done
        EXPECT_EQ("never taken.", client.endPageText("LOST"));
    }
}

TEST(GameClientLevels, PageWidthFallsBackToFortyColumns)
{
    const std::string words = "one two three four five six seven eight nine ten eleven twelve thirteen";
    for (const char* columns : {"", "0", "-2147483648"}) {
        SCOPED_TRACE(columns);
        useConfig(std::string("STORY_PAGE_COLS == ") + columns + "\n");
        const std::string page = KWEP::GameClient::layoutPage(words);
        EXPECT_EQ("One two three four five six seven  eight\nnine ten eleven twelve thirteen", page);
    }
    useConfig("STORY_PAGE_COLS == 10\n");
    EXPECT_EQ("One    two\nthree", KWEP::GameClient::layoutPage("one two three"));
}

TEST(GameClientFiles, HighScoreFile)
{
    const struct {
        const char* text;
        int expected;
    } cases[] = {
        {nullptr, 887395},
        {"HIGH_SCORE == 1234\n", 1234},
        {"HIGH_SCORE == \n", 887395},
        {"HIGH_SCORE == lots\n", 887395},
        {"HIGH_SCORE == 12ab\n", 887395},
        {"HIGH_SCORE == 99999999999\n", 887395},
        {"SOMETHING == 5\n", 887395},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text ? c.text : "no file");
        const std::string path = TestSupport::tempPath("client_score.cfg");
        std::remove(path.c_str());
        if (c.text)
            writeTestFile("client_score.cfg", c.text);
        EXPECT_EQ(c.expected, KWEP::GameClient::readHighScore(path));
    }
}

TEST(GameClientFiles, HighScoreIsWrittenOnceOverTwoShutdownsOfAStartedGame)
{
    const std::string path = TestSupport::tempPath("client_highscore.cfg");
    std::remove(path.c_str());
    useConfig("SCORE_FILE == " + path + "\n");
    std::string text;
    std::string why;
    {
        RecordingClient notStarted;
        notStarted.setHighScore(887395);
        notStarted.shutdownGame();
        EXPECT_EQ(Files::TextFile::read(path, text, "\n", why), Files::TextFile::MISSING)
            << "a failed start-up writes nothing";
    }
    RecordingClient client;
    client.setStarted();
    client.setHighScore(887395);
    client.shutdownGame();
    ASSERT_TRUE(Files::TextFile::load(path, text, "\n"));
    EXPECT_EQ("HIGH_SCORE == 887395\n", text);
    std::remove(path.c_str());
    client.shutdownGame();
    EXPECT_EQ(Files::TextFile::read(path, text, "\n", why), Files::TextFile::MISSING);
}

// Starts a client over the configuration (the start-up reads the high score
// and stops at the missing input profiles), then ends it as a started game
// with the high score given.
void playWithHighScore(const std::string& config, int highScore, const std::function<void()>& meanwhile = {})
{
    useConfig(config);
    RecordingClient client;
    TestSupport::FakeRenderController render;
    int argc = 1;
    char name[] = "client_test";
    char* argv[] = {name, nullptr};
    client.runGame(&argc, argv, nullptr, &render, nullptr);
    if (meanwhile)
        meanwhile();
    client.setStarted();
    client.setHighScore(highScore);
    client.shutdownGame();
}

// A high-score file that is there but does not read is named and left as
// it is, and a new high score that cannot be saved to it is named too.
TEST(GameClientFiles, AHighScoreFileThatDoesNotReadIsKept)
{
    const std::string folder = TestSupport::Unprivileged::folder("client_kept_score");
    const std::string file = folder + "/score.cfg";
    const struct {
        const char* name;
        std::function<void()> make;
        const char* reason;
    } cases[] = {
        {"no permission", [&] { writeFile(file, "HIGH_SCORE == 950000\n"); ::chmod(file.c_str(), 0); },
         "Permission denied"},
        {"sparse file over 64 MB",
         [&] { writeFile(file, "HIGH_SCORE == 950000\n"); ::truncate(file.c_str(), 65 << 20); }, "64 MB"},
        {"named pipe", [&] { ::mkfifo(file.c_str(), 0666); }, "not a regular file"},
        {"link to a device", [&] { ::symlink("/dev/zero", file.c_str()); }, "not a regular file"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        c.make();
        struct stat before;
        ASSERT_EQ(::lstat(file.c_str(), &before), 0);
        const int answer = TestSupport::Unprivileged::run([&] {
            ::testing::internal::CaptureStderr();
            playWithHighScore("SCORE_FILE == " + file + "\n", 990000);
            const std::string errors = ::testing::internal::GetCapturedStderr();
            const bool named = errors.find(file) != std::string::npos && errors.find(c.reason) != std::string::npos
                && errors.find("The new high score 990000 is not saved") != std::string::npos;
            return named ? 0 : 1;
        });
        EXPECT_EQ(answer, 0);
        struct stat after;
        ASSERT_EQ(::lstat(file.c_str(), &after), 0);
        EXPECT_EQ(after.st_ino, before.st_ino) << "the file was replaced";
        EXPECT_EQ(after.st_size, before.st_size);
        EXPECT_EQ(after.st_mtime, before.st_mtime);
        std::remove(file.c_str());
    }
    ::rmdir(folder.c_str());
}

// Two games in one folder: a high score the other game saved meanwhile is
// never lowered by this one's, which is written only when higher.
TEST(GameClientFiles, AHighScoreSavedByAnotherGameIsNeverLowered)
{
    const std::string path = TestSupport::tempPath("client_shared_score.cfg");
    const std::string config = "SCORE_FILE == " + path + "\n";
    const struct {
        int ours;
        const char* expected;
    } cases[] = {{887395, "HIGH_SCORE == 950000\n"}, {940000, "HIGH_SCORE == 950000\n"},
                 {960000, "HIGH_SCORE == 960000\n"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.ours);
        writeFile(path, "HIGH_SCORE == 887395\n");
        playWithHighScore(config, c.ours, [&] {
            const pid_t other = ::fork();
            if (other == 0)
                ::_exit(KWEP::GameClient::writeHighScore(path, 950000) ? 0 : 1);
            int status = 1;
            ::waitpid(other, &status, 0);
            ASSERT_EQ(status, 0);
        });
        std::string text;
        ASSERT_TRUE(Files::TextFile::load(path, text, "\n"));
        EXPECT_EQ(text, c.expected);
    }
    std::remove(path.c_str());
}

TEST(GameClientFiles, LetterOffsetTokens)
{
    const KWEP::GameClient::Offsets expected = {{"a", 0.5f}, {"b", -1.0f}, {":", 0.25f}, {"c", 0.0f}};
    std::size_t skipped = 0;
    EXPECT_EQ(expected, KWEP::GameClient::parseLetterOffsets("a:0.5 b:-1 \n::0.25 x:1:2 y \t : c:x", &skipped));
    EXPECT_EQ(skipped, 3u);  // "x:1:2", "y" and a lone ":"
    const std::string path = writeTestFile("client_offsets.yadj", "a:0.5\n\nb:-1\n::0.25\nx:1:2 y\nc:x\n");
    EXPECT_EQ(expected, KWEP::GameClient::readLetterOffsets(path));
    EXPECT_TRUE(KWEP::GameClient::readLetterOffsets("no_such_file.yadj").empty());
}

TEST(GameClientFiles, MinimisedWindowKeepsTheSavedSize)
{
    const struct {
        int width, height, savedWidth, savedHeight;
    } cases[] = {{800, 600, 800, 600}, {1, 600, 640, 480}, {800, 0, 640, 480}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height));
        useConfig("");
        RecordingClient client;
        TestSupport::FakeRenderController render;
        render.view.w = c.width;
        render.view.h = c.height;
        int argc = 1;
        char name[] = "client_test";
        char* argv[] = {name, nullptr};
        // No input profiles: the start-up stops and the shutdown runs at once.
        testing::internal::CaptureStderr();
        client.runGame(&argc, argv, nullptr, &render, nullptr);
        EXPECT_NE(std::string::npos, testing::internal::GetCapturedStderr().find("menu input profile"));
        EXPECT_EQ(1, client.getExitCode());
        EXPECT_EQ(c.savedWidth, *client.getConfig()->getIntPtr(Game::OPTION_WINDOW_WIDTH));
        EXPECT_EQ(c.savedHeight, *client.getConfig()->getIntPtr(Game::OPTION_WINDOW_HEIGHT));
        client.setHighScore(0);
    }
}

TEST(GameClientInput, ProfileSlots)
{
    const struct {
        const char* name;
        std::string others;
        const char* slots;
    } cases[] = {
        {"two files", SHIPPED_SIC + ", " + SHIPPED_SIC, "xxx-x-x"},
        {"doubled commas", ",," + SHIPPED_SIC + ",,", "xxx-x"},
        {"none", "", "xxx"},
    };
    const std::string menus = writeTestFile("client_menus.cfg", "MOUSE_ON == yes\nMENU_INPUT_FILE == " + SHIPPED_SIC +
                                                                    "\nTPAGE_INPUT_FILE == " + SHIPPED_SIC + "\n");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string game = writeTestFile("client_game.cfg", "GAME_INPUT_FILE == " + SHIPPED_SIC +
                                                                      "\nOTHER_INPUT_FILES == " + c.others + "\n");
        RecordingClient client;
        *client.getConfig()->getStringPtr(Game::OPTION_MENU_PROFILE) = menus;
        *client.getConfig()->getStringPtr(Game::OPTION_GAME_PROFILE) = game;
        ASSERT_TRUE(client.createMenuInputControllers());
        ASSERT_TRUE(client.createGameInputControllers());
        EXPECT_EQ(c.slots, slots(client));
        // A rebuild reloads slot 3 and replaces the extra controllers.
        Input::InputController* play = client.getGameInputController();
        ASSERT_TRUE(client.createGameInputControllers());
        EXPECT_EQ(c.slots, slots(client));
        EXPECT_EQ(play, client.getGameInputController());
    }
}

TEST(GameClientInput, ProfilesThatDoNotReadAreReported)
{
    const std::string empty = writeTestFile("client_empty.cfg", "");
    const std::string badSic = writeTestFile("client_bad.sic", "not a controller\n");
    const std::string badGame = writeTestFile("client_badgame.cfg", "GAME_INPUT_FILE == " + badSic + "\n");
    const std::string noSlot = writeTestFile("client_noslot.cfg", "GAME_INPUT_FILE ==\nMOUSE_ON == YES\n");
    const struct {
        std::string profile;
        bool ok;
        const char* named;
    } cases[] = {
        {"no_such_profile.cfg", false, "no_such_profile.cfg"},
        {empty, false, "client_empty.cfg"},
        {badGame, false, "client_bad.sic"},
        // no input acts: named, and the standard profile (missing here) stands in
        {noSlot, false, "client_noslot.cfg\" gives no input that acts"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.profile);
        RecordingClient client;
        *client.getConfig()->getStringPtr(Game::OPTION_GAME_PROFILE) = c.profile;
        testing::internal::CaptureStderr();
        EXPECT_EQ(c.ok, client.createGameInputControllers());
        EXPECT_NE(std::string::npos, testing::internal::GetCapturedStderr().find(c.named));
    }
}

// A standard profile that gives no input that acts is named, and the
// profile built into the game stands in: the player can still act.
TEST(GameClientInput, ADeadStandardProfileGivesWayToTheBuiltInOne)
{
    const std::string folder = TestSupport::tempPath("client_dead_standard/");
    ASSERT_EQ(::mkdir(folder.c_str(), 0700), 0);
    ASSERT_EQ(::mkdir((folder + "Input").c_str(), 0700), 0);
    for (const char* profile : {"KWEP_MENU_INPUT_STANDARD.cfg", "KWEP_GAME_INPUT_STANDARD.cfg"})
        writeFile(folder + "Input/" + profile, "MOUSE_ON == YES\nMENU_INPUT_FIL == cut.sic\n");
    useConfig("CONFIG_DIR == " + folder + "\n");
    const std::string chosen = writeTestFile("client_dead_chosen.cfg", "MOUSE_ON == YES\n");
    for (const std::string& first : {std::string(), chosen}) {
        SCOPED_TRACE(first.empty() ? "the standard profile chosen" : "a dead profile chosen");
        RecordingClient client;
        for (int key : {Game::OPTION_MENU_PROFILE, Game::OPTION_GAME_PROFILE})
            if (!first.empty())
                *client.getConfig()->getStringPtr(key) = first;
        testing::internal::CaptureStderr();
        ASSERT_TRUE(client.createMenuInputControllers());
        ASSERT_TRUE(client.createGameInputControllers());
        const std::string errors = testing::internal::GetCapturedStderr();
        for (const char* what : {"menu", "game"})
            EXPECT_NE(errors.find(std::string("the standard ") + what + " input profile \"" + folder + "Input/"),
                      std::string::npos) << errors;
        EXPECT_NE(errors.find("the profile built into the game is used instead"), std::string::npos) << errors;
        for (const Input::InputController* built : {client.getMenuInputController(),
                                                    client.getTPageInputController(),
                                                    client.getGameInputController()}) {
            ASSERT_NE(built, nullptr);
            EXPECT_NE(built->getSwitch(1), nullptr);
        }
        EXPECT_EQ(*client.getConfig()->getStringPtr(Game::OPTION_GAME_PROFILE),
                  first.empty() ? folder + "Input/KWEP_GAME_INPUT_STANDARD.cfg" : first)
            << "the option keeps the player's choice";
    }
    std::system(("rm -rf '" + folder + "'").c_str());
}

// The menus drive the controllers of slots 1 and 2: a menu profile chosen
// while they are shown is read once they are gone, so they never hold a
// deleted controller; without menus it is read at once.
TEST(GameClientInput, MenuProfileChosenInTheMenusWaitsForThemToGo)
{
    useConfig("");
    const std::string full = writeTestFile("client_menus_full.cfg", "MENU_INPUT_FILE == " + SHIPPED_SIC +
                                                                        "\nTPAGE_INPUT_FILE == " + SHIPPED_SIC + "\n");
    const std::string noMenu = writeTestFile("client_menus_nomenu.cfg", "TPAGE_INPUT_FILE == " + SHIPPED_SIC + "\n");
    RecordingClient client;
    std::string& profile = *client.getConfig()->getStringPtr(Game::OPTION_MENU_PROFILE);
    EVT::Event_ConfigChange change(EVT::EVENT_CONFIGCHANGE, Game::OPTION_MENU_PROFILE);
    profile = full;
    client.handleEvent(&change);
    ASSERT_NE(nullptr, client.getMenuInputController());
    profile = noMenu;
    client.handleEvent(&change);
    EXPECT_EQ(nullptr, client.getMenuInputController());

    profile = full;
    client.handleEvent(&change);
    Input::InputController* shown = client.getMenuInputController();
    client.KWEP::GameClient::createMenus(false);
    EXPECT_TRUE(shown->isActive());
    profile = noMenu;
    client.handleEvent(&change);
    EXPECT_EQ(shown, client.getMenuInputController());
    EXPECT_TRUE(shown->isActive());
    client.KWEP::GameClient::createMenus(false);
    EXPECT_EQ(nullptr, client.getMenuInputController());
    EXPECT_NE(nullptr, client.getTPageInputController());
}
