#ifndef FRELMORY_CORE_RANDANSI_H
#define FRELMORY_CORE_RANDANSI_H

#include "core/I_Random.h"

namespace RNG {

// Random numbers from the C library's rand(). Every instance shares the one
// C library generator, so seeding one reseeds them all.
class RandANSI : public I_Random {
public:
    // Stores the seed and seeds the C library generator with it.
    explicit RandANSI(unsigned int seed);
    ~RandANSI() override;

    void initialise(unsigned int seed) override;
    // Uses the first seed only; a null list or a count below 1 changes nothing.
    void initialise(unsigned int* seeds, int count) override;
    // rand() scaled into [0, 1).
    float getFloat() override;

private:
    unsigned int m_seed;
};

} // namespace RNG

#endif
