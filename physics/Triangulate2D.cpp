#include "physics/Triangulate2D.h"

namespace Geometry {

namespace {

float axis(const MathStuff::Vector3<float>& p, int index)
{
    return index == 0 ? p.x : (index == 1 ? p.y : p.z);
}

// The ring n - 1, 0, 1, ..., n - 1, 0: every position from 1 to size - 2
// has both neighbours, and the two ends repeat the far side.
std::vector<int> makeRing(int n)
{
    std::vector<int> ring;
    ring.reserve(n + 2);
    ring.push_back(n - 1);
    for (int i = 0; i < n; ++i)
        ring.push_back(i);
    ring.push_back(0);
    return ring;
}

void closeRing(std::vector<int>& ring)
{
    const int size = static_cast<int>(ring.size());
    ring[0] = ring[size - 2];
    ring[size - 1] = ring[1];
}

} // namespace

Triangulate2D::Triangulate2D() : m_u(0), m_v(1), m_step(-1) {}

Triangulate2D::~Triangulate2D() {}

bool Triangulate2D::triangulateXY(const Points& points, bool ccw, Triangles& out)
{
    m_u = 0;
    m_v = 1;
    return triangulate(points, ccw, out);
}

bool Triangulate2D::triangulateZY(const Points& points, bool ccw, Triangles& out)
{
    m_u = 2;
    m_v = 1;
    return triangulate(points, ccw, out);
}

bool Triangulate2D::triangulateXZ(const Points& points, bool ccw, Triangles& out)
{
    m_u = 0;
    m_v = 2;
    return triangulate(points, ccw, out);
}

bool Triangulate2D::triangulate(const Points& points, bool ccw, Triangles& out)
{
    m_step = ccw ? 1 : -1;
    const int n = static_cast<int>(points.size());
    if (n < 3)
        return true;
    out.reserve(out.size() + n);
    std::vector<int> ring = makeRing(n);
    std::size_t sizeAtLap = ring.size();
    int position = 1;
    while (ring.size() >= 5) {
        if (isAnEar(position, points, ring)) {
            out.push_back(MathStuff::TriIndex{ring[position - 1], ring[position], ring[position + 1]});
            ring.erase(ring.begin() + position);
            closeRing(ring);
        }
        const int size = static_cast<int>(ring.size());
        if (++position > size - 2) {
            position = position - size + 2;
            // A whole lap without an ear: no further lap can find one.
            if (ring.size() == sizeAtLap)
                return false;
            sizeAtLap = ring.size();
        }
    }
    return true;
}

bool Triangulate2D::isAnEar(int position, const Points& points, const std::vector<int>& ring) const
{
    const int corner = ring[position];
    const int previous = ring[position - m_step];
    const int next = ring[position + m_step];
    const MathStuff::Vector3<float>& a = points[corner];
    const MathStuff::Vector3<float>& b = points[previous];
    const MathStuff::Vector3<float>& c = points[next];
    if (!isConvex(a, b, c))
        return false;
    // The two closing entries repeat points that the walk meets anyway; the
    // corner and its neighbours are the triangle itself, wherever they sit.
    const int last = static_cast<int>(ring.size()) - 2;
    for (int i = 1; i <= last; ++i) {
        const int index = ring[i];
        if (index == corner || index == previous || index == next)
            continue;
        if (isInside(points[index], a, b, c))
            return false;
    }
    return true;
}

float Triangulate2D::u(const MathStuff::Vector3<float>& p) const { return axis(p, m_u); }

float Triangulate2D::v(const MathStuff::Vector3<float>& p) const { return axis(p, m_v); }

// A straight corner (zero cross product) counts as convex.
bool Triangulate2D::isConvex(const MathStuff::Vector3<float>& a, const MathStuff::Vector3<float>& b,
                             const MathStuff::Vector3<float>& c) const
{
    return (u(a) - u(b)) * (v(c) - v(b)) - (u(c) - u(b)) * (v(a) - v(b)) >= 0.0f;
}

// Inside or on an edge of the triangle a, b, c.
bool Triangulate2D::isInside(const MathStuff::Vector3<float>& p, const MathStuff::Vector3<float>& a,
                             const MathStuff::Vector3<float>& b, const MathStuff::Vector3<float>& c) const
{
    return (v(p) - v(c)) * (u(b) - u(c)) - (u(p) - u(c)) * (v(b) - v(c)) >= 0.0f
        && (v(p) - v(b)) * (u(a) - u(b)) - (u(p) - u(b)) * (v(a) - v(b)) >= 0.0f
        && (v(p) - v(a)) * (u(c) - u(a)) - (v(c) - v(a)) * (u(p) - u(a)) >= 0.0f;
}

} // namespace Geometry
