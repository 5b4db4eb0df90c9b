#ifndef MATHSTUFF_PI_H
#define MATHSTUFF_PI_H

namespace MathStuff {

// The one value of pi the program uses (M_PI is no part of standard C++).
const double PI = 3.14159265358979323846;
// The same as the nearest float, for float arithmetic.
const float PI_F = static_cast<float>(PI);

} // namespace MathStuff

#endif
