#ifndef PHYSICS_POLYMODEL_H
#define PHYSICS_POLYMODEL_H

#include <string>
#include <vector>

#include "core/NamedObject.h"
#include "core/Vector3.h"
#include "shell/I_ModelData.h"

namespace Physics {

// The line model of an item: named parts (closed outlines, open polylines,
// circles) in file order, each with its own plane, offset, colour and width.
// Owns its parts.
class PolyModel : public Model::I_ModelData, public Util::NamedObject {
public:
    // Two axes a part's points lie in: x then y, z then y, x then z.
    enum Plane { PLANE_XY = 0, PLANE_ZY = 1, PLANE_XZ = 2 };
    enum Kind { KIND_POLYGON = 0, KIND_CIRCLE = 1, KIND_POLYLINE = 2 };

    struct Colour {
        unsigned char red;
        unsigned char green;
        unsigned char blue;
        unsigned char alpha;
    };

    // One named part; opaque white, width 0 (filled), plane XY, no offset
    // until the reader sets them.
    class Part : public Util::NamedObject {
    public:
        Part(const std::string& name, int kind);
        ~Part() override;

        int plane;
        int kind;
        MathStuff::Vector3<float> offset;
        Colour colour;
        float width; // line width in pixels; 0 fills the shape
    };

    // A closed outline.
    class PolygonPart : public Part {
    public:
        PolygonPart(const std::string& name, const std::vector<MathStuff::Vector3<float> >& points);
        ~PolygonPart() override;

        std::vector<MathStuff::Vector3<float> > points;
    };

    // An open polyline.
    class PolylinePart : public Part {
    public:
        PolylinePart(const std::string& name, const std::vector<MathStuff::Vector3<float> >& points);
        ~PolylinePart() override;

        std::vector<MathStuff::Vector3<float> > points;
    };

    // A circle, or an arc when the ratio (the fraction of a full turn) is below 1.
    class CirclePart : public Part {
    public:
        CirclePart(const std::string& name, float radius, int segments, float ratio);
        ~CirclePart() override;

        float radius;
        int segments;
        float ratio;
    };

    explicit PolyModel(const std::string& name);
    ~PolyModel() override;

    PolyModel(const PolyModel&) = delete;
    PolyModel& operator=(const PolyModel&) = delete;

    const std::string& getModelName() const override;
    // Appends the part and takes ownership of it.
    virtual void addPart(Part* part);
    virtual const std::vector<Part*>& getParts() const;

private:
    std::vector<Part*> m_parts;
};

} // namespace Physics

#endif
