#include "render/Model.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "render/Material.h"

namespace Model {

Model::Face_s::Face_s() : pointIndices{0, 0, 0}, material(nullptr), coordinates(nullptr) {}

Model::Face_s::Face_s(int a, int b, int c, Material* faceMaterial, const float* source, int count)
    : pointIndices{a, b, c}, material(faceMaterial), coordinates(nullptr)
{
    const int size = coordinateCount();
    if (!material)
        return;
    coordinates = new float[size > 0 ? size : 1]();
    if (source && count > 0)
        std::memcpy(coordinates, source, sizeof(float) * (count < size ? count : size));
}

Model::Face_s::Face_s(const Face_s& other)
    : Face_s(other.pointIndices[0], other.pointIndices[1], other.pointIndices[2], other.material,
             other.coordinates, other.coordinateCount())
{
}

Model::Face_s::Face_s(Face_s&& other) noexcept
    : pointIndices{other.pointIndices[0], other.pointIndices[1], other.pointIndices[2]}, material(other.material),
      coordinates(other.coordinates)
{
    other.coordinates = nullptr;
    other.material = nullptr;
}

Model::Face_s& Model::Face_s::operator=(Face_s&& other) noexcept
{
    if (this != &other) {
        std::memcpy(pointIndices, other.pointIndices, sizeof(pointIndices));
        material = other.material;
        delete[] coordinates;
        coordinates = other.coordinates;
        other.coordinates = nullptr;
        other.material = nullptr;
    }
    return *this;
}

Model::Face_s& Model::Face_s::operator=(const Face_s& other)
{
    if (this != &other) {
        Face_s copy(other);
        std::memcpy(pointIndices, copy.pointIndices, sizeof(pointIndices));
        material = copy.material;
        float* held = coordinates;
        coordinates = copy.coordinates;
        copy.coordinates = held;
    }
    return *this;
}

Model::Face_s::~Face_s() { delete[] coordinates; }

int Model::Face_s::coordinateCount() const { return material ? 6 * material->getNumTexLayers() : 0; }

Model::Model(const std::string& name, const std::vector<MathStuff::Vector3<float> >& points)
    : m_name(name), m_points(points)
{
}

Model::~Model() {}

const std::string& Model::getModelName() const { return m_name; }

const std::vector<MathStuff::Vector3<float> >& Model::getPoints() const { return m_points; }

bool Model::getBounds(MathStuff::Vector3<float>& low, MathStuff::Vector3<float>& high) const
{
    if (m_points.empty())
        return false;
    low = high = m_points.front();
    for (const MathStuff::Vector3<float>& p : m_points) {
        low = MathStuff::Vector3<float>(std::min(low.x, p.x), std::min(low.y, p.y), std::min(low.z, p.z));
        high = MathStuff::Vector3<float>(std::max(high.x, p.x), std::max(high.y, p.y), std::max(high.z, p.z));
    }
    return true;
}

const std::vector<Model::Face_s>& Model::getFaces() const { return m_faces; }

void Model::addFace(const Face_s& face) { m_faces.push_back(face); }

void Model::addFace(Face_s&& face) { m_faces.push_back(std::move(face)); }

void Model::reserveFaces(std::size_t count) { m_faces.reserve(count); }

} // namespace Model
