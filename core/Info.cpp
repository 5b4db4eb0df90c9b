#include "core/Info.h"

#include "core/Conversions.h"
#include "core/FormatUtils.h"
#include "core/TextFile.h"

#include <algorithm>
#include <iostream>
#include <string_view>
#include <unordered_map>
#include <utility>

namespace CFG {

namespace {

const char* const SELECTOR_SEPARATOR = "??";
const char* const REFERENCE_MARK = "::";
const char* const FILE_END_MARKER = "END_OF_CFG_RESOURCES";
const char* const ADDED_KEY_END_MARKER = "END_OF_ADDED_KEY";
const char* const OVERLAY_SUFFIX = ".MOD";

// Answers nested deeper than this (a reference inside a reference ...) give
// "" like a cycle, so a long chain in a data file cannot exhaust the stack.
const std::size_t MAX_ANSWER_DEPTH = 256;

// One lookup expands at most this many references and builds an answer of at
// most this many bytes; lines that refer to each other several times each would
// otherwise cost exponential time and memory.
const std::size_t MAX_LOOKUP_EXPANSIONS = 1000;
const std::size_t MAX_ANSWER_LENGTH = 1u << 20;

// The work of the lookup under way, counted across every layer it asks: a
// layer's question to its parent belongs to the same lookup, so an overlay
// over a file of such lines cannot start a fresh budget for each of its own.
struct Lookup {
    std::size_t depth = 0;
    std::size_t expansions = 0;
    bool overBudget = false;
};
Lookup s_lookup;

// The lines of a text, as views into it: the text outlives the parse.
typedef std::vector<std::string_view> Lines;

std::string_view trimEnd(std::string_view text)
{
    std::string_view::size_type last = text.find_last_not_of(Util::BLANKS);
    return last == std::string_view::npos ? std::string_view() : text.substr(0, last + 1);
}

// The text's non-empty lines, without their line ends.
void splitLines(std::string_view text, Lines& lines)
{
    lines.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1);
    while (!text.empty()) {
        const std::string_view::size_type end = std::min(text.find('\n'), text.size());
        if (end > 0)
            lines.push_back(text.substr(0, end));
        text.remove_prefix(std::min(end + 1, text.size()));
    }
}

// All '"' at the start and at the end go; those inside stay.
std::string stripQuotes(std::string value)
{
    std::string::size_type first = value.find_first_not_of('"');
    if (first == std::string::npos)
        return std::string();
    value.erase(value.find_last_not_of('"') + 1);
    value.erase(0, first);
    return value;
}

bool isWhite(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// The text from..to without white space at either end.
std::string_view trimmedPart(std::string_view text, std::string_view::size_type from,
                             std::string_view::size_type to)
{
    while (from < to && isWhite(text[from]))
        ++from;
    while (to > from && isWhite(text[to - 1]))
        --to;
    return text.substr(from, to - from);
}

// The number of the line that starts at the view, counted in the whole text.
std::size_t lineNumberOf(std::string_view text, std::string_view line)
{
    const std::size_t offset = static_cast<std::size_t>(line.data() - text.data());
    return 1 + static_cast<std::size_t>(std::count(text.begin(), text.begin() + offset, '\n'));
}

bool endsWith(const std::string& text, const std::string& tail)
{
    return text.size() >= tail.size()
        && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

} // namespace

class Info::Impl {
public:
    struct Node;
    // Hashed: a lookup compares whole names once, and names are
    // case-sensitive; owns the sub-maps of its nodes. keys() sorts what it lists.
    typedef std::unordered_map<std::string, Node> Map;

    // A plain entry (value, no sub-map) or a selector block (value is the
    // selector key's name, sub-map owned and never null).
    struct Node {
        Node(std::string v, Map* m) : value(std::move(v)), subMap(m) {}
        std::string value;
        Map* subMap;
    };

    explicit Impl(Info* p) : parent(p) {}
    ~Impl() { deleteMap(entries); }

    bool addConfig(const std::string& fileName);
    bool add(const std::string& key, const std::string& value);
    void keys(std::vector<std::string>& names) const;
    std::string get(const std::string& key);
    std::string get(const Map& map, const std::string& name);
    bool populateMap(Map& map, Lines::size_type& position, const Lines& lines,
                     const std::string& endMarker);
    static bool readKeyVal(std::string_view text, std::string& key, std::string& value,
                           const std::string& separator);
    static void deleteMap(Map& map);

    Map entries;
    Info* parent;
    bool quiet = false;

private:
    // What one read of a file met that the syntax lets pass but a whole,
    // hand-written file would not hold: the reader tells the player so.
    struct ParseReport {
        std::size_t strayLines = 0;
        std::string_view firstStray;
        std::string unclosedBlock;
        bool endMarker = false;
        bool quoteRunsOut = false;
        bool lastLineOpen = false;
    };
    void reportDamage(const std::string& fileName, std::string_view text) const;

    bool readFile(const std::string& fileName, bool& parsed);
    bool completeQuotedValue(std::string& value, Lines::size_type& position, const Lines& lines);
    std::string expandReferences(const std::string& raw);
    bool isAnswering(const std::string& key) const;
    static void store(Map& map, std::string name, Node node);

    // Keys whose answer is being built, innermost last; asking one of them
    // again is a cycle. A short list of the callers' own strings, which live
    // until their answers are built; it keeps its room between lookups.
    std::vector<const std::string*> m_answering;
    ParseReport m_report;
};

bool Info::Impl::addConfig(const std::string& fileName)
{
    bool parsed = false;
    if (!readFile(fileName, parsed))
        return false;
    bool ignored = false;
    for (std::string overlay = fileName + OVERLAY_SUFFIX; readFile(overlay, ignored);
         overlay += OVERLAY_SUFFIX) {
    }
    return parsed;
}

// False when the file is missing or empty; otherwise parses it into the entry
// map and stores the parse result in parsed.
bool Info::Impl::readFile(const std::string& fileName, bool& parsed)
{
    std::string text;
    bool lastLineOpen = false;
    if (!Files::TextFile::load(fileName, text, "\n", lastLineOpen))
        return false;
    Lines lines;
    splitLines(text, lines);
    Lines::size_type position = 0;
    m_report = ParseReport();
    m_report.lastLineOpen = lastLineOpen;
    parsed = populateMap(entries, position, lines, FILE_END_MARKER);
    m_report.quoteRunsOut = !parsed;
    if (!quiet)
        reportDamage(fileName, text);
    return true;
}

// One message per kind of damage, each naming the file.
void Info::Impl::reportDamage(const std::string& fileName, std::string_view text) const
{
    const std::string name = "Configuration file \"" + Format::printable(fileName) + "\"";
    if (m_report.strayLines > 0) {
        std::cerr << name << " line " << lineNumberOf(text, m_report.firstStray)
                  << " is not a key, a block or a comment";
        if (m_report.strayLines > 1)
            std::cerr << "; it and " << m_report.strayLines - 1 << " more such lines are ignored";
        else
            std::cerr << "; it is ignored";
        std::cerr << std::endl;
    }
    if (m_report.quoteRunsOut)
        std::cerr << name << ": a quoted value runs past the end of the file" << std::endl;
    else if (!m_report.unclosedBlock.empty())
        std::cerr << name << ": the block " << m_report.unclosedBlock
                  << " is not closed before the end of the file" << std::endl;
    // What follows the end marker is never read, so it cannot be cut short.
    if (!m_report.endMarker && !m_report.quoteRunsOut && m_report.lastLineOpen)
        Files::TextFile::warnCutShort(fileName, "Configuration file");
}

bool Info::Impl::add(const std::string& key, const std::string& value)
{
    const std::string line = key + " " + KEY_VALUE_SEPARATOR + " " + value;
    Lines lines(1, line);
    Lines::size_type position = 0;
    return populateMap(entries, position, lines, ADDED_KEY_END_MARKER);
}

void Info::Impl::keys(std::vector<std::string>& names) const
{
    // Sorting the map's own names and copying them once moves no strings.
    std::vector<const std::string*> sorted;
    sorted.reserve(entries.size());
    for (Map::const_iterator it = entries.begin(); it != entries.end(); ++it)
        sorted.push_back(&it->first);
    std::sort(sorted.begin(), sorted.end(), [](const std::string* a, const std::string* b) { return *a < *b; });
    names.clear();
    names.reserve(sorted.size());
    for (const std::string* name : sorted)
        names.push_back(*name);
}

// The line parser. Open selector blocks are kept on a list rather than on the
// call stack, so deeply nested blocks in a damaged file cannot overflow it.
// Returns false only when a quoted value runs past the last line.
bool Info::Impl::populateMap(Map& map, Lines::size_type& position, const Lines& lines,
                             const std::string& endMarker)
{
    struct Level {
        Map* map;
        std::string endMarker;
        std::string name;
    };
    std::vector<Level> levels(1, Level{&map, endMarker, std::string()});
    for (; position < lines.size(); ++position) {
        // The key and the value are trimmed on their own, so the line need not be.
        const std::string_view line = lines[position];
        const std::string_view::size_type first = line.find_first_not_of(Util::BLANKS);
        if (first != std::string_view::npos && line[first] == '#')
            continue;
        std::string key;
        std::string value;
        if (readKeyVal(line, key, value, KEY_VALUE_SEPARATOR)) {
            if (!completeQuotedValue(value, position, lines))
                return false;
            store(*levels.back().map, std::move(key), Node(stripQuotes(std::move(value)), nullptr));
        } else if (readKeyVal(line, key, value, SELECTOR_SEPARATOR)) {
            Map* block = new Map;
            store(*levels.back().map, key, Node(value, block));
            levels.push_back(Level{block, value, key});
        } else if (trimmedPart(line, 0, line.size()) == levels.back().endMarker) {
            levels.pop_back();
            if (levels.empty()) {
                m_report.endMarker = true;
                return true;
            }
        } else if (first != std::string_view::npos) {
            if (m_report.strayLines++ == 0)
                m_report.firstStray = line;
        }
    }
    if (levels.size() > 1)
        m_report.unclosedBlock = levels.back().name + " ?? " + levels.back().endMarker;
    return true;
}

// A value opened with '"' and not closed on its line takes the following raw
// lines until it ends with '"'. A trailing '\' joins the next line directly;
// a trailing "\n\" gives a newline. False when the lines run out first.
bool Info::Impl::completeQuotedValue(std::string& value, Lines::size_type& position,
                                     const Lines& lines)
{
    if (value.empty() || value[0] != '"' || (value.size() > 1 && value.back() == '"'))
        return true;
    do {
        if (++position >= lines.size())
            return false;
        if (value.back() == '\\') {
            value.pop_back();
            if (value.size() > 1 && endsWith(value, "\\n")) {
                value.resize(value.size() - 2);
                value += '\n';
            }
        } else {
            value += '\n';
        }
        value += trimEnd(lines[position]);
    } while (value.back() != '"');
    return true;
}

bool Info::Impl::readKeyVal(std::string_view text, std::string& key, std::string& value,
                            const std::string& separator)
{
    std::string_view::size_type at = text.find(separator);
    if (at == std::string_view::npos)
        return false;
    key = trimmedPart(text, 0, at);
    std::string_view::size_type rest = at + separator.size();
    if (rest < text.size())
        value = trimmedPart(text, rest, text.size());
    return true;
}

// Replaces any entry of that name, deleting it with everything below it.
void Info::Impl::store(Map& map, std::string name, Node node)
{
    const std::pair<Map::iterator, bool> added = map.try_emplace(std::move(name), std::move(node));
    if (added.second)
        return;
    Map replaced;
    replaced.emplace(added.first->first, added.first->second);
    added.first->second = std::move(node);
    deleteMap(replaced);
}

// Deletes every node of the map and the sub-maps below them, then empties it.
// Works through a list instead of recursing, whatever the nesting depth.
void Info::Impl::deleteMap(Map& map)
{
    std::vector<Map*> pending;
    for (Map::iterator it = map.begin(); it != map.end(); ++it)
        if (it->second.subMap != nullptr)
            pending.push_back(it->second.subMap);
    map.clear();
    while (!pending.empty()) {
        Map* subMap = pending.back();
        pending.pop_back();
        for (Map::iterator it = subMap->begin(); it != subMap->end(); ++it)
            if (it->second.subMap != nullptr)
                pending.push_back(it->second.subMap);
        delete subMap;
    }
}

// Lookup in one map: a selector block selects, by the full answer for its
// selector key, the entry of its own map (again and again for nested blocks);
// a plain entry gives the parent's answer for its name when that is not empty.
std::string Info::Impl::get(const Map& map, const std::string& name)
{
    const Map* current = &map;
    // The name itself until a selector block picks another.
    const std::string* wanted = &name;
    std::string selected;
    for (;;) {
        Map::const_iterator it = current->find(*wanted);
        if (it == current->end())
            return std::string();
        const Node* node = &it->second;
        if (node->subMap == nullptr) {
            if (parent != nullptr) {
                std::string inherited = parent->get(*wanted);
                if (!inherited.empty())
                    return inherited;
            }
            return node->value;
        }
        selected = get(node->value);
        wanted = &selected;
        current = node->subMap;
    }
}

// The full answer. A key asked again while its own answer is being built
// (a reference or a selector key that leads back to it) answers "".
std::string Info::Impl::get(const std::string& key)
{
    // An empty layer (the override layer, mostly) answers "" at once.
    if (entries.empty())
        return std::string();
    const bool outermost = s_lookup.depth == 0;
    if (outermost) {
        s_lookup.expansions = 0;
        s_lookup.overBudget = false;
    }
    if (s_lookup.overBudget || ++s_lookup.expansions > MAX_LOOKUP_EXPANSIONS) {
        s_lookup.overBudget = true;
        return std::string();
    }
    if (m_answering.size() >= MAX_ANSWER_DEPTH || isAnswering(key))
        return std::string();
    m_answering.push_back(&key);
    ++s_lookup.depth;
    std::string answer = get(entries, key);
    if (answer.find(REFERENCE_MARK) != std::string::npos)
        answer = expandReferences(answer);
    --s_lookup.depth;
    m_answering.pop_back();
    if (answer.size() > MAX_ANSWER_LENGTH)
        s_lookup.overBudget = true;
    if (outermost && s_lookup.overBudget) {
        std::cerr << "Configuration: the answer for key " << key
                  << " refers to other keys too often or grows too long; it reads as empty" << std::endl;
        return std::string();
    }
    return answer;
}

bool Info::Impl::isAnswering(const std::string& key) const
{
    for (const std::string* answering : m_answering)
        if (*answering == key)
            return true;
    return false;
}

// Replaces every ::NAME:: by the answer for NAME. A pair enclosing nothing or
// white space, and an unpaired "::" with what follows it, stay as written.
std::string Info::Impl::expandReferences(const std::string& raw)
{
    std::vector<std::string> pieces;
    Util::splitString(raw, REFERENCE_MARK, pieces, true);
    if (pieces.empty())
        return raw;
    std::string result = pieces[0];
    const std::size_t last = pieces.size() - 1;
    for (std::size_t i = 1; i <= last; i += 2) {
        if (s_lookup.overBudget || result.size() > MAX_ANSWER_LENGTH) {
            s_lookup.overBudget = true;
            return std::string();
        }
        const std::string& piece = pieces[i];
        if (i == last) {
            result += REFERENCE_MARK + piece;
            break;
        }
        if (!piece.empty() && piece.find_first_of(Util::BLANKS) == std::string::npos)
            result += get(piece);
        else
            result += REFERENCE_MARK + piece + REFERENCE_MARK;
        result += pieces[i + 1];
    }
    return result;
}

Info::Info(Info* parent) : m_impl(new Impl(parent)) {}

Info::Info(const std::string& fileName, Info* parent) : m_impl(new Impl(parent))
{
    if (!m_impl->addConfig(fileName))
        m_impl->deleteMap(m_impl->entries);
}

Info::~Info()
{
    delete m_impl;
}

void Info::reset()
{
    Impl::deleteMap(m_impl->entries);
}

void Info::setQuiet(bool quiet)
{
    m_impl->quiet = quiet;
}

bool Info::addConfig(const std::string& fileName)
{
    return m_impl->addConfig(fileName);
}

bool Info::add(const std::string& key, const std::string& value)
{
    return m_impl->add(key, value);
}

std::string Info::get(const std::string& key) const
{
    return m_impl->get(key);
}

void Info::keys(std::vector<std::string>& names) const
{
    m_impl->keys(names);
}

} // namespace CFG
