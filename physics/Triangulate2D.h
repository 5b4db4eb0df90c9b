#ifndef GEOMETRY_TRIANGULATE2D_H
#define GEOMETRY_TRIANGULATE2D_H

#include <vector>

#include "core/TriIndex.h"
#include "core/Vector3.h"

namespace Geometry {

// Cuts a simple polygon into triangles by ear clipping, reading two chosen
// axes of its 3-D points. The points run clockwise in those axes (u then v)
// unless ccw is set.
class Triangulate2D {
public:
    typedef std::vector<MathStuff::Vector3<float> > Points;
    typedef std::vector<MathStuff::TriIndex> Triangles;

    Triangulate2D();
    virtual ~Triangulate2D();

    // Axes (x, y), (z, y) and (x, z); each then triangulate.
    virtual bool triangulateXY(const Points& points, bool ccw, Triangles& out);
    virtual bool triangulateZY(const Points& points, bool ccw, Triangles& out);
    virtual bool triangulateXZ(const Points& points, bool ccw, Triangles& out);
    // Appends the triangles (point indices, in ring order) to out. False when
    // a whole lap around the ring finds no ear (self-intersecting, wrongly
    // wound or degenerate outline); the triangles found before stay in out.
    // Fewer than three points need no cut: true with nothing appended.
    virtual bool triangulate(const Points& points, bool ccw, Triangles& out);
    // Whether the corner at ring position is convex and no other point still
    // in the ring lies inside or on the triangle it makes with its neighbours.
    virtual bool isAnEar(int position, const Points& points, const std::vector<int>& ring) const;

private:
    float u(const MathStuff::Vector3<float>& p) const;
    float v(const MathStuff::Vector3<float>& p) const;
    bool isConvex(const MathStuff::Vector3<float>& a, const MathStuff::Vector3<float>& b,
                  const MathStuff::Vector3<float>& c) const;
    bool isInside(const MathStuff::Vector3<float>& p, const MathStuff::Vector3<float>& a,
                  const MathStuff::Vector3<float>& b, const MathStuff::Vector3<float>& c) const;

    int m_u;    // first axis: 0 x, 1 y, 2 z
    int m_v;    // second axis
    int m_step; // +1 walks the ring forwards to the next corner, -1 backwards
};

} // namespace Geometry

#endif
