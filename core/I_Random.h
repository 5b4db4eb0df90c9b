#ifndef FRELMORY_CORE_I_RANDOM_H
#define FRELMORY_CORE_I_RANDOM_H

namespace RNG {

// A source of random numbers. getFloat() answers in [0, 1); callers that scale
// by it must still guard against an implementation that returns 1.
class I_Random {
public:
    virtual ~I_Random() {}

    virtual void initialise(unsigned int seed) = 0;
    // Seeds from a list; implementations may use only the first seed.
    virtual void initialise(unsigned int* seeds, int count) = 0;
    virtual float getFloat() = 0;
};

} // namespace RNG

#endif
