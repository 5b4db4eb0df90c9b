#ifndef TESTS_PHYSICS_PHYSICSTESTDATA_H
#define TESTS_PHYSICS_PHYSICSTESTDATA_H

#include <string>
#include <vector>

#include <chipmunk/chipmunk.h>
#include <unistd.h>

#include "core/CFG.h"

namespace PhysicsTest {

inline std::string dataFile(const std::string& name)
{
    return std::string(FRELMORY_TEST_DATA_DIR) + "/" + name;
}

// Level files name their physics files relative to the source tree's root,
// as the game's do relative to its own; the override layer starts empty.
class InSourceRoot {
public:
    InSourceRoot() : m_old(getcwd(nullptr, 0))
    {
        CFG::s_Overrides.reset();
        EXPECT_EQ(chdir(FRELMORY_SOURCE_DIR), 0);
    }
    ~InSourceRoot()
    {
        EXPECT_EQ(chdir(m_old), 0);
        free(m_old);
        CFG::s_Overrides.reset();
    }

private:
    char* m_old;
};

inline int countBodies(cpSpace* space)
{
    int n = 0;
    cpSpaceEachBody(space, [](cpBody*, void* data) { ++*static_cast<int*>(data); }, &n);
    return n;
}

inline int countShapes(cpSpace* space)
{
    int n = 0;
    cpSpaceEachShape(space, [](cpShape*, void* data) { ++*static_cast<int*>(data); }, &n);
    return n;
}

inline int countConstraints(cpSpace* space)
{
    int n = 0;
    cpSpaceEachConstraint(space, [](cpConstraint*, void* data) { ++*static_cast<int*>(data); }, &n);
    return n;
}

} // namespace PhysicsTest

#endif
