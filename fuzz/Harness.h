#ifndef FRELMORY_FUZZ_HARNESS_H
#define FRELMORY_FUZZ_HARNESS_H

#include <cstddef>
#include <cstdint>

// Every reader of the game as one function over a byte buffer. Each feeds the
// buffer to the reader the way the game would meet it in a file and answers 0;
// a fault shows as a sanitizer report, a crash or a hang, never as a result.
// The libFuzzer entry points and the replay test both call these.
namespace Fuzz {

typedef int (*HarnessFn)(const std::uint8_t* data, std::size_t size);

struct Harness {
    const char* name;   // also the folder of its corpus
    HarnessFn run;
};

int fuzzConfig(const std::uint8_t* data, std::size_t size);
int fuzzSerializer(const std::uint8_t* data, std::size_t size);
int fuzzProfile(const std::uint8_t* data, std::size_t size);
int fuzzTga(const std::uint8_t* data, std::size_t size);
int fuzzPhrases(const std::uint8_t* data, std::size_t size);
int fuzzPages(const std::uint8_t* data, std::size_t size);
int fuzzNumbers(const std::uint8_t* data, std::size_t size);
int fuzzBlueprint(const std::uint8_t* data, std::size_t size);
int fuzzLevel(const std::uint8_t* data, std::size_t size);
int fuzzPhysics(const std::uint8_t* data, std::size_t size);
int fuzzLineModel(const std::uint8_t* data, std::size_t size);
int fuzzDmf(const std::uint8_t* data, std::size_t size);
int fuzzMatdef(const std::uint8_t* data, std::size_t size);
int fuzzSoundConfig(const std::uint8_t* data, std::size_t size);
int fuzzWav(const std::uint8_t* data, std::size_t size);
int fuzzOgg(const std::uint8_t* data, std::size_t size);
int fuzzMod(const std::uint8_t* data, std::size_t size);
int fuzzOptions(const std::uint8_t* data, std::size_t size);
int fuzzMenus(const std::uint8_t* data, std::size_t size);
int fuzzHighScore(const std::uint8_t* data, std::size_t size);
int fuzzLetterOffsets(const std::uint8_t* data, std::size_t size);
int fuzzCommandLine(const std::uint8_t* data, std::size_t size);
int fuzzItemList(const std::uint8_t* data, std::size_t size);

// All harnesses, ended by an entry with a null name.
const Harness* harnesses();
// The harness of that name, or null.
const Harness* findHarness(const char* name);

} // namespace Fuzz

#endif
