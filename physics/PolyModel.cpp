#include "physics/PolyModel.h"

namespace Physics {

PolyModel::Part::Part(const std::string& name, int kind)
    : Util::NamedObject(name), plane(PLANE_XY), kind(kind), colour{255, 255, 255, 255}, width(0.0f)
{
}

PolyModel::Part::~Part() {}

PolyModel::PolygonPart::PolygonPart(const std::string& name,
                                    const std::vector<MathStuff::Vector3<float> >& points)
    : Part(name, KIND_POLYGON), points(points)
{
}

PolyModel::PolygonPart::~PolygonPart() {}

PolyModel::PolylinePart::PolylinePart(const std::string& name,
                                      const std::vector<MathStuff::Vector3<float> >& points)
    : Part(name, KIND_POLYLINE), points(points)
{
}

PolyModel::PolylinePart::~PolylinePart() {}

PolyModel::CirclePart::CirclePart(const std::string& name, float radius, int segments, float ratio)
    : Part(name, KIND_CIRCLE), radius(radius), segments(segments), ratio(ratio)
{
}

PolyModel::CirclePart::~CirclePart() {}

PolyModel::PolyModel(const std::string& name) : Util::NamedObject(name) {}

PolyModel::~PolyModel()
{
    for (Part* part : m_parts)
        delete part;
}

const std::string& PolyModel::getModelName() const { return getName(); }

void PolyModel::addPart(Part* part)
{
    if (part)
        m_parts.push_back(part);
}

const std::vector<PolyModel::Part*>& PolyModel::getParts() const { return m_parts; }

} // namespace Physics
