#ifndef TESTSUPPORT_FAKERANDOM_H
#define TESTSUPPORT_FAKERANDOM_H

#include <vector>

#include "core/I_Random.h"

namespace TestSupport {

// A random source that answers a fixed list of values in turn, over and over
// (0 when the list is empty).
class FakeRandom : public RNG::I_Random {
public:
    explicit FakeRandom(const std::vector<float>& values = std::vector<float>()) : values(values) {}

    void initialise(unsigned int seed) override { seeds.push_back(seed); }
    void initialise(unsigned int* list, int count) override
    {
        if (list && count > 0)
            initialise(list[0]);
    }
    float getFloat() override
    {
        if (values.empty())
            return 0.0f;
        const float value = values[next % values.size()];
        ++next;
        return value;
    }

    std::vector<float> values;
    std::vector<unsigned int> seeds;
    std::size_t next = 0;
};

} // namespace TestSupport

#endif
