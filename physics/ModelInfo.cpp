#include "physics/ModelInfo.h"

#include <climits>
#include <cmath>
#include <iostream>
#include <limits>
#include <memory>
#include <vector>

#include "core/CFG.h"
#include "core/Conversions.h"
#include "core/FormatUtils.h"
#include "core/Info.h"
#include "core/PointsString.h"
#include "core/PointsStringZY.h"
#include "physics/PolyModel.h"

namespace Physics {

namespace {

typedef std::vector<MathStuff::Vector3<float> > Points;


// A float key: missing or unreadable text gives def; a value beyond the float
// range (read as infinity) is refused.
bool readFloat(const std::string& text, float def, float& value)
{
    value = Util::strToNum<float>(text, 10, def);
    return std::isfinite(value);
}

// Every point has two or three finite numbers; the point parser itself reads
// anything, turning bad numbers into 0.
bool pointsAreReadable(const std::string& text)
{
    std::vector<std::string> tokens;
    Util::tokenizeStr(text, tokens, Util::BLANKS);
    for (const std::string& token : tokens) {
        if (token.empty())
            continue;
        std::vector<std::string> pieces;
        const int count = Util::splitString(token, ",", pieces, false);
        if (count < 2 || count > 3)
            return false;
        float value = 0.0f;
        for (const std::string& piece : pieces)
            if (!readFloat(piece, std::numeric_limits<float>::quiet_NaN(), value))
                return false;
    }
    return true;
}

PolyModel::Colour toColour(unsigned int rgba)
{
    return PolyModel::Colour{static_cast<unsigned char>(rgba >> 24), static_cast<unsigned char>(rgba >> 16),
                             static_cast<unsigned char>(rgba >> 8), static_cast<unsigned char>(rgba)};
}

// Each point after the first was written relative to the one before it.
void makeAbsolute(Points& points)
{
    for (std::size_t i = 1; i < points.size(); ++i)
        points[i] += points[i - 1];
}

} // namespace

class ModelInfo::Impl {
public:
    explicit Impl(const std::string& fileName)
        : fileName(fileName), config(CFG::getDefaultOverrides()), readable(config.addConfig(fileName)),
          plane(PolyModel::PLANE_XY)
    {
    }

    void addPart(PolyModel& model, const std::string& part);

    std::string fileName;
    CFG::Info config;
    bool readable;
    std::unique_ptr<MathStuff::PointsString> parser; // of the part being read
    int plane;

private:
    std::string key(const std::string& part, const char* suffix) const { return config.get(part + suffix); }
    bool setPSP(const std::string& part);
    bool readPoints(const std::string& part, const char* suffix, Points& points);
    PolyModel::Part* makePart(const std::string& part, const std::string& type);
    PolyModel::Part* makeCircle(const std::string& part);
    bool skip(const std::string& part, const std::string& why) const;
};

ModelInfo::ModelInfo(const std::string& fileName) : m_impl(new Impl(fileName)) {}

ModelInfo::~ModelInfo() { delete m_impl; }

PolyModel* ModelInfo::makeModel(const std::string& name)
{
    PolyModel* model = new PolyModel(name);
    if (!m_impl->readable) {
        std::cerr << Format::printable(m_impl->fileName) << ": line-model file cannot be read, model " << Format::printable(name)
                  << " has no parts\n";
        return model;
    }
    std::string list = m_impl->config.get(name + "_MODEL_PART_LIST");
    if (list.empty())
        list = m_impl->config.get("MODEL_PART_LIST");
    std::vector<std::string> parts;
    Util::tokenizeStr(list, parts, Util::BLANKS);
    for (const std::string& part : parts)
        if (!part.empty())
            m_impl->addPart(*model, part);
    m_impl->parser.reset();
    return model;
}

void ModelInfo::Impl::addPart(PolyModel& model, const std::string& part)
{
    if (!setPSP(part))
        return;
    Points offset;
    if (!readPoints(part, "_PART_OFFSET", offset))
        return;
    PolyModel::Part* made = makePart(part, key(part, "_PART_TYPE"));
    if (!made)
        return;
    made->plane = plane;
    made->offset = offset.empty() ? MathStuff::Vector3<float>() : offset.front();
    made->colour = toColour(Util::strToNum<unsigned int>(key(part, "_PART_COLOR"), 16, 0xFFFFFFFFu));
    made->width = static_cast<float>(Util::strToNum<unsigned int>(key(part, "_PART_WIDTH"), 16, 0xFFFFFFFFu));
    model.addPart(made);
}

// Makes the point parser of the part's plane.
bool ModelInfo::Impl::setPSP(const std::string& part)
{
    float defCoord = 0.0f;
    if (!readFloat(key(part, "_PART_DEFCOORD"), 0.0f, defCoord))
        return skip(part, "its DEFCOORD is not a finite number");
    parser.reset();
    const std::string name = key(part, "_PART_PLANE");
    if (name == "XY") {
        parser.reset(new MathStuff::PointsString(defCoord, false));
        plane = PolyModel::PLANE_XY;
    } else if (name == "ZY") {
        parser.reset(new MathStuff::PointsStringZY(defCoord));
        plane = PolyModel::PLANE_ZY;
    } else {
        return skip(part, "unknown plane \"" + name + "\"");
    }
    return true;
}

bool ModelInfo::Impl::readPoints(const std::string& part, const char* suffix, Points& points)
{
    const std::string text = key(part, suffix);
    if (!pointsAreReadable(text))
        return skip(part, std::string("unreadable points in ") + part + suffix);
    return parser->parse(text, points, false);
}

PolyModel::Part* ModelInfo::Impl::makePart(const std::string& part, const std::string& type)
{
    Points points;
    if (type == "LINE_LOOP") {
        if (!readPoints(part, "_PART_LINE_LOOP", points))
            return nullptr;
        return new PolyModel::PolygonPart(part, points);
    }
    if (type == "LINE_LIST") {
        if (!readPoints(part, "_PART_LINE_LIST", points))
            return nullptr;
        if (key(part, "_PART_RELATIVE_POINTS") == "YES")
            makeAbsolute(points);
        return new PolyModel::PolylinePart(part, points);
    }
    if (type == "LINE_CIRCLE")
        return makeCircle(part);
    skip(part, "unknown type \"" + type + "\"");
    return nullptr;
}

PolyModel::Part* ModelInfo::Impl::makeCircle(const std::string& part)
{
    float radius = 0.0f;
    float ratio = 0.0f;
    if (!readFloat(key(part, "_PART_RADIUS"), 0.0f, radius) || !readFloat(key(part, "_PART_SEG_RATIO"), 0.0f, ratio)) {
        skip(part, "its RADIUS or SEG_RATIO is not a finite number");
        return nullptr;
    }
    const int segments = Util::strToNum<int>(key(part, "_PART_NUM_SEGS"), 10, INT_MIN);
    if (segments > MAX_CIRCLE_SEGMENTS) {
        skip(part, "more than " + std::to_string(MAX_CIRCLE_SEGMENTS) + " circle segments");
        return nullptr;
    }
    return new PolyModel::CirclePart(part, radius, segments, ratio <= 0.0f ? 1.0f : ratio);
}

// One line naming file, part and fault; always false, so callers return it.
bool ModelInfo::Impl::skip(const std::string& part, const std::string& why) const
{
    std::cerr << Format::printable(fileName) << ": line-model part " << Format::printable(part) << " skipped: " << Format::printable(why) << "\n";
    return false;
}

} // namespace Physics
