#include "core/RandANSI.h"

#include <cmath>
#include <cstdlib>

namespace RNG {

RandANSI::RandANSI(unsigned int seed) : m_seed(seed) { std::srand(seed); }

RandANSI::~RandANSI() {}

void RandANSI::initialise(unsigned int seed) {
    m_seed = seed;
    std::srand(seed);
}

void RandANSI::initialise(unsigned int* seeds, int count) {
    if (seeds && count > 0)
        initialise(seeds[0]);
}

float RandANSI::getFloat() {
    // RAND_MAX differs between C libraries (glibc: 2^31 - 1), so scale by it.
    // Near the top the quotient rounds up to 1.0f; keep it below 1.
    float value = static_cast<float>(std::rand() / (RAND_MAX + 1.0));
    return value < 1.0f ? value : std::nextafter(1.0f, 0.0f);
}

} // namespace RNG
