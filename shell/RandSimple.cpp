#include "shell/RandSimple.h"

#include <cmath>
#include <cstdint>

namespace RNG {

RandSimple::RandSimple(unsigned int seed) : m_seed(seed) {}

RandSimple::~RandSimple() {}

void RandSimple::initialise(unsigned int seed) { m_seed = seed; }

void RandSimple::initialise(unsigned int* seeds, int /*count*/)
{
    if (seeds)
        initialise(seeds[0]);
}

float RandSimple::getFloat()
{
    // All arithmetic is modulo 2^32.
    const std::uint32_t s = m_seed;
    const std::uint32_t n = (s << 13) ^ s;
    const std::uint32_t v = (n * (n * n * 15731u + 789221u) + 1376312589u) & 0x7FFFFFFFu;
    const double r = v / 2147483648.0;
    // floor(r * (2^32 - 1)) is exactly 2v - 1 for v > 0.
    if (v != 0)
        m_seed = s + 2u * v - 1u;
    // The largest values round up to 1.0 as a float; keep the result below 1 so
    // that scaling by n always gives an index below n.
    const float f = static_cast<float>(r);
    return f < 1.0f ? f : std::nextafter(1.0f, 0.0f);
}

unsigned int RandSimple::getSeed() const { return m_seed; }

} // namespace RNG
