#include "core/RuleEntry.h"

#include <climits>
#include <sstream>

#include "core/Conversions.h"

namespace Stuff {

namespace {
}

bool RuleEntry::parse(const std::string& line) {
    if (line.empty())
        return false;
    std::string::size_type start = line.find_first_not_of(Util::BLANKS);
    if (start == std::string::npos)
        return false;

    long long added = 1;
    if (line[start] == '(') {
        std::istringstream in(line.substr(start + 1));
        int read = 0;
        char close = 0;
        if (!(in >> read >> close) || close != ')')
            return false;
        added = read;
        start += 1 + static_cast<std::string::size_type>(in.tellg());
    }
    long long total = weight + added;
    if (total > INT_MAX || total < INT_MIN)
        return false;
    weight = static_cast<int>(total);
    text = Util::trim(line.substr(start), Util::BLANKS);
    return !text.empty();
}

} // namespace Stuff
