#include "core/RuleDefinition.h"

#include <sstream>

namespace Stuff {

bool RuleDefinition::parse(const std::string& line) {
    std::istringstream in(line);
    char mark = 0;
    std::string readName, readLetters;
    if (!(in >> mark) || mark != '%' || !(in >> readName))
        return false;
    if (readName.find_first_of("{}") != std::string::npos)
        return false;
    char open = 0;
    if (in >> open) {
        if (open != '{')
            return false;
        if (in >> readLetters) {
            char second = 0;
            if (in >> second && second != '{')
                return false;
        }
    }
    name = readName;
    letters = " " + readLetters;
    entries.clear();
    return true;
}

} // namespace Stuff
