#ifndef KWEP_I_MENUITEMCHOSEN_H
#define KWEP_I_MENUITEMCHOSEN_H

#include <string>
#include <utility>
#include <vector>

namespace Menu {

// The handlers the option items of the game's menus call with the item's text
// and the chosen index. Each writes one option key of the game root's option
// keys and announces it at once with event 21 carrying the key; the window-size
// handler asks the window application for the size instead. A key that the
// option keys do not hold is left alone and announced by nobody.
class I_MenuItemChosen {
public:
    typedef std::vector<std::pair<int, int> > Resolutions;

    I_MenuItemChosen();

    // On/off options: the first choice (index 0) is off, every later one on.
    void choseSmooth(const std::string& text, int index);      // OPTION_SMOOTH
    void choseFullscreen(const std::string& text, int index);  // OPTION_FULLSCREEN
    void choseVSync(const std::string& text, int index);       // OPTION_VSYNC
    void choseEnableSfx(const std::string& text, int index);   // OPTION_EFFECTS_ON
    void choseEnableMusic(const std::string& text, int index); // OPTION_MUSIC_ON
    void choseReverseY(const std::string& text, int index);    // OPTION_REVERSE_Y
    // The number the text starts with, 0 when it starts with none.
    void choseFieldOfView(const std::string& text, int index); // OPTION_PLAY_FOV, degrees
    void choseTilt(const std::string& text, int index);        // OPTION_TILT, degrees
    // The last blank-separated word of the text as a whole number, taken as
    // given; a text whose last word is not one (or that has no word) changes
    // nothing and announces nothing.
    void choseMusicVol(const std::string& text, int index);    // OPTION_MUSIC_VOLUME, per cent
    void choseSfxVol(const std::string& text, int index);      // OPTION_EFFECTS_VOLUME, per cent
    void choseAutoPause(const std::string& text, int index);   // OPTION_AUTO_PAUSE, seconds
    // directory + "/" + prefix + text + suffix.
    void choseMenuInput(const std::string& text, int index);   // OPTION_MENU_PROFILE
    void choseGameInput(const std::string& text, int index);   // OPTION_GAME_PROFILE
    // Resizes the window to the resolution at the index; an index outside the
    // list does nothing. Raises nothing itself.
    void choseResolution(const std::string& text, int index);

    // The sizes the window allows; the list offered starts as these.
    void setResolutions(const Resolutions& resolutions);
    // The list offered: the allowed sizes, and the size in force where it is
    // none of them (a size from the command line or the options file), in its
    // place by width, then height; so the page can show what is in force.
    void offerSizeInForce(int width, int height);
    const Resolutions& getResolutions() const;
    void setMenuInputFileInfo(const std::string& directory, const std::string& prefix,
                              const std::string& suffix);
    void setGameInputFileInfo(const std::string& directory, const std::string& prefix,
                              const std::string& suffix);

    // Announces a change of the key (event 21), delivered before this returns.
    void changedConfig(int key) const;

private:
    // Where an input-profile file of one kind lives.
    struct FileInfo {
        std::string directory;
        std::string prefix;
        std::string suffix;
    };

    void setBool(int key, int index) const;
    // Stores the text's number when it lies within low to high.
    void setFloat(int key, const std::string& text, float low, float high) const;
    void setVolume(int key, const std::string& text) const;
    void setString(int key, const FileInfo& info, const std::string& text) const;

    Resolutions m_allowed;
    Resolutions m_resolutions; // offered: the allowed ones and the size in force
    FileInfo m_menuInput;
    FileInfo m_gameInput;
};

} // namespace Menu

#endif
