#include "SampleBytes.h"

#include <AL/al.h>
#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>
#include <map>

namespace {

std::map<ALuint, unsigned long> g_bytes;

} // namespace

extern "C" void alBufferData(ALuint buffer, ALenum format, const ALvoid* data, ALsizei size, ALsizei rate)
{
    typedef void (*Upload)(ALuint, ALenum, const ALvoid*, ALsizei, ALsizei);
    static const Upload l_real = reinterpret_cast<Upload>(dlsym(RTLD_NEXT, "alBufferData"));
    if (l_real == nullptr) {
        std::fprintf(stderr, "sample bytes: no library after the program has alBufferData\n");
        std::abort();
    }
    l_real(buffer, format, data, size, rate);
    if (size > 0)
        g_bytes[buffer] = static_cast<unsigned long>(size);
}

namespace Bench {

unsigned long SampleBytes::held()
{
    unsigned long bytes = 0;
    for (const auto& buffer : g_bytes)
        bytes += buffer.second;
    return bytes;
}

unsigned long SampleBytes::buffers()
{
    return static_cast<unsigned long>(g_bytes.size());
}

} // namespace Bench
