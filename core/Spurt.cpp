#include "core/Spurt.h"

#include <cctype>
#include <ctime>
#include <vector>

#include "core/Conversions.h"
#include "core/RandANSI.h"
#include "core/TextFile.h"

namespace Stuff {

namespace {


bool isComment(const std::string& trimmed) { return !trimmed.empty() && trimmed[0] == '#'; }

bool isHeader(const std::string& trimmed) { return !trimmed.empty() && trimmed[0] == '%'; }

bool isNameChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

} // namespace

// What is left of one top-level expansion's allowance.
struct Spurt::Budget {
    int depth;
    long references;
};

Spurt::RuleSet::RuleSet() : Util::NamePtrStore<RuleDefinition>("SpurtRuleSet") {}

Spurt::Spurt(RNG::I_Random* random) : m_rules(new RuleSet()), m_random(random) {
    static RNG::RandANSI s_ansiRNG(static_cast<unsigned int>(std::time(nullptr)));
    if (!m_random)
        m_random = &s_ansiRNG;
}

Spurt::~Spurt() { delete m_rules; }

bool Spurt::parse(const std::string& fileName, std::string& error) {
    std::string text;
    if (!Files::TextFile::load(fileName, text, "\n")) {
        error = "Failed load: " + fileName;
        return false;
    }
    std::vector<std::string> lines;
    Util::splitString(text, "\n", lines, false);

    std::vector<std::string>::size_type i = 0;
    while (i < lines.size()) {
        std::string line = Util::trim(lines[i++], Util::BLANKS);
        if (isComment(line))
            continue;
        RuleDefinition* rule = new RuleDefinition();
        if (!rule->parse(line)) {
            delete rule;
            error = "Invalid DataDefiniton line: " + line;
            return false;
        }
        for (; i < lines.size(); ++i) {
            std::string entryLine = Util::trim(lines[i], Util::BLANKS);
            if (isHeader(entryLine))
                break;
            if (entryLine.empty() || isComment(entryLine))
                continue;
            RuleEntry entry;
            entry.weight = rule->totalWeight;
            if (!entry.parse(entryLine)) {
                delete rule;
                error = "Invalid rule line: " + entryLine;
                return false;
            }
            rule->totalWeight = entry.weight;
            rule->entries.push_back(entry);
        }
        if (rule->entries.empty()) {
            error = "No entries for rule definition: " + rule->name;
            delete rule;
            return false;
        }
        if (m_rules->add(rule->name, rule) != rule)
            delete rule;
    }
    return true;
}

bool Spurt::get(std::string& out, const std::string& rule) const { return expand(out, rule, ' '); }

bool Spurt::expand(std::string& out, const std::string& reference, char letter) const {
    Budget budget = {k_maxDepth, k_maxReferences};
    return expandReference(out, reference, letter, budget);
}

bool Spurt::expandReference(std::string& out, const std::string& reference, char letter,
                            Budget& budget) const {
    if (budget.depth <= 0 || budget.references <= 0)
        return false;
    --budget.references;

    std::string name = reference;
    char option = ' ';
    if (reference.size() >= 3 && reference[reference.size() - 2] == '/') {
        option = reference.back();
        name = reference.substr(0, reference.size() - 2);
    }
    const RuleDefinition* rule = m_rules->find(name);
    if (!rule)
        return false;
    if (option != '&')
        letter = option;
    std::string::size_type variant = rule->letters.find(letter);
    if (variant == std::string::npos) {
        letter = ' ';
        variant = 0;
    }
    const RuleEntry* entry = pickEntry(*rule);
    if (!entry)
        return false;

    --budget.depth;
    bool copied = copyText(out, entry->text, variant, letter, budget);
    ++budget.depth;
    return copied;
}

// The first entry whose cumulative weight exceeds the drawn number. A source
// that answers 1 (or more) picks the last reachable number, not past the end.
const RuleEntry* Spurt::pickEntry(const RuleDefinition& rule) const {
    double scaled = static_cast<double>(m_random->getFloat()) * rule.totalWeight;
    int r = 0;
    if (scaled >= rule.totalWeight && rule.totalWeight > 0)
        r = rule.totalWeight - 1;
    else if (scaled > 0)
        r = static_cast<int>(scaled);
    for (const RuleEntry& entry : rule.entries)
        if (entry.weight > r)
            return &entry;
    return nullptr;
}

bool Spurt::copyText(std::string& out, const std::string& text, std::string::size_type variant, char letter,
                     Budget& budget) const {
    std::string::size_type group = 0;
    bool copying = true;
    for (std::string::size_type i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '{') {
            if (group != 0)
                return false;
            group = 1;
            copying = variant == 0;
        } else if (c == '|') {
            if (group == 0)
                return false;
            copying = variant == group;
            ++group;
        } else if (c == '}') {
            if (group == 0)
                return false;
            copying = true;
            group = 0;
        } else if (c == '\\') {
            std::string::size_type end = i + 1;
            while (end < text.size() && isNameChar(text[end]))
                ++end;
            // A reference without a name is malformed text, copied or not.
            if (end == i + 1)
                return false;
            if (end < text.size() && text[end] == '/') {
                if (end + 1 >= text.size())
                    return false;
                end += 2;
            }
            std::string reference = text.substr(i + 1, end - i - 1);
            if (copying && !expandReference(out, reference, letter, budget))
                return false;
            i = end - 1;
        } else if (c != '\0' && copying) {
            if (out.size() >= k_maxPhraseLength)
                return false;
            out += c;
        }
    }
    return true;
}

} // namespace Stuff
