#include "physics/LevelFile.h"

#include <cmath>
#include <iostream>

#include "core/CFG.h"
#include "core/Conversions.h"
#include "core/FormatUtils.h"
#include "core/Info.h"
#include "core/PointsString.h"

namespace Physics {

namespace {


// One record of name, position and angle; false when it has not exactly three
// tokens. Out-of-range numbers take their defaults with a message.
bool parseRecord(const std::string& chunk, const std::string& where,
                 std::vector<LevelFile::ItemInfo>& out)
{
    std::vector<std::string> tokens;
    Util::tokenizeStr(chunk, tokens, Util::BLANKS);
    if (tokens.size() != 3) {
        std::cerr << Format::printable(where) << ": record \"" << Format::printable(Util::trim(chunk, Util::BLANKS))
                  << "\" needs a name, a position and an angle\n";
        return false;
    }
    MathStuff::Vector3<float> position = MathStuff::PointsString(0.0f, false).stringToPoint(tokens[1]);
    if (!MathStuff::isFinite(position)) {
        std::cerr << Format::printable(where) << ": position of " << Format::printable(tokens[0]) << " out of range, 0,0 used\n";
        position = MathStuff::Vector3<float>();
    }
    float angle = Util::strToNum<float>(tokens[2], 10, 0.0f);
    if (!std::isfinite(angle)) {
        std::cerr << Format::printable(where) << ": angle of " << Format::printable(tokens[0]) << " out of range, 0 used\n";
        angle = 0.0f;
    }
    out.push_back(LevelFile::ItemInfo(tokens[0], position, angle));
    return true;
}

bool parseRecords(const std::string& value, const std::string& where,
                  std::vector<LevelFile::ItemInfo>& out)
{
    std::vector<std::string> chunks;
    Util::splitString(value, "ITEM:", chunks, false);
    for (const std::string& chunk : chunks) {
        if (Util::trim(chunk, Util::BLANKS).empty())
            continue;
        if (!parseRecord(chunk, where, out))
            return false;
    }
    return true;
}

} // namespace

LevelFile::LevelFile() {}

LevelFile::~LevelFile() {}

bool LevelFile::load(const std::string& fileName)
{
    CFG::Info config(CFG::getDefaultOverrides());
    if (!config.addConfig(fileName)) {
        std::cerr << Format::printable(fileName) << ": level file cannot be read\n";
        return false;
    }
    m_physicsFile = config.get("PHYSICS_FILE");
    if (m_physicsFile.empty())
        std::cerr << Format::printable(fileName) << ": PHYSICS_FILE is missing or empty\n";
    if (!parseRecords(config.get("ITEMS"), fileName + " ITEMS", m_items))
        return false;
    return parseRecords(config.get("DECORATIONS"), fileName + " DECORATIONS", m_decorations);
}

const std::vector<LevelFile::ItemInfo>& LevelFile::getItemInfos() const { return m_items; }

const std::vector<LevelFile::ItemInfo>& LevelFile::getDecorations() const { return m_decorations; }

const std::string& LevelFile::getPhysicsFile() const { return m_physicsFile; }

} // namespace Physics
