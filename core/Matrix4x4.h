#ifndef FRELMORY_CORE_MATRIX4X4_H
#define FRELMORY_CORE_MATRIX4X4_H

#include <cmath>

#include "core/Pi.h"
#include "core/Vector3.h"

namespace MathStuff {

// 4x4 matrix in column-major order, the layout OpenGL takes (glMultMatrixf(m)):
// m[0..3] is the first column, m[12..14] the translation.
template <typename T>
class Matrix4x4
{
public:
    Matrix4x4() : m() {}
    Matrix4x4(const Matrix4x4&) = default;
    Matrix4x4& operator=(const Matrix4x4&) = default;
    virtual ~Matrix4x4() {}

    // The rotation by angle degrees about axis (not of length zero), as
    // OpenGL's rotate builds it. Writes all sixteen entries.
    void loadRotation(T angle, Vector3<T> axis)
    {
        const T radians = static_cast<T>(angle * (PI / 180.0));
        const T s = static_cast<T>(std::sin(radians));
        const T c = static_cast<T>(std::cos(radians));
        const T t = 1 - c;
        const T inv = 1 / static_cast<T>(std::sqrt(axis.x * axis.x + axis.y * axis.y + axis.z * axis.z));
        const T x = axis.x * inv, y = axis.y * inv, z = axis.z * inv;
        m[0] = x * x * t + c;     m[1] = x * y * t + z * s; m[2] = x * z * t - y * s;  m[3] = 0;
        m[4] = x * y * t - z * s; m[5] = y * y * t + c;     m[6] = y * z * t + x * s;  m[7] = 0;
        m[8] = x * z * t + y * s; m[9] = y * z * t - x * s; m[10] = z * z * t + c;     m[11] = 0;
        m[12] = 0;                m[13] = 0;                m[14] = 0;                 m[15] = 1;
    }

    // The vector turned by the upper-left 3x3 block (no translation).
    Vector3<T> rotate(const Vector3<T>& v) const
    {
        return Vector3<T>(m[0] * v.x + m[4] * v.y + m[8] * v.z,
                          m[1] * v.x + m[5] * v.y + m[9] * v.z,
                          m[2] * v.x + m[6] * v.y + m[10] * v.z);
    }

    // The point turned by the 3x3 block, then moved by the translation.
    Vector3<T> transform(const Vector3<T>& p) const
    {
        const Vector3<T> turned = rotate(p);
        return Vector3<T>(turned.x + m[12], turned.y + m[13], turned.z + m[14]);
    }

    T m[16];
};

} // namespace MathStuff

#endif
