#ifndef KWEP_GAMECLIENT_H
#define KWEP_GAMECLIENT_H

#include <string>
#include <utility>
#include <vector>

#include "client/TheGame.h"
#include "core/Info.h"

namespace Input { class InputController; }
namespace Stuff { class Spurt; }
namespace Text3D { class Font; }

namespace KWEP {

class ClientFSM;

// The game: the start-up that builds every part of the game, the story page,
// the levels, the pause, the end page with the score and the high score, the
// input profiles with their controllers, and the shutdown that takes it all
// down again. main owns the one game client; the state machine's handlers
// call its operations.
//
// A start-up that cannot go on (a missing or empty input profile, controller
// file, menus file, font model or level file) says which file on the error
// stream, records exit code 1 and answers false, so the frame loop never runs
// and the options file is left as it was.
class GameClient : public TheGame {
public:
    // An input profile: the configuration file that names the controller files
    // of the menus (menu profile) or of play (game profile), with its flags.
    // Values other than "YES" are false.
    class InputConfig : public CFG::Info {
    public:
        explicit InputConfig(const std::string& fileName);
        // A profile of the given keys, named name, read from no file.
        InputConfig(const std::string& name, const std::vector<std::pair<std::string, std::string> >& keys);
        bool isMouseOn() const { return m_mouseOn; }
        bool getUseKeys() const { return m_useKeys; }
        bool getWrapAround() const { return m_wrapAround; }
        bool getPowerSelectWrapAround() const { return m_powerSelectWrapAround; }
        const std::string& getPowerFile() const { return m_powerFile; }
        const std::string& getBusFile() const { return m_busFile; }
        // OTHER_INPUT_FILES cut at the commas, empty pieces skipped, each
        // trimmed (a piece of blanks only stays as an empty name).
        const std::vector<std::string>& getOtherInputFiles() const { return m_otherFiles; }
        const std::string& getFileName() const { return m_fileName; }

    private:
        void readKeys();

        std::string m_fileName;
        bool m_mouseOn;
        bool m_useKeys;
        bool m_wrapAround;
        bool m_powerSelectWrapAround;
        std::string m_powerFile;
        std::string m_busFile;
        std::vector<std::string> m_otherFiles;
    };

    typedef std::vector<std::pair<std::string, float> > Offsets;

    GameClient(int* argc, char** argv);
    // Shuts down (a second shutdown does nothing).
    ~GameClient() override;

    // Score (35), option changes (21: the menu and game profile keys rebuild
    // the controllers; the menu profile waits while menus are shown, until
    // they go) and the snowman's fall (36), of which only the first of a
    // level counts.
    void handleEvent(EVT::I_Event* event) override;
    bool initGame(int* argc, char** argv) override;
    void shutdownGame() override;

    // The game's flow, called by the state machine's handlers.
    void startingGame() override;          // the story page
    void startGame() override;             // level 0
    void endGame() override;               // back to the main menu
    void endingGame(const std::string& rule) override; // the end page
    virtual void beginLevel(int level);
    virtual void nextLevel();
    virtual void pauseGame();
    virtual void resumeGame();
    // The main menu, or the pause menu.
    virtual void createMenus(bool paused);
    // One world step of the update's milliseconds; nothing without a world.
    virtual void updateWorld(long ms);

    // Input profiles and controllers. Slot 1 drives the menus, 2 the text
    // pages, 3 play; extra controllers of the game profile go after them.
    // False, with a message naming the file, when a profile or a controller
    // file does not read.
    bool setInputController(unsigned index, const std::string& file);
    bool addOtherInputs(const std::vector<std::string>& files);
    bool createMenuInputControllers();
    bool createGameInputControllers();
    Input::InputController* getInputController(unsigned index) const;
    Input::InputController* getMenuInputController() const;
    Input::InputController* getTPageInputController() const;
    Input::InputController* getGameInputController() const;
    std::size_t getInputSlotCount() const;

