// Decoding every shipped sound as the sound back end does at start-up (the
// decoder chosen by the extension, the whole file decoded and its samples
// handed on from the decoder's own buffer), against the floor of plain
// vorbisfile reads, a plain DUMB render and plain file reads of the same files.

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "core/Conversions.h"
#include "core/Info.h"
#include "sound/MODFile.h"
#include "sound/OGGFile.h"
#include "sound/WAVFile.h"
#include "support/BenchPairs.h"

// After the game's headers: DUMB's header defines macros they would trip on.
#include <dumb.h>
#include <vorbis/vorbisfile.h>

namespace {

const char* const SOUNDS_CONFIG = "data/Config/KWEP_SOUNDS.cfg";
const int BUFFER_BYTES = 32768;

// The shipped sound files, from the sound configuration.
const std::vector<std::string>& soundFiles()
{
    static std::vector<std::string> l_files;
    if (!l_files.empty())
        return l_files;
    CFG::Info config(SOUNDS_CONFIG, nullptr);
    const std::string dir = config.get("SOUND_DIR");
    std::vector<std::string> entries;
    Util::tokenizeStr(config.get("SOUND_FILES"), entries, ",");
    for (const std::string& entry : entries)
        l_files.push_back(dir + entry.substr(entry.find(':') + 1));
    return l_files;
}

std::string extensionOf(const std::string& file) { return file.substr(file.rfind('.') + 1); }

// As the back end decodes: the samples are read where the decoder keeps them.
template <class File>
size_t decodeWith(const std::string& path)
{
    File file(path.c_str());
    if (!file.load())
        return 0;
    benchmark::DoNotOptimize(file.getData().data());
    return file.getData().size();
}

size_t decodeOurs(const std::string& path)
{
    const std::string ext = extensionOf(path);
    if (ext == "wav")
        return decodeWith<Media::WAVFile>(path);
    if (ext == "ogg")
        return decodeWith<Media::OGGFile>(path);
    return decodeWith<Media::MODFile>(path);
}

size_t readOgg(const std::string& path)
{
    OggVorbis_File vf;
    if (ov_fopen(path.c_str(), &vf) != 0)
        return 0;
    static char l_buffer[BUFFER_BYTES];
    size_t bytes = 0;
    int bitstream = 0;
    for (long got; (got = ov_read(&vf, l_buffer, BUFFER_BYTES, 0, 2, 1, &bitstream)) > 0;)
        bytes += static_cast<size_t>(got);
    ov_clear(&vf);
    return bytes;
}

// The module rendered once through, in the back end's format.
size_t renderModule(const std::string& path)
{
    DUH* duh = dumb_load_mod(path.c_str());
    if (!duh)
        return 0;
    DUH_SIGRENDERER* renderer = duh_start_sigrenderer(duh, 0, 2, 0);
    DUMB_IT_SIGRENDERER* it = duh_get_it_sigrenderer(renderer);
    dumb_it_set_loop_callback(it, &dumb_it_callback_terminate, nullptr);
    dumb_it_set_xm_speed_zero_callback(it, &dumb_it_callback_terminate, nullptr);
    const long rate = 44100, chunk = BUFFER_BYTES / 4;
    static char l_buffer[BUFFER_BYTES];
    size_t bytes = 0;
    for (long got = chunk; got == chunk && bytes < size_t(rate) * Media::MODFile::MAX_SECONDS * 4;) {
        got = duh_render(renderer, 16, 0, 1.0f, static_cast<float>(65536.0 / rate), chunk, l_buffer);
        bytes += static_cast<size_t>(got) * 4;
    }
    duh_end_sigrenderer(renderer);
    unload_duh(duh);
    return bytes;
}

// The whole file read; the size of its sample chunk.
size_t readWav(const std::string& path)
{
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return 0;
    std::vector<unsigned char> data(BUFFER_BYTES);
    size_t size = 0;
    for (size_t got; (got = std::fread(data.data() + size, 1, data.size() - size, file)) > 0;) {
        size += got;
        if (size == data.size())
            data.resize(2 * size);
    }
    std::fclose(file);
    for (size_t at = 12; at + 8 <= size;) {
        const size_t length = data[at + 4] | data[at + 5] << 8 | data[at + 6] << 16 | size_t(data[at + 7]) << 24;
        if (std::equal(data.begin() + at, data.begin() + at + 4, "data"))
            return length;
        at += 8 + length + (length & 1);
    }
    return 0;
}

size_t decodeFloor(const std::string& path)
{
    const std::string ext = extensionOf(path);
    if (ext == "wav")
        return readWav(path);
    if (ext == "ogg")
        return readOgg(path);
    return renderModule(path);
}

template <size_t (*Decode)(const std::string&)>
void decodeAll(benchmark::State& state)
{
    size_t bytes = 0;
    for (auto _ : state) {
        bytes = 0;
        for (const std::string& path : soundFiles())
            bytes += Decode(path);
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["pcm_bytes"] = static_cast<double>(bytes);
}

bool sameWork()
{
    size_t total = 0;
    for (const std::string& path : soundFiles()) {
        const size_t ours = decodeOurs(path), floor = decodeFloor(path);
        if (ours == 0 || ours != floor) {
            std::fprintf(stderr, "sounds: %s gave %zu bytes, the plain read %zu\n", path.c_str(), ours, floor);
            return false;
        }
        total += ours;
    }
    std::fprintf(stderr, "sounds: %zu files, %zu bytes of samples\n", soundFiles().size(), total);
    return !soundFiles().empty();
}

} // namespace

int main(int argc, char** argv)
{
    Bench::addPair("sounds", decodeAll<decodeOurs>, decodeAll<decodeFloor>, 1.2);
    return Bench::runPairs(argc, argv, sameWork);
}
