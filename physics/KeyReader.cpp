#include "physics/KeyReader.h"

#include <cmath>
#include <iostream>

#include "core/Conversions.h"
#include "core/FormatUtils.h"
#include "core/PointsString.h"

namespace Physics {

KeyReader::KeyReader(const CFG::Info& config, const std::string& fileName)
    : m_config(config), m_fileName(fileName)
{
}

std::string KeyReader::get(const std::string& key) const { return m_config.get(key); }

float KeyReader::number(const std::string& key, float def) const
{
    return numberText(m_config.get(key), key, def);
}

float KeyReader::numberText(const std::string& text, const std::string& key, float def) const
{
    const float value = Util::strToNum<float>(text, 10, def);
    if (std::isfinite(value))
        return value;
    warn(key, "holds a number out of range: " + std::to_string(def) + " used");
    return def;
}

float KeyReader::notNegative(const std::string& key) const
{
    const float value = number(key, 0.0f);
    if (value >= 0.0f)
        return value;
    warn(key, "is negative: 0 used");
    return 0.0f;
}

MathStuff::Vector3<float> KeyReader::point(const std::string& key) const
{
    return pointText(m_config.get(key), key);
}

MathStuff::Vector3<float> KeyReader::pointText(const std::string& text, const std::string& key) const
{
    const MathStuff::Vector3<float> p = MathStuff::PointsString(0.0f, false).stringToPoint(text);
    if (MathStuff::isFinite(p))
        return p;
    warn(key, "holds a point out of range: 0,0 used");
    return MathStuff::Vector3<float>();
}

void KeyReader::warn(const std::string& key, const std::string& text) const
{
    std::cerr << Format::printable(m_fileName) << ": " << Format::printable(key) << " " << Format::printable(text) << "\n";
}

} // namespace Physics
