#include "sound/OGGFile.h"

#include <cstdio>

#include <vorbis/vorbisfile.h>

namespace Media {

namespace {

const int READ_BUFFER_BYTES = 32768;

} // namespace

class OGGFile::Impl {
public:
    std::string path;
    vorbis_info info = vorbis_info();
    std::vector<unsigned char> pcm;
    std::string error;

    bool fail(const char* why)
    {
        error = why;
        return false;
    }

    bool decode(OggVorbis_File& vf)
    {
        std::vector<char> buffer(READ_BUFFER_BYTES);
        int bitstream = 0;
        for (;;) {
            const long got = ov_read(&vf, buffer.data(), READ_BUFFER_BYTES, 0, 2, 1, &bitstream);
            if (got == 0)
                return true;
            if (got < 0)
                return fail("the stream is damaged");
            pcm.insert(pcm.end(), buffer.begin(), buffer.begin() + got);
        }
    }
};

OGGFile::OGGFile(const char* path) : m_impl(new Impl)
{
    m_impl->path = path ? path : "";
}

OGGFile::~OGGFile() { delete m_impl; }

bool OGGFile::load()
{
    Impl& d = *m_impl;
    d.pcm.clear();
    FILE* file = std::fopen(d.path.c_str(), "rb");
    if (!file)
        return d.fail("the file cannot be opened");
    OggVorbis_File vf;
    if (ov_open(file, &vf, nullptr, 0) != 0) {
        // vorbisfile leaves the file to its caller when it fails.
        std::fclose(file);
        return d.fail("it is not an Ogg Vorbis file");
    }
    const vorbis_info* info = ov_info(&vf, -1);
    d.info = info ? *info : vorbis_info();
    d.info.codec_setup = nullptr; // belongs to the stream, which goes with ov_clear
    bool result = d.info.channels == 1 || d.info.channels == 2;
    if (!result)
        d.fail("only 1 or 2 channels are played");
    else if (d.info.rate <= 0)
        result = d.fail("the sample rate is not above 0");
    else
        result = d.decode(vf);
    ov_clear(&vf);
    return result;
}

const std::vector<unsigned char>& OGGFile::getData() const { return m_impl->pcm; }
int OGGFile::getNumChannels() const { return m_impl->info.channels; }
int OGGFile::getRate() const { return static_cast<int>(m_impl->info.rate); }
const std::string& OGGFile::getError() const { return m_impl->error; }

} // namespace Media
