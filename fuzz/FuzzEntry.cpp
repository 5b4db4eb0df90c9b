// The libFuzzer entry point of one harness. Each fuzzer executable is this
// file built with FRELMORY_FUZZ_HARNESS naming the harness function.
#include "fuzz/Harness.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return Fuzz::FRELMORY_FUZZ_HARNESS(data, size);
}
