#include "core/PointsString.h"

#include "core/Conversions.h"

namespace MathStuff {

PointsString::PointsString(float defaultComponent, bool zy)
    : defaultComponent(defaultComponent), zy(zy)
{
}

PointsString::~PointsString() {}

void PointsString::setDefault(float value)
{
    defaultComponent = value;
}

bool PointsString::parse(const std::string& text, std::vector<Vector3<float>>& points, bool append) const
{
    std::vector<std::string> tokens;
    Util::tokenizeStr(text, tokens, Util::BLANKS);
    if (!append) points.clear();
    points.reserve(points.size() + tokens.size());
    for (const std::string& token : tokens) points.push_back(stringToPoint(token));
    return true;
}

Vector3<float> PointsString::stringToPoint(const std::string& token) const
{
    std::vector<std::string> pieces;
    Util::splitString(token, ",", pieces, false);
    auto component = [&pieces](std::size_t i) { return Util::strToNum<float>(pieces[i], 10, 0.0f); };
    if (pieces.size() == 3) return Vector3<float>(component(0), component(1), component(2));
    if (pieces.size() == 2) {
        if (zy) return Vector3<float>(defaultComponent, component(1), component(0));
        return Vector3<float>(component(0), component(1), defaultComponent);
    }
    return Vector3<float>();
}

} // namespace MathStuff