    int getScore() const;
    int getHighScore() const;
    int getLevel() const;
    ClientFSM* getStateMachine() const;

    // The end page's text for the rule, or for its variant that fits what the
    // carrot did in the last level: the rule's name with "_HIT" when it struck
    // the snowman, with "_MISSED" when the hand let go and it struck nothing
    // (each when the phrase rules have it). Raises the high score to the score
    // first when the score is higher.
    std::string endPageText(const std::string& rule);
    // The count of snowmen left on the level and KILL_TEXT.
    static std::string countText(int level);

    // The high score of the file; 887395 when the file, the key or a readable
    // number is missing.
    static int readHighScore(const std::string& fileName);
    // The same, false when the file holds no readable high score.
    static bool highScoreIn(const std::string& fileName, int& highScore);
    // False, with why in words, when the file is there but cannot be read
    // (no permission, a device, a pipe, far too large): it is then left as
    // it is, so a high score the player saved is never lost.
    static bool scoreFileReads(const std::string& fileName, std::string& why);
    // Replaces the file, whole or not at all; false, with a message, on failure.
    static bool writeHighScore(const std::string& fileName, int highScore);
    // The letter offsets of a font's offset file, in file order.
    static Offsets readLetterOffsets(const std::string& fileName);
    // The tokens of one offset text (see readLetterOffsets); skipped, when
    // given, counts the pieces that make no entry.
    static Offsets parseLetterOffsets(const std::string& text, std::size_t* skipped = nullptr);
    // A story or end page's text, broken into lines of STORY_PAGE_COLS.
    static std::string layoutPage(const std::string& text);

protected:
    // For tests of the level logic: the level (not yet cleared) and the scores
    // as play would leave them.
    void setLevel(int level);
    void setScore(int score);
    void setHighScore(int highScore);
    // As after a successful start-up: the shutdown then writes the high score.
    void setStarted();
    // The phrase rules of the pages; owned from now on.
    void setSpurter(Stuff::Spurt* spurter);

private:
    struct Impl;
    Impl* m_impl;

    bool checkStartFiles();
    bool buildParts();
    bool fail(const std::string& what);
    // Names the font file and the letters it lacks, when it lacks any.
    void reportMissingLetters(const Text3D::Font& font) const;
    void deleteParts();
    void storeWindowSize();
    void loadHighScore();
    void saveHighScore();
    void levelCleared();
    bool expandFitting(std::string& out, const std::string& rule) const;
    void watchFlight(World& world);
    void hideAreas(bool hidden);
    bool placePlayer(World& world);
    bool makeMapCamera();
    void leavePlay();
    void dropLevelParts();
    void dropLevel();
    void showPage(const std::string& text);
    void deletePage();
    void replaceMainCamera();
    void deleteAndClearCamera();
    void dropMapCamera();
    void deleteMenus();
    void setMouse(bool gameProfile);
    void switchControllers(bool menus);
    void setPlayBackground();
    // Where a profile comes from: the player's choice, the file the game
    // ships, or, when that gives no input that acts either, the code.
    enum ProfileSource { CHOSEN, STANDARD, BUILT_IN };
    bool loadProfile(InputConfig*& profile, int key, ProfileSource source);
    ProfileSource fallBack(const InputConfig& profile, int key, const char* what);
    bool createMenuInputs(ProfileSource source);
    bool createGameInputs(ProfileSource source);
    bool menuInputsAct() const;
    bool gameInputsAct() const;
    // The menu or the game side of the profiles.
    struct ProfileKind {
        int key;
        const char* what;
        InputConfig* Impl::*profile;
        bool (GameClient::*create)(ProfileSource);
        bool (GameClient::*acts)() const;
    };
    bool createInputs(const ProfileKind& kind);
    // Deletes the controllers of the slots from the given one on.
    void clearControllers(std::size_t from);
};

} // namespace KWEP

#endif
