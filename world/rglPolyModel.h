#ifndef KWEP_RGLPOLYMODEL_H
#define KWEP_RGLPOLYMODEL_H

#include <vector>

#include "core/Orientation.h"
#include "physics/DisplayablePolyModel.h"
#include "physics/PolyModel.h"

namespace Render {
class I_RenderController;
class I_VertexArray;
}

namespace KWEP {

// The OpenGL form of a line model: every part's outline, circle or filled
// shape is turned once into vertices in one vertex array (three floats each,
// then the part's colour in four bytes), then drawn each frame with its own
// transform, primitive and width.
class rglPolyModel : public Physics::DisplayablePolyModel {
public:
    typedef std::vector<MathStuff::Vector3<float> > Points;

    // What one model part draws.
    struct Part {
        int modelPart; // index of the model part it came from
        MathStuff::Vector3<float> offset;
        Physics::PolyModel::Colour colour;
        unsigned int primitive; // GL_LINE_LOOP, GL_LINE_STRIP or GL_TRIANGLES
        float width;
        int first; // first vertex in the array
        int count; // vertices drawn
    };

    // Takes ownership of the model. The vertex array comes from the game
    // root's render controller; without one (or when it makes none) the parts
    // are kept and nothing is drawn.
    explicit rglPolyModel(Physics::PolyModel* model);
    ~rglPolyModel() override;

    void display(const MathStuff::Orientation<float>* orientation) override;
    // With one orientation per model part, part k is drawn at orientation k;
    // otherwise every part at the first. Filled parts one after another at
    // the same placement are drawn with one call.
    void display(const std::vector<MathStuff::Orientation<float> >& orientations) override;

    // The parts that produced vertices, in model order.
    const std::vector<Part*>& getPartRecords() const { return m_parts; }
    // Null when no array could be made.
    const Render::I_VertexArray* getVertexArray() const { return m_array; }
    // The points of a circle part, running clockwise from the last segment
    // down to the first, in the part's plane.
    static Points makeCircle(const Physics::PolyModel::CirclePart& circle, int plane);

protected:
    // Fills the part's outline: appends each triangle reversed (c, b, a), so a
    // clockwise outline gives front-facing triangles. False when the outline
    // cannot be cut; vertices then stay as they were.
    virtual bool triangulate(const Physics::PolyModel::Part& part, Part& record, const Points& points,
                             Points& vertices);

private:
    void addPart(const Physics::PolyModel::Part& part, int index, Points& vertices);
    // Draws with count orientations (at least one): one per model part, or
    // every part at the first.
    void drawAt(const MathStuff::Orientation<float>* orientations, int count);
    void fillArray(const Points& vertices);
    // Draws count vertices from the part's first on, placed as the part.
    void drawPart(const Part& part, const MathStuff::Orientation<float>& orientation, int count) const;

    std::vector<Part*> m_parts;
    Render::I_VertexArray* m_array;
    // The controller that made the array, which outlives every draw: it set
    // the line state, and it is told each new line width and the smoothing
    // each part needs.
    Render::I_RenderController* m_controller;
    int m_modelPartCount;
};

} // namespace KWEP

#endif
