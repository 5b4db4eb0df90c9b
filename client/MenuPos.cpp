#include "client/MenuPos.h"

#include <vector>

#include "core/Conversions.h"
#include "core/Info.h"

namespace KWEP {

bool getMenuPos(CFG::Info& info, MathStuff::Vector3<float>& out, const std::string& key)
{
    std::vector<std::string> pieces;
    if (Util::splitString(info.get(key), ",", pieces, false) != 3)
        return false;
    out.x = Util::strToNum<float>(pieces[0], 10, 0.0f);
    out.y = Util::strToNum<float>(pieces[1], 10, 0.0f);
    out.z = Util::strToNum<float>(pieces[2], 10, 0.0f);
    return true;
}

} // namespace KWEP
