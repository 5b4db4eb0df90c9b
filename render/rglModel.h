#ifndef RGL_RGLMODEL_H
#define RGL_RGLMODEL_H

#include <string>
#include <vector>

#include "shell/I_DisplayableModel.h"

namespace Model { class Model; }
namespace Render { class I_VertexArray; }

namespace RGL {

class rglDrawState;
class rglMaterial;

// A drawable triangle model: one part per material, each with its triangles
// in one vertex array (position, then u and v per texture layer), drawn with
// one call inside its GL material. Parts follow the first appearance of their
// material in the faces; faces without a material are left out. A model of two
// or more parts whose materials are all plain colour (the font's letters)
// keeps every part in one combined array instead, part after part, each
// corner with its position and its material's colour (four bytes), and draws
// it with one call and no material; its parts then have no array of their
// own. Needs the GL context and the game root's render controller when it is
// made; without them it has no parts and draws nothing.
class rglModel : public Model::I_DisplayableModel {
public:
    struct Part {
        Part() = default;
        ~Part();
        Part(const Part&) = delete;
        Part& operator=(const Part&) = delete;

        rglMaterial* material = nullptr;      // one use from the material loader
        std::string materialName;             // the key that use is given back under
        int faceCount = 0;
        Render::I_VertexArray* vertexArray = nullptr; // owned; null: not drawn
        float (**texCoords)[3][2] = nullptr;  // optional per-layer coordinates; unused
    };

    // Takes the model over (deleted with this).
    explicit rglModel(Model::Model* model);
    ~rglModel() override;

    void display(const MathStuff::Orientation<float>* orientation) override;
    // Draws once, at the first orientation; nothing for an empty vector.
    void display(const std::vector<MathStuff::Orientation<float> >& orientations) override;

    int getPartCount() const;
    const Part& getPart(int index) const;
    // The array of all parts of plain colour, or null.
    const Render::I_VertexArray* getCombinedArray() const;

private:
    void buildParts(const Model::Model& model);

    std::vector<Part*> m_parts; // owned
    Render::I_VertexArray* m_combined = nullptr; // owned
    int m_combinedVertices = 0;
    // The draw state of the controller the arrays were made by, which outlives
    // every draw; null when that is no GL controller.
    rglDrawState* m_state = nullptr;
};

} // namespace RGL

#endif
