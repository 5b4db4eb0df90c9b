// The options file of KWEP::Config: the flags of the command line, one per
// line, read at start-up and written back at exit.
#include "client/Config.h"

#include "client/ConfigImpl.h"
#include "client/OptionText.h"
#include "core/FileLimit.h"
#include "core/FormatUtils.h"
#include "core/TextFile.h"
#include "shell/OptionKey.h"

#include <algorithm>
#include <iostream>
#include <unordered_map>
#include <utility>
#include <vector>

namespace KWEP {

namespace {

// How many value tokens a flag takes; "--wsize" alone takes two.
int valueCount(const std::string& flag) { return flag == WSIZE_OPT ? 2 : 1; }

// A damaged file may hold millions of bad entries: the first few are named,
// the rest only counted, so the terminal is not flooded and the start is
// not slowed by the messages.
const int MAX_FILE_MESSAGES = 10;
// Bad entries remembered so that a repeat skips its handler; a file of
// millions of different bad entries must not fill the memory with them.
const std::size_t MAX_KEPT_FAILURES = 1024;

} // namespace

// Counts every message about the file and prints the first few.
struct Config::FileMessages {
    const std::string shownName;
    const bool quiet;
    int count = 0;

    std::ostream* next()
    {
        ++count;
        if (quiet || count > MAX_FILE_MESSAGES)
            return nullptr;
        std::cerr << "Options file \"" << shownName << "\": ";
        return &std::cerr;
    }
    // Whether the next message would still be printed.
    bool shown() const { return !quiet && count < MAX_FILE_MESSAGES; }
    void summary() const
    {
        if (!quiet && count > MAX_FILE_MESSAGES)
            std::cerr << "Options file \"" << shownName << "\": " << count - MAX_FILE_MESSAGES
                      << " more entries like these are skipped without a message" << std::endl;
    }
};

bool Config::isFlag(const std::string& token) { return gameFlag(token) != nullptr; }

// Values far outnumber flags in a file, and every flag starts with "--".
const Config::Parser::Flag* Config::gameFlag(const std::string& token)
{
    if (token.size() < 3 || token[0] != '-' || token[1] != '-')
        return nullptr;
    static const std::unordered_map<std::string, const Parser::Flag*> l_byName = [] {
        std::unordered_map<std::string, const Parser::Flag*> byName;
        for (const Parser::Flag* entry = gameFlags(); entry->flag; ++entry)
            byName.emplace(entry->flag, entry);
        return byName;
    }();
    const auto found = l_byName.find(token);
    return found == l_byName.end() ? nullptr : found->second;
}

// One pass over the text, each token read once: an entry is a flag and the
// values after it, as far as they are no flags themselves (a flag left
// without its value must not take the next entry down with it). The first
// entry of each flag that applies wins, as on the command line; a bad entry
// is named and costs itself alone.
void Config::applyFileText(const std::string& text, FileMessages& messages)
{
    std::vector<const Parser::Flag*> applied;
    // A file of the same bad entry over and over runs its handler once.
    std::unordered_map<std::string, std::string> failedEntries;
    std::size_t at = 0;
    // Kept across entries, so that a file of millions of them allocates
    // nothing per entry.
    std::string token;
    std::vector<std::string> entryTokens;
    std::string key;
    while (OptionText::nextToken(text, at, token)) {
        const Parser::Flag* entry = gameFlag(token);
        if (!entry || entry == gameFlags()) {
            if (std::ostream* out = messages.next())
                *out << "\"" << OptionText::shown(token) << "\" is no option; it is ignored" << std::endl;
            continue;
        }
        entryTokens.assign(1, token);
        takeValues(text, at, valueCount(token), entryTokens);
        if (std::find(applied.begin(), applied.end(), entry) != applied.end()) {
            reportRepeat(token, messages);
            continue;
        }
        entryKey(entryTokens, key);
        const auto failed = failedEntries.find(key);
        if (failed != failedEntries.end())
            reportFailure(failed->second, messages);
        else if (applyEntry(*entry, entryTokens, messages))
            applied.push_back(entry);
        else if (failedEntries.size() < MAX_KEPT_FAILURES)
            failedEntries.emplace(key, messages.shown() ? failure() : std::string());
    }
    messages.summary();
}

void Config::entryKey(const std::vector<std::string>& entryTokens, std::string& key)
{
    key.clear();
    for (const std::string& token : entryTokens)
        key.append(token).push_back('\0');
}

void Config::takeValues(const std::string& text, std::size_t& at, int count, std::vector<std::string>& values)
{
    std::string value;
    for (std::size_t before = at; count > 0 && OptionText::nextToken(text, at, value); before = at, --count) {
        if (isFlag(value)) {
            at = before;
            return;
        }
        values.push_back(value);
    }
}

void Config::reportFailure(const std::string& failure, FileMessages& messages)
{
    if (std::ostream* out = messages.next())
        *out << failure << "; that entry is skipped, the others apply" << std::endl;
}

void Config::reportRepeat(const std::string& flag, FileMessages& messages)
{
    if (std::ostream* out = messages.next())
        *out << flag << " is given again; the first one applies, this one is ignored" << std::endl;
}

// Runs the one flag over its entry; values it leaves are ignored words.
bool Config::applyEntry(const Parser::Flag& flag, std::vector<std::string>& entryTokens, FileMessages& messages)
{
    const Parser::Flag table[] = {flag, {nullptr, nullptr}};
    std::vector<char*> args;
    for (std::string& token : entryTokens)
        args.push_back(&token[0]);
    args.push_back(nullptr);
    int count = static_cast<int>(entryTokens.size());
    if (runTable(table, &count, args.data()) != RESULT_OK) {
        reportFailure(messages.shown() ? failure() : std::string(), messages);
        return false;
    }
    for (int i = 0; i < count; ++i)
        if (std::ostream* out = messages.next())
            *out << "\"" << OptionText::shown(args[i]) << "\" is no option; it is ignored" << std::endl;
    return true;
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
    FileMessages messages{Format::printable(fileName), m_impl->quiet};
    keepOptFile(false);
    m_impl->fileRead = false;
    const Files::FileLimit::Verdict verdict = Files::FileLimit::check(fileName);
    std::string text;
    std::string why = Files::FileLimit::reason(fileName, verdict);
    const Files::TextFile::Outcome outcome =
        why.empty() ? Files::TextFile::read(fileName, text, "\n", why) : Files::TextFile::REFUSED;
    if (outcome == Files::TextFile::REFUSED || outcome == Files::TextFile::UNREADABLE) {
        keepOptFile(true);
        if (std::ostream* out = messages.next())
            *out << "cannot be read (" << why
                 << "); the game starts with the default options and leaves the file as it is: "
                    "this run's options are not saved to it"
                 << std::endl;
        return false;
    }
    m_impl->fileRead = outcome == Files::TextFile::READ;
    applyFileText(text, messages);
    m_impl->readLines = optionsLines();
    return true;
}

bool Config::saveOptFile()
{
    const std::string& fileName = *getStringPtr(Game::OPTION_OPTIONS_FILE);
    std::vector<std::string> lines;
    if (!linesToSave(lines)) {
        std::cerr << "Options file \"" << Format::printable(fileName)
                  << "\": changed since the start and cannot be read now; it is left as it is" << std::endl;
        return false;
    }
    if (Files::TextFile::save(fileName, Format::asString(lines)))
        return true;
    std::cerr << "Options file \"" << Format::printable(fileName)
              << "\": could not be written; the file on disk is unchanged" << std::endl;
    return false;
}

// Another game in the same folder may have saved since this one read the
// file: each line this run left as it read it takes what the file holds
// now, so only this run's own changes go over the other game's. False when
// the file is there but no longer reads.
bool Config::linesToSave(std::vector<std::string>& lines) const
{
    lines = optionsLines();
    if (m_impl->readLines.size() != lines.size())
        return true;
    Config onDisk;
    *onDisk.getStringPtr(Game::OPTION_OPTIONS_FILE) = *getStringPtr(Game::OPTION_OPTIONS_FILE);
    onDisk.m_impl->quiet = true;
    if (!onDisk.loadOptFile())
        return false;
    if (!onDisk.m_impl->fileRead)
        return true;
    const std::vector<std::string> theirs = onDisk.optionsLines();
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (lines[i] == m_impl->readLines[i])
            lines[i] = theirs[i];
    return true;
}

std::vector<std::string> Config::optionsLines() const
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
    std::vector<std::string> text;
    for (const auto& line : lines)
        text.push_back(std::string(line.first) + " " + line.second);
    return text;
}

} // namespace KWEP
