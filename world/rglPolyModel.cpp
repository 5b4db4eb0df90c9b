#include "world/rglPolyModel.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstring>
#include <iostream>
#include <vector>

#include "core/Matrix4x4.h"
#include "physics/Triangulate2D.h"
#include "shell/I_Game.h"
#include "shell/I_RenderController.h"
#include "shell/I_VertexArray.h"

namespace KWEP {

namespace {

// Per vertex: the position (three floats), then its part's colour (four bytes).
const int POSITION_BYTES = 3 * sizeof(float);
const int VERTEX_BYTES = POSITION_BYTES + 4;

const rglPolyModel::Points* outlineOf(const Physics::PolyModel::Part& part)
{
    if (part.kind == Physics::PolyModel::KIND_POLYGON)
        return &static_cast<const Physics::PolyModel::PolygonPart&>(part).points;
    if (part.kind == Physics::PolyModel::KIND_POLYLINE)
        return &static_cast<const Physics::PolyModel::PolylinePart&>(part).points;
    return nullptr;
}

// Whether next is a filled part that carries on where run (a filled part
// whose vertices end at end) stops, at the same offset.
bool fillsOn(const rglPolyModel::Part& run, const rglPolyModel::Part& next, int end)
{
    return run.primitive == GL_TRIANGLES && next.primitive == GL_TRIANGLES && next.first == end &&
           next.offset.x == run.offset.x && next.offset.y == run.offset.y && next.offset.z == run.offset.z;
}

bool sameVector(const MathStuff::Vector3<float>& a, const MathStuff::Vector3<float>& b)
{
    return a.x == b.x && a.y == b.y && a.z == b.z;
}

bool samePlace(const MathStuff::Orientation<float>& a, const MathStuff::Orientation<float>& b)
{
    return sameVector(a.position, b.position) && sameVector(a.direction, b.direction) &&
           sameVector(a.up, b.up) && sameVector(a.scale, b.scale);
}

Render::I_RenderController* renderController()
{
    Game::I_Game* game = Game::I_Game::instance();
    return game ? game->getRenderController() : nullptr;
}

} // namespace

rglPolyModel::rglPolyModel(Physics::PolyModel* model)
    : Physics::DisplayablePolyModel(model), m_array(nullptr), m_controller(nullptr), m_modelPartCount(0)
{
    if (!model)
        return;
    Points vertices;
    for (const Physics::PolyModel::Part* part : model->getParts())
        addPart(*part, m_modelPartCount++, vertices);
    fillArray(vertices);
}

rglPolyModel::~rglPolyModel()
{
    for (Part* part : m_parts)
        delete part;
    delete m_array;
}

rglPolyModel::Points rglPolyModel::makeCircle(const Physics::PolyModel::CirclePart& circle, int plane)
{
    Points points;
    const int n = circle.segments;
    if (n <= 0)
        return points;
    points.reserve(n);
    const double step = circle.ratio * 2.0 * M_PI / n;
    const float r = circle.radius;
    for (int i = n - 1; i >= 0; --i) {
        const float c = r * static_cast<float>(std::cos(i * step));
        const float s = r * static_cast<float>(std::sin(i * step));
        if (plane == Physics::PolyModel::PLANE_ZY)
            points.push_back(MathStuff::Vector3<float>(0.0f, s, c));
        else if (plane == Physics::PolyModel::PLANE_XZ)
            points.push_back(MathStuff::Vector3<float>(c, 0.0f, s));
        else
            points.push_back(MathStuff::Vector3<float>(c, s, 0.0f));
    }
    return points;
}

void rglPolyModel::addPart(const Physics::PolyModel::Part& part, int index, Points& vertices)
{
    Points circle;
    const Points* points = outlineOf(part);
    if (part.kind == Physics::PolyModel::KIND_CIRCLE) {
        circle = makeCircle(static_cast<const Physics::PolyModel::CirclePart&>(part), part.plane);
        points = &circle;
    }
    if (!points)
        return;
    Part record{index, part.offset, part.colour, GL_LINE_LOOP, part.width,
                static_cast<int>(vertices.size()), 0};
    if (part.width != 0.0f) {
        if (part.kind == Physics::PolyModel::KIND_POLYLINE)
            record.primitive = GL_LINE_STRIP;
        vertices.insert(vertices.end(), points->begin(), points->end());
    } else if (!triangulate(part, record, *points, vertices)) {
        std::cerr << "Line model " << getName() << ": filled part " << part.getName()
                  << " is not drawn: its outline cannot be cut into triangles (it must run clockwise"
                  << " and must not cross itself)" << std::endl;
        return;
    }
    record.count = static_cast<int>(vertices.size()) - record.first;
    if (record.count > 0)
        m_parts.push_back(new Part(record));
}

bool rglPolyModel::triangulate(const Physics::PolyModel::Part& part, Part& record, const Points& points,
                               Points& vertices)
{
    Geometry::Triangulate2D cutter;
    Geometry::Triangulate2D::Triangles triangles;
    bool cut = false;
    if (part.plane == Physics::PolyModel::PLANE_ZY)
        cut = cutter.triangulateZY(points, false, triangles);
    else if (part.plane == Physics::PolyModel::PLANE_XZ)
        cut = cutter.triangulateXZ(points, false, triangles);
    else
        cut = cutter.triangulateXY(points, false, triangles);
    if (!cut)
        return false;
    for (const MathStuff::TriIndex& t : triangles) {
        vertices.push_back(points[t.c]);
        vertices.push_back(points[t.b]);
        vertices.push_back(points[t.a]);
    }
    record.primitive = GL_TRIANGLES;
    return true;
}

void rglPolyModel::fillArray(const Points& vertices)
{
    Render::I_RenderController* controller = renderController();
    if (vertices.empty() || !controller)
        return;
    const int count = static_cast<int>(vertices.size());
    m_array = controller->createVertexArray(count * VERTEX_BYTES, true);
    if (!m_array)
        return;
    m_controller = controller;
    m_array->defineVertexInfo(3, Render::I_VertexArray::FLOAT);
    m_array->defineColorInfo(4, Render::I_VertexArray::UNSIGNED_BYTE);
    // Laid out here and handed over in one piece: a GL buffer takes each
    // hand-over as a call of its own.
    std::vector<unsigned char> bytes(static_cast<std::size_t>(count) * VERTEX_BYTES);
    for (int i = 0; i < count; ++i) {
        const float xyz[3] = {vertices[i].x, vertices[i].y, vertices[i].z};
        std::memcpy(&bytes[static_cast<std::size_t>(i) * VERTEX_BYTES], xyz, sizeof xyz);
    }
    for (const Part* part : m_parts) {
        const Physics::PolyModel::Colour& c = part->colour;
        const unsigned char rgba[4] = {c.red, c.green, c.blue, c.alpha};
        for (int i = std::max(part->first, 0); i < std::min(part->first + part->count, count); ++i)
            std::memcpy(&bytes[static_cast<std::size_t>(i) * VERTEX_BYTES + POSITION_BYTES], rgba, sizeof rgba);
    }
    m_array->beginUsing();
    m_array->putData(bytes.data(), static_cast<int>(bytes.size()), 0);
    m_array->endUsing();
}

void rglPolyModel::display(const MathStuff::Orientation<float>* orientation)
{
    if (orientation)
        drawAt(orientation, 1);
}

void rglPolyModel::display(const std::vector<MathStuff::Orientation<float> >& orientations)
{
    if (!orientations.empty())
        drawAt(orientations.data(), static_cast<int>(orientations.size()));
}

void rglPolyModel::drawAt(const MathStuff::Orientation<float>* orientations, int count)
{
    if (!m_array)
        return;
    // Records know their model part, so a part that drew nothing does not
    // shift the others onto the wrong bodies.
    const bool perPart = count == m_modelPartCount;
    float lastWidth = 0.0f;
    // Smoothing touches only lines, yet Mesa's llvmpipe takes new draw state
    // for every draw made while it is on: filled parts draw with it off. The
    // controller puts back what the effects set after the model, or after a
    // run of models kept alike.
    const bool smooth = m_controller->lineSmoothing();
    m_array->beginUsing();
    for (std::size_t i = 0; i < m_parts.size();) {
        const Part& part = *m_parts[i];
        const MathStuff::Orientation<float>& orientation = orientations[perPart ? part.modelPart : 0];
        // Filled parts that follow one another in the array at the same
        // placement go in one draw: their colours are in the array.
        int count = part.count;
        for (++i; i < m_parts.size(); ++i) {
            const Part& next = *m_parts[i];
            if (!fillsOn(part, next, part.first + count) ||
                !samePlace(orientation, orientations[perPart ? next.modelPart : 0]))
                break;
            count += next.count;
        }
        m_controller->smoothLines(smooth && part.primitive != GL_TRIANGLES);
        if (part.width != lastWidth) {
            m_controller->setLineWidth(part.width);
            lastWidth = part.width;
        }
        drawPart(part, orientation, count);
    }
    m_controller->restoreLineSmoothing();
    m_array->endUsing();
}

void rglPolyModel::drawPart(const Part& part, const MathStuff::Orientation<float>& orientation, int count) const
{
    // The offset is scaled with the item but lies along world axes.
    MathStuff::Orientation<float> placed = orientation;
    placed.position.x += orientation.scale.x * part.offset.x;
    placed.position.y += orientation.scale.y * part.offset.y;
    placed.position.z += orientation.scale.z * part.offset.z;
    MathStuff::Matrix4x4<float> transform;
    placed.getTransformation(transform);
    glPushMatrix();
    glMultMatrixf(transform.m);
    glDrawArrays(part.primitive, part.first, count);
    glPopMatrix();
}

} // namespace KWEP
