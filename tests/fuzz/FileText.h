#ifndef TESTS_FUZZ_FILETEXT_H
#define TESTS_FUZZ_FILETEXT_H

#include <fstream>
#include <sstream>
#include <string>

namespace FuzzTest {

// The whole file as bytes; empty when it cannot be read.
inline std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream all;
    all << in.rdbuf();
    return all.str();
}

} // namespace FuzzTest

#endif
