#ifndef BENCH_SAMPLEBYTES_H
#define BENCH_SAMPLEBYTES_H

namespace Bench {

// Stands in for OpenAL's buffer upload, passing each call on, to learn how
// many bytes of samples the game hands to OpenAL and in how many buffers: a
// buffer filled again counts with its last size.
class SampleBytes {
public:
    static unsigned long held();
    static unsigned long buffers();
};

} // namespace Bench

#endif
