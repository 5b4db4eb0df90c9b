#ifndef FRELMORY_CORE_RULEENTRY_H
#define FRELMORY_CORE_RULEENTRY_H

#include <string>

namespace Stuff {

// One weighted alternative of a phrase rule. Inside a rule the weight is
// cumulative: this entry's weight plus those of every entry before it.
struct RuleEntry {
    std::string text;
    int weight = 0;

    // Reads "[(weight)] text" from one trimmed line, adding the weight (1 when
    // none is written) to the running total already in weight. False for an
    // empty text, a malformed weight or a total that no longer fits an int.
    bool parse(const std::string& line);
};

} // namespace Stuff

#endif
