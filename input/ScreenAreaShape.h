#ifndef INPUT_SCREENAREASHAPE_H
#define INPUT_SCREENAREASHAPE_H

#include <vector>

namespace KWEP
{
    // The outline of one on-screen area as 2-D vertices in window pixels (x from the left
    // edge, y from the bottom edge), ready for a client vertex array. The icon id picks
    // the shape; every triangle winds counter-clockwise, so it survives back-face culling.
    class ScreenAreaShape
    {
    public:
        enum Primitive { TRIANGLES, LINE_LOOP };

        // left, top, width and height in percent of a screen of sw x sh pixels,
        // top measured from the window's top edge.
        static ScreenAreaShape build(float left, float top, float width, float height,
                                     float sw, float sh, int iconId);

        Primitive primitive() const { return m_primitive; }
        // x, y pairs, in drawing order.
        const std::vector<float>& vertices() const { return m_vertices; }
        int vertexCount() const { return static_cast<int>(m_vertices.size() / 2); }

    private:
        struct Point { float x, y; };

        ScreenAreaShape() : m_primitive(TRIANGLES) {}
        void addArrow(Point apex, const Point outline[6], bool reversed);
        void add(float x, float y);
        void addTriangle(float ax, float ay, float bx, float by, float cx, float cy);
        // As addTriangle, turned counter-clockwise whatever order the corners come in.
        void addFacing(Point a, Point b, Point c);
        // A four-cornered shape given by its corners in order round its edge.
        void addQuad(Point a, Point b, Point c, Point d);
        // A bar from a to b, `half` pixels either side of the line between them.
        void addBar(Point a, Point b, float half);
        void addPause(float cx, float cy, float h);
        void addLetGo(float cx, float cy, float h);

        Primitive m_primitive;
        std::vector<float> m_vertices;
    };
}

#endif
