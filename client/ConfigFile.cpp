// The options file of KWEP::Config: the flags of the command line, one per
// line, read at start-up and written back whole at exit.
#include "client/Config.h"

#include "client/OptionText.h"
#include "core/Conversions.h"
#include "core/TextFile.h"

#include <iostream>
#include <utility>
#include <vector>

namespace KWEP {

namespace {


} // namespace

// The file is read without "--help": a damaged file would otherwise print
// the help and end every start, and as it is only rewritten by a normal exit
// it would go on doing so. "--optfile" is no flag here either.
bool Config::loadOptFile()
{
    const std::string fileName = *getStringPtr(23);
    std::string text;
    if (!Files::TextFile::load(fileName, text, "\n"))
        return false;
    std::vector<std::string> tokens;
    Util::tokenizeStr(text, tokens, Util::BLANKS);
    std::vector<char*> args;
    for (std::string& token : tokens)
        args.push_back(token.data());
    args.push_back(nullptr);
    int count = static_cast<int>(tokens.size());
    if (runTable(gameFlags() + 1, &count, args.data()) == RESULT_OK)
        return true;
    std::cerr << "Options file " << fileName << ": bad value for " << failedFlag()
              << "; it and the options applied after it were skipped" << std::endl;
    return false;
}

bool Config::saveOptFile()
{
    const std::string& fileName = *getStringPtr(23);
    if (Files::TextFile::save(fileName, optionsText()))
        return true;
    std::cerr << "Options file " << fileName
              << ": could not be written; the file on disk is unchanged" << std::endl;
    return false;
}

std::string Config::optionsText() const
{
    const std::pair<const char*, std::string> lines[] = {
        {FULLSCREEN_OPT, OptionText::onOff(*getBoolPtr(7))},
        {WSIZE_OPT, OptionText::size(*getIntPtr(5), *getIntPtr(6))},
        {MUSIC_OPT, OptionText::volume(*getBoolPtr(19), *getUIntPtr(21))},
        {SFXS_OPT, OptionText::volume(*getBoolPtr(20), *getUIntPtr(22))},
        {MENU_INPUT_OPT, *getStringPtr(24)},
        {GAME_INPUT_OPT, *getStringPtr(25)},
        {AUTOPAUSE_OPT, std::to_string(*getIntPtr(26))},
        {SENSITIVITY_OPT, OptionText::number(*getFloatPtr(KEY_SENSITIVITY))},
        {FOV_OPT, OptionText::number(*getFloatPtr(10))},
        {REVY_OPT, OptionText::onOff(*getBoolPtr(8))},
        {FPS_OPT, OptionText::onOff(*getBoolPtr(3))},
        {TILT_OPT, OptionText::number(*getFloatPtr(KEY_TILT))},
        {SMOOTH_OPT, OptionText::onOff(*getBoolPtr(KEY_SMOOTH))},
    };
    std::string text;
    for (const auto& line : lines)
        text += std::string(line.first) + " " + line.second + "\n";
    return text;
}

} // namespace KWEP
