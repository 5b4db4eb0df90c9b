#ifndef FRELMORY_CORE_RULEDEFINITION_H
#define FRELMORY_CORE_RULEDEFINITION_H

#include <list>
#include <string>

#include "core/RuleEntry.h"

namespace Stuff {

// A named phrase rule: its entries in file order and its variant letters.
struct RuleDefinition {
    std::string name;
    std::list<RuleEntry> entries;
    int totalWeight = 0;
    // A blank (variant 0) followed by the letters written in the header.
    std::string letters;

    // Reads a header "% name [{ letters [{]]" into the name and letters and
    // empties the entries. False when the line is not such a header.
    bool parse(const std::string& line);
};

} // namespace Stuff

#endif
