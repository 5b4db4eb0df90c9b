#ifndef FRELMORY_CORE_VECTOR3_H
#define FRELMORY_CORE_VECTOR3_H

#include <cmath>

namespace MathStuff {

// Three-component vector; the game uses it with float.
template <typename T>
class Vector3
{
public:
    Vector3() : x(0), y(0), z(0) {}
    Vector3(T x, T y, T z) : x(x), y(y), z(z) {}
    Vector3(const Vector3&) = default;
    Vector3& operator=(const Vector3&) = default;
    virtual ~Vector3() {}

    T x, y, z;
};

// a x b
template <typename T>
Vector3<T> crossProduct(const Vector3<T>& a, const Vector3<T>& b)
{
    return Vector3<T>(a.y * b.z - a.z * b.y,
                      a.z * b.x - a.x * b.z,
                      a.x * b.y - a.y * b.x);
}

template <typename T>
Vector3<T> operator+(const Vector3<T>& a, const Vector3<T>& b)
{
    return Vector3<T>(a.x + b.x, a.y + b.y, a.z + b.z);
}

template <typename T>
Vector3<T>& operator+=(Vector3<T>& a, const Vector3<T>& b)
{
    a.x += b.x;
    a.y += b.y;
    a.z += b.z;
    return a;
}

template <typename T>
Vector3<T> operator-(const Vector3<T>& a, const Vector3<T>& b)
{
    return Vector3<T>(a.x - b.x, a.y - b.y, a.z - b.z);
}

template <typename T>
Vector3<T> operator*(const Vector3<T>& v, T s)
{
    return Vector3<T>(v.x * s, v.y * s, v.z * s);
}

// Whether all three components are finite. The readers of the game's files
// refuse a point of which any component is not (a number beyond the float
// range reads as infinity), whichever axes they use.
template <typename T>
bool isFinite(const Vector3<T>& v)
{
    return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z);
}

// Every component's sign flipped (0 becomes -0).
template <typename T>
Vector3<T> operator-(const Vector3<T>& v)
{
    return Vector3<T>(-v.x, -v.y, -v.z);
}

} // namespace MathStuff

#endif
