#ifndef RNG_RANDSIMPLE_H
#define RNG_RANDSIMPLE_H

#include "core/I_Random.h"

namespace RNG {

// The game root's random source: a small integer hash recurrence over a 32-bit
// seed. The sequence depends only on the seed, so a run can be repeated.
class RandSimple : public I_Random {
public:
    explicit RandSimple(unsigned int seed = 424242);
    ~RandSimple() override;

    void initialise(unsigned int seed) override;
    // Takes the first seed only; a null list leaves the seed as it is.
    void initialise(unsigned int* seeds, int count) override;
    // The next number in [0, 1); advances the seed.
    float getFloat() override;

    unsigned int getSeed() const;

private:
    unsigned int m_seed;
};

} // namespace RNG

#endif
