#include "fuzz/Harness.h"

#include <string>
#include <vector>

#include "core/Conversions.h"
#include "core/RandANSI.h"
#include "core/Spurt.h"
#include "fuzz/ScratchFile.h"

namespace Fuzz {

namespace {

const std::size_t MAX_RULES = 32;

// The names of the rules the file defines: every line that starts with '%'.
std::vector<std::string> ruleNames(const std::string& text)
{
    std::vector<std::string> lines, names;
    Util::splitString(text, "\n", lines, false);
    for (const std::string& line : lines) {
        const std::string trimmed = Util::trim(line, " \t\r");
        if (trimmed.size() > 1 && trimmed[0] == '%' && names.size() < MAX_RULES)
            names.push_back(Util::trim(trimmed.substr(1), " \t\r"));
    }
    return names;
}

} // namespace

// Phrase rules parsed and every rule expanded, with a seeded generator so a
// finding replays.
int fuzzPhrases(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    ScratchFile file("phrases.txt", text);
    RNG::RandANSI random(1);
    Stuff::Spurt spurt(&random);
    std::string error;
    if (!spurt.parse(file.path(), error))
        return 0;
    std::string phrase;
    for (const std::string& name : ruleNames(text)) {
        spurt.get(phrase, name);
        spurt.expand(phrase, name, 'a');
    }
    return 0;
}

} // namespace Fuzz
