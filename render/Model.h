#ifndef MODEL_MODEL_H
#define MODEL_MODEL_H

#include <cstddef>
#include <string>
#include <vector>

#include "core/Vector3.h"
#include "shell/I_ModelData.h"

namespace Model {

class Material;

// A triangle model: the points of one DMF object and its faces. Belongs to
// whoever receives it; the materials belong to the material store.
class Model : public I_ModelData {
public:
    // One triangle. The coordinates hold, for each texture layer t of the
    // material and each corner j, u at 6t + 2j and v at 6t + 2j + 1; they are
    // owned by the face and null exactly when the material is null.
    struct Face_s {
        int pointIndices[3];
        Material* material;
        float* coordinates;

        Face_s();
        // Copies 6T floats of coordinates, T the material's texture layers;
        // missing ones (count floats given, or none) are 0.
        Face_s(int a, int b, int c, Material* material, const float* coordinates, int count);
        Face_s(const Face_s& other);
        // Takes the other's coordinates, leaving it none: a growing face list
        // moves its faces instead of copying each one's coordinates.
        Face_s(Face_s&& other) noexcept;
        Face_s& operator=(const Face_s& other);
        Face_s& operator=(Face_s&& other) noexcept;
        ~Face_s();

        // 6T, the number of floats the coordinates hold.
        int coordinateCount() const;
    };

    Model(const std::string& name, const std::vector<MathStuff::Vector3<float> >& points);
    ~Model() override;

    const std::string& getModelName() const override;
    virtual const std::vector<MathStuff::Vector3<float> >& getPoints() const;
    bool getBounds(MathStuff::Vector3<float>& low, MathStuff::Vector3<float>& high) const override;
    virtual const std::vector<Face_s>& getFaces() const;

    void addFace(const Face_s& face);
    void addFace(Face_s&& face);
    // Room for that many faces, for a loader that knows how many come.
    void reserveFaces(std::size_t count);

private:
    std::string m_name;
    std::vector<MathStuff::Vector3<float> > m_points;
    std::vector<Face_s> m_faces;
};

} // namespace Model

#endif
