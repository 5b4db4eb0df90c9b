#ifndef FRELMORY_CORE_POINTSSTRING_H
#define FRELMORY_CORE_POINTSSTRING_H

#include <string>
#include <vector>

#include "core/Vector3.h"

namespace MathStuff {

// Reads points written as x,y,z or x,y (the missing component is the default
// component), lists of them separated by blanks, tabs or line ends.
class PointsString
{
public:
    PointsString(float defaultComponent, bool zy);
    virtual ~PointsString();

    virtual void setDefault(float defaultComponent);

    // Splits text at runs of " \t\n\r" and appends stringToPoint of every token
    // to points, after emptying it unless append is set. Always true.
    virtual bool parse(const std::string& text, std::vector<Vector3<float>>& points, bool append) const;

    // One token: three numbers give (x, y, z); two give (x, y, default), or
    // (default, y, first) for the z-y plane; any other count gives (0, 0, 0).
    // An unreadable number counts as 0.
    virtual Vector3<float> stringToPoint(const std::string& token) const;

private:
    float defaultComponent;
    bool zy;
};

} // namespace MathStuff

#endif
