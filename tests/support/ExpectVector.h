#ifndef TESTSUPPORT_EXPECTVECTOR_H
#define TESTSUPPORT_EXPECTVECTOR_H

#include <gtest/gtest.h>

#include "core/Vector3.h"

namespace TestSupport {

// Expects each component of v within tolerance of (x, y, z).
inline void expectVec(const MathStuff::Vector3<float>& v, float x, float y, float z,
                      float tolerance = 1e-5f)
{
    EXPECT_NEAR(v.x, x, tolerance);
    EXPECT_NEAR(v.y, y, tolerance);
    EXPECT_NEAR(v.z, z, tolerance);
}

} // namespace TestSupport

#endif
