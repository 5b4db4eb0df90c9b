// The help text of KWEP::Config: every flag with its argument form, the
// explanation from the configuration and the value it has now.
#include "client/Config.h"

#include "client/OptionText.h"
#include "core/CFG.h"
#include "core/Conversions.h"
#include "shell/OptionKey.h"

#include <iostream>
#include <limits>

namespace KWEP {

namespace {

const char* const INTRODUCTION =
    "NOTE: First parameter can optionally be a config override file\n"
    "      For example to change MENUS_CONFIG_FILE, but leave everything else\n"
    "Flags:\n";
const char* const INDENT = "   ";
const char* const NO_FILE = "<NONE>";
const char* const FILE_FORM = "<file>";
const char* const ON_OFF_FORM = "<on | off>";
const char* const VOLUME_FORM = "<off | volume percent>";
const char* const ANGLE_FORM = "<angle>";
// A width beyond any screen; a configuration asking for more gets this.
const unsigned int MAX_PADDING = 1000;

struct HelpLine {
    const char* flag;
    std::string form;
    const char* infoKey;
    std::string value;
};

// INFO_PADLEN; 0 when it is missing or not a number, so heads are then
// printed without added blanks.
std::size_t padding()
{
    const unsigned int none = std::numeric_limits<unsigned int>::max();
    const unsigned int width = Util::strToNum<unsigned int>(CFG::get("INFO_PADLEN"), 10, none);
    if (width == none)
        return 0;
    return width > MAX_PADDING ? MAX_PADDING : width;
}

std::string padded(std::string head, std::size_t width)
{
    if (head.size() < width)
        head.append(width - head.size(), ' ');
    return head;
}

std::string fileShown(const std::string& file)
{
    return file.empty() ? NO_FILE : file;
}

// No debug flag set reads as the word the flag takes for it.
std::string debugShown(const std::string& flags)
{
    return flags.empty() ? "NONE" : flags;
}

void writeLine(std::ostream& out, const HelpLine& line, std::size_t width,
               const std::string& column, const std::string& valuePrefix)
{
    const std::string head = std::string(line.flag) + " " + line.form + " ";
    out << INDENT << padded(head, width) << CFG::get(line.infoKey) << "\n";
    // A flag without a value of its own (--help) gets no value line: an empty
    // "now:" would read as an option left unset.
    if (!line.value.empty())
        out << INDENT << column << valuePrefix << line.value << "\n";
}

} // namespace

int Config::helpOptFn(Parser*)
{
    writeHelp(std::cout);
    return RESULT_HELP_SHOWN;
}

void Config::writeHelp(std::ostream& out) const
{
    const std::string debugForm = "<NONE | " + getDebugFlags(0xFFFF) + ">";
    const HelpLine lines[] = {
        {HELP_OPT, "", "HELP_FLAGSTR_INFO", ""},
        {OPTFILE_OPT, FILE_FORM, "OPTFILE_FLAGSTR_INFO",
         fileShown(*getStringPtr(Game::OPTION_OPTIONS_FILE))},
        {MENU_INPUT_OPT, FILE_FORM, "MENU_INPUT_FLAGSTR_INFO",
         fileShown(*getStringPtr(Game::OPTION_MENU_PROFILE))},
        {GAME_INPUT_OPT, FILE_FORM, "GAME_INPUT_FLAGSTR_INFO",
         fileShown(*getStringPtr(Game::OPTION_GAME_PROFILE))},
        {AUTOPAUSE_OPT, "<seconds>", "AUTOPAUSE_FLAGSTR_INFO",
         std::to_string(*getIntPtr(Game::OPTION_AUTO_PAUSE))},
        {SENSITIVITY_OPT, "<value>", "SENSITIVITY_FLAGSTR_INFO",
         OptionText::number(*getFloatPtr(Game::OPTION_SENSITIVITY))},
        {MUSIC_OPT, VOLUME_FORM, "MUSIC_FLAGSTR_INFO",
         OptionText::volume(*getBoolPtr(Game::OPTION_MUSIC_ON), *getUIntPtr(Game::OPTION_MUSIC_VOLUME))},
        {SFXS_OPT, VOLUME_FORM, "SFXS_FLAGSTR_INFO",
         OptionText::volume(*getBoolPtr(Game::OPTION_EFFECTS_ON), *getUIntPtr(Game::OPTION_EFFECTS_VOLUME))},
        {WSIZE_OPT, "<width> <height>", "WSIZE_FLAGSTR_INFO",
         OptionText::size(*getIntPtr(Game::OPTION_WINDOW_WIDTH), *getIntPtr(Game::OPTION_WINDOW_HEIGHT))},
        {FULLSCREEN_OPT, ON_OFF_FORM, "FULLSCREEN_FLAGSTR_INFO",
         OptionText::onOff(*getBoolPtr(Game::OPTION_FULLSCREEN))},
        {FOV_OPT, ANGLE_FORM, "FOV_FLAGSTR_INFO", OptionText::number(*getFloatPtr(Game::OPTION_PLAY_FOV))},
        {REVY_OPT, ON_OFF_FORM, "REVY_FLAGSTR_INFO", OptionText::onOff(*getBoolPtr(Game::OPTION_REVERSE_Y))},
        {VSYNC_OPT, ON_OFF_FORM, "VSYNC_FLAGSTR_INFO", OptionText::onOff(*getBoolPtr(Game::OPTION_VSYNC))},
        {FPS_OPT, ON_OFF_FORM, "FPS_FLAGSTR_INFO",
         OptionText::onOff(*getBoolPtr(Game::OPTION_SHOW_FRAME_RATE))},
        {DEBUG_OPT, debugForm, "DEBUG_FLAGSTR_INFO",
         debugShown(getDebugFlags(*getIntPtr(Game::OPTION_DEBUG_FLAGS)))},
        {TILT_OPT, ANGLE_FORM, "TILT_FLAGSTR_INFO", OptionText::number(*getFloatPtr(Game::OPTION_TILT))},
        {SMOOTH_OPT, ON_OFF_FORM, "SMOOTH_FLAGSTR_INFO", OptionText::onOff(*getBoolPtr(Game::OPTION_SMOOTH))},
    };
    const std::size_t width = padding();
    const std::string column = padded(" ", width);
    const std::string valuePrefix = CFG::get("INFO_DEFSTR");
    out << INTRODUCTION;
    for (const HelpLine& line : lines)
        writeLine(out, line, width, column, valuePrefix);
    out << "\n";
    out.flush();
}

} // namespace KWEP
