#ifndef FRELMORY_CORE_ORIENTATION_H
#define FRELMORY_CORE_ORIENTATION_H

#include "core/Matrix4x4.h"
#include "core/Vector3.h"

namespace MathStuff {

// Where a thing is and which way it faces. direction and up are expected to be
// unit length and perpendicular; nothing normalises them.
template <typename T>
class Orientation
{
public:
    Orientation()
        : position(0, 0, 0), direction(0, 0, -1), up(0, 1, 0), scale(1, 1, 1) {}
    Orientation(const Vector3<T>& position, const Vector3<T>& direction,
                const Vector3<T>& up, const Vector3<T>& scale)
        : position(position), direction(direction), up(up), scale(scale) {}

    // The model transformation: the local x axis goes to up x direction, y to
    // up, z to direction, each scaled per axis; then translated to position.
    void getTransformation(Matrix4x4<T>& out) const
    {
        const Vector3<T> side = crossProduct(up, direction);
        setColumn(out, 0, side * scale.x, 0);
        setColumn(out, 1, up * scale.y, 0);
        setColumn(out, 2, direction * scale.z, 0);
        setColumn(out, 3, position, 1);
    }

    Vector3<T> position;
    Vector3<T> direction;
    Vector3<T> up;
    Vector3<T> scale;

private:
    static void setColumn(Matrix4x4<T>& out, int column, const Vector3<T>& v, T w)
    {
        out.m[column * 4 + 0] = v.x;
        out.m[column * 4 + 1] = v.y;
        out.m[column * 4 + 2] = v.z;
        out.m[column * 4 + 3] = w;
    }
};

} // namespace MathStuff

#endif
