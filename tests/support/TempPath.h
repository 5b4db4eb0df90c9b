#ifndef TESTSUPPORT_TEMPPATH_H
#define TESTSUPPORT_TEMPPATH_H

#include <string>

#include <gtest/gtest.h>
#include <unistd.h>

namespace TestSupport {

// A file name in the temporary directory that belongs to this test process alone:
// CTest runs every test in its own process, several at a time, so a fixed name
// would let two tests overwrite each other's files.
inline std::string tempPath(const std::string& name)
{
    return ::testing::TempDir() + "frelmory_" + std::to_string(::getpid()) + "_" + name;
}

} // namespace TestSupport

#endif
