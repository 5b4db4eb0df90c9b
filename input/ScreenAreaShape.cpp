#include "input/ScreenAreaShape.h"

#include <cmath>
#include <utility>

namespace KWEP
{
    void ScreenAreaShape::add(float x, float y)
    {
        m_vertices.push_back(x);
        m_vertices.push_back(y);
    }

    void ScreenAreaShape::addTriangle(float ax, float ay, float bx, float by, float cx, float cy)
    {
        add(ax, ay);
        add(bx, by);
        add(cx, cy);
    }

    void ScreenAreaShape::addFacing(Point a, Point b, Point c)
    {
        const float cross = (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x);
        if (cross < 0.0f)
            std::swap(b, c);
        addTriangle(a.x, a.y, b.x, b.y, c.x, c.y);
    }

    void ScreenAreaShape::addQuad(Point a, Point b, Point c, Point d)
    {
        addFacing(a, b, c);
        addFacing(a, c, d);
    }

    void ScreenAreaShape::addBar(Point a, Point b, float half)
    {
        const float length = std::sqrt((b.x - a.x) * (b.x - a.x) + (b.y - a.y) * (b.y - a.y));
        if (!(length > 0.0f))
            return;
        const float nx = -(b.y - a.y) / length * half;
        const float ny = (b.x - a.x) / length * half;
        addQuad({a.x + nx, a.y + ny}, {a.x - nx, a.y - ny}, {b.x - nx, b.y - ny}, {b.x + nx, b.y + ny});
    }

    // Two upright bars in the middle of the area, h being the area's height.
    void ScreenAreaShape::addPause(float cx, float cy, float h)
    {
        for (float side : {-1.0f, 1.0f})
        {
            const float inner = cx + side * 0.075f * h;
            const float outer = cx + side * 0.225f * h;
            addQuad({inner, cy - 0.3f * h}, {outer, cy - 0.3f * h}, {outer, cy + 0.3f * h}, {inner, cy + 0.3f * h});
        }
    }

    // A hand that opens: two jaws spread apart above an arrow pointing down,
    // the way the carrot goes once let go.
    void ScreenAreaShape::addLetGo(float cx, float cy, float h)
    {
        for (float side : {-1.0f, 1.0f})
            addBar({cx + side * 0.08f * h, cy + 0.32f * h}, {cx + side * 0.26f * h, cy + 0.04f * h}, 0.04f * h);
        addFacing({cx - 0.12f * h, cy - 0.06f * h}, {cx + 0.12f * h, cy - 0.06f * h}, {cx, cy - 0.32f * h});
    }

    // Fans a six-point arrow outline from its apex. Without `reversed` each triangle is
    // (apex, next, this), otherwise (apex, this, next): both wind counter-clockwise.
    void ScreenAreaShape::addArrow(Point a, const Point p[6], bool reversed)
    {
        for (int i = 0; i < 5; ++i)
        {
            const Point& b = reversed ? p[i] : p[i + 1];
            const Point& c = reversed ? p[i + 1] : p[i];
            addTriangle(a.x, a.y, b.x, b.y, c.x, c.y);
        }
    }

    ScreenAreaShape ScreenAreaShape::build(float left, float top, float width, float height,
                                           float sw, float sh, int iconId)
    {
        const float X = sw * left / 100.0f;
        const float T = sh - sh * top / 100.0f;
        const float W = sw * width / 100.0f;
        const float H = sh * height / 100.0f;
        const float M = T - H / 2.0f;
        const float t = sw * 0.5f / 100.0f;   // half a percent of the screen width
        const float u = sw / 100.0f;          // one percent of the screen width

        ScreenAreaShape s;
        switch (iconId)
        {
        case 1: // arrow pointing down
        {
            const Point p[6] = {{X, M}, {X + W / 3, M}, {X + W / 3, T},
                                {X + 2 * W / 3, T}, {X + 2 * W / 3, M}, {X + W, M}};
            s.addArrow({X + W / 2, T - H}, p, false);
            break;
        }
        case 2: // arrow pointing right
        {
            const Point p[6] = {{X + W / 2, T - H}, {X + W / 2, T - 2 * H / 3}, {X, T - 2 * H / 3},
                                {X, T - H / 3}, {X + W / 2, T - H / 3}, {X + W / 2, T}};
            s.addArrow({X + W, M}, p, false);
            break;
        }
        case 3: // arrow pointing up
        {
            const Point p[6] = {{X, M}, {X + W / 3, M}, {X + W / 3, T - H},
                                {X + 2 * W / 3, T - H}, {X + 2 * W / 3, M}, {X + W, M}};
            s.addArrow({X + W / 2, T}, p, true);
            break;
        }
        case 4: // arrow pointing left
        {
            const Point p[6] = {{X + W / 2, T - H}, {X + W / 2, T - 2 * H / 3}, {X + W, T - 2 * H / 3},
                                {X + W, T - H / 3}, {X + W / 2, T - H / 3}, {X + W / 2, T}};
            s.addArrow({X, M}, p, true);
            break;
        }
        case 5: // outline only
            s.m_primitive = LINE_LOOP;
            s.add(X, T);
            s.add(X, T - H);
            s.add(X + W, T - H);
            s.add(X + W, T);
            break;
        case 6: // frame of width t inside the rectangle
            s.addTriangle(X, T, X + t, T - t, X + W - t, T - t);
            s.addTriangle(X, T, X + W - t, T - t, X + W, T);
            s.addTriangle(X, T, X, T - H, X + t, T - H + t);
            s.addTriangle(X, T, X + t, T - H + t, X + t, T - t);
            s.addTriangle(X, T - H, X + W, T - H, X + W - t, T - H + t);
            s.addTriangle(X, T - H, X + W - t, T - H + t, X + t, T - H + t);
            s.addTriangle(X + W, T - H, X + W - t, T - t, X + W - t, T - H + t);
            s.addTriangle(X + W, T - H, X + W, T, X + W - t, T - t);
            break;
        case 7: // flag standing on the top edge: a pole u wide, then the pennant
            s.addTriangle(X, T, X + u, T, X + u, T + H / 3);
            s.addTriangle(X, T, X + u, T + H / 3, X + u, T + H);
            s.addTriangle(X, T, X + u, T + H, X, T + H);
            s.addTriangle(X + u, T + H / 3, X + W, T + 2 * H / 3 - u / 3, X + W, T + 2 * H / 3 + u / 3);
            s.addTriangle(X + u, T + H / 3, X + W, T + 2 * H / 3 + u / 2, X + u, T + H);
            break;
        case 8: // pause: two upright bars in the middle
            s.addPause(X + W / 2, M, H);
            break;
        case 9: // letting go: an opening hand above an arrow pointing down
            s.addLetGo(X + W / 2, M, H);
            break;
        default: // 0 and every unknown id: the filled rectangle
            s.addTriangle(X, T, X, T - H, X + W, T);
            s.addTriangle(X + W, T, X, T - H, X + W, T - H);
            break;
        }
        return s;
    }
}
