// The options file of KWEP::Config: the flags of the command line, one per
// line, read at start-up and written back whole at exit.
#include "client/Config.h"

#include "client/OptionText.h"
#include "core/FileLimit.h"
#include "core/TextFile.h"
#include "shell/OptionKey.h"

#include <algorithm>
#include <iostream>
#include <utility>
#include <vector>

namespace KWEP {

namespace {

// How many value tokens a flag takes; "--wsize" alone takes two.
int valueCount(const std::string& flag) { return flag == WSIZE_OPT ? 2 : 1; }

} // namespace

bool Config::isFlag(const std::string& token)
{
    for (const Parser::Flag* entry = gameFlags(); entry->flag; ++entry)
        if (token == entry->flag)
            return true;
    return false;
}

// The first copy of the flag (the one the parse handled) and the values it
// took, as far as they are no flags themselves: a flag left without its
// value must not take the next entry down with it.
void Config::dropEntry(std::vector<std::string>& tokens, const std::string& flag)
{
    auto at = std::find(tokens.begin(), tokens.end(), flag);
    if (at == tokens.end())
        return;
    at = tokens.erase(at);
    for (int left = valueCount(flag); left > 0 && at != tokens.end() && !isFlag(*at); --left)
        at = tokens.erase(at);
}

// Applies the tokens; each entry that fails is reported and dropped, and
// the rest applied again, so a bad entry costs that entry alone. Every
// round drops a token, so the loop ends. Returns the tokens no flag used.
std::vector<std::string> Config::applyFileTokens(std::vector<std::string> tokens, const std::string& fileName)
{
    for (;;) {
        std::vector<char*> args;
        for (std::string& token : tokens)
            args.push_back(&token[0]);
        args.push_back(nullptr);
        int count = static_cast<int>(tokens.size());
        if (runTable(gameFlags() + 1, &count, args.data()) == RESULT_OK)
            return std::vector<std::string>(args.begin(), args.begin() + count);
        const std::string flag = failedFlag();
        std::cerr << "Options file \"" << fileName << "\": the value of " << flag
                  << " is missing or not valid; that entry is skipped, the others apply"
                  << std::endl;
        dropEntry(tokens, flag);
    }
}

// The file is read without "--help": a damaged file would otherwise print
// the help and end every start, and as it is only rewritten by a normal exit
// it would go on doing so. "--optfile" is no flag here either.
//
// A missing or empty file is no fault: it is written at exit. A file that is
// there but does not read (a folder, a pipe, no permission, far too large)
// is left alone: writing this run's options over it would lose what the
// player saved.
bool Config::loadOptFile()
{
    const std::string fileName = *getStringPtr(Game::OPTION_OPTIONS_FILE);
    keepOptFile(false);
    const Files::FileLimit::Verdict verdict = Files::FileLimit::check(fileName);
    if (verdict == Files::FileLimit::MISSING)
        return true;
    std::string text;
    const bool empty = verdict == Files::FileLimit::FITS && Files::TextFile::size(fileName) == 0;
    if (!empty && (verdict != Files::FileLimit::FITS || !Files::TextFile::load(fileName, text, "\n"))) {
        keepOptFile(true);
        std::cerr << "Options file \"" << fileName << "\": cannot be read"
                  << (verdict == Files::FileLimit::FITS ? "" : " (not a regular file, or too large)")
                  << "; the game starts with the default options and leaves the file as it is: "
                     "this run's options are not saved to it"
                  << std::endl;
        return false;
    }
    const std::vector<std::string> unused = applyFileTokens(OptionText::tokens(text), fileName);
    for (const std::string& token : unused)
        std::cerr << "Options file \"" << fileName << "\": \"" << OptionText::shown(token)
                  << "\" is no option; it is ignored" << std::endl;
    return true;
}

bool Config::saveOptFile()
{
    const std::string& fileName = *getStringPtr(Game::OPTION_OPTIONS_FILE);
    if (Files::TextFile::save(fileName, optionsText()))
        return true;
    std::cerr << "Options file " << fileName
              << ": could not be written; the file on disk is unchanged" << std::endl;
    return false;
}

std::string Config::optionsText() const
{
    const std::pair<const char*, std::string> lines[] = {
        {FULLSCREEN_OPT, OptionText::onOff(*getBoolPtr(Game::OPTION_FULLSCREEN))},
        {WSIZE_OPT,
         OptionText::size(*getIntPtr(Game::OPTION_WINDOW_WIDTH), *getIntPtr(Game::OPTION_WINDOW_HEIGHT))},
        {MUSIC_OPT,
         OptionText::volume(*getBoolPtr(Game::OPTION_MUSIC_ON), *getUIntPtr(Game::OPTION_MUSIC_VOLUME))},
        {SFXS_OPT,
         OptionText::volume(*getBoolPtr(Game::OPTION_EFFECTS_ON), *getUIntPtr(Game::OPTION_EFFECTS_VOLUME))},
        {MENU_INPUT_OPT, OptionText::fileToken(*getStringPtr(Game::OPTION_MENU_PROFILE))},
        {GAME_INPUT_OPT, OptionText::fileToken(*getStringPtr(Game::OPTION_GAME_PROFILE))},
        {AUTOPAUSE_OPT, std::to_string(*getIntPtr(Game::OPTION_AUTO_PAUSE))},
        {SENSITIVITY_OPT, OptionText::number(*getFloatPtr(Game::OPTION_SENSITIVITY))},
        {FOV_OPT, OptionText::number(*getFloatPtr(Game::OPTION_PLAY_FOV))},
        {REVY_OPT, OptionText::onOff(*getBoolPtr(Game::OPTION_REVERSE_Y))},
        {FPS_OPT, OptionText::onOff(*getBoolPtr(Game::OPTION_SHOW_FRAME_RATE))},
        {TILT_OPT, OptionText::number(*getFloatPtr(Game::OPTION_TILT))},
        {SMOOTH_OPT, OptionText::onOff(*getBoolPtr(Game::OPTION_SMOOTH))},
    };
    std::string text;
    for (const auto& line : lines)
        text += std::string(line.first) + " " + line.second + "\n";
    return text;
}

} // namespace KWEP
