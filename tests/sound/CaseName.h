#ifndef TESTS_SOUND_CASENAME_H
#define TESTS_SOUND_CASENAME_H

#include <cctype>
#include <string>

namespace SoundTest {

// A test name made from a case's description: its words joined in CamelCase.
inline std::string caseName(const char* what)
{
    std::string name;
    bool upper = true;
    for (const char* c = what; *c; ++c) {
        if (!std::isalnum(static_cast<unsigned char>(*c))) {
            upper = true;
            continue;
        }
        name += upper ? static_cast<char>(std::toupper(static_cast<unsigned char>(*c))) : *c;
        upper = false;
    }
    return name;
}

} // namespace SoundTest

// Table cases print as their description and are named after it.
#define SOUND_TEST_TABLE(Prefix, Fixture, Case, cases)                                          \
    void PrintTo(const Case& c, std::ostream* out) { *out << c.what; }                            \
    INSTANTIATE_TEST_SUITE_P(Prefix, Fixture, ::testing::ValuesIn(cases),                         \
                             [](const ::testing::TestParamInfo<Case>& info) {                    \
                                 return SoundTest::caseName(info.param.what);                    \
                             })

#endif
