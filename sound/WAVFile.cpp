#include "sound/WAVFile.h"

#include "core/FileLimit.h"

#include <cstdint>
#include <cstring>
#include <fstream>

namespace Media {

class WAVFile::Impl {
public:
    std::string path;
    int format = 0;
    int channels = 0;
    int rate = 0;
    int bits = 0;
    std::vector<unsigned char> pcm;
    std::string error;

    std::ifstream in;
    std::uint64_t fileSize = 0;

    bool fail(const char* why)
    {
        error = why;
        return false;
    }

    bool readBytes(unsigned char* out, std::size_t n)
    {
        in.read(reinterpret_cast<char*>(out), static_cast<std::streamsize>(n));
        return static_cast<std::size_t>(in.gcount()) == n;
    }

    bool readU16(std::uint32_t& value)
    {
        unsigned char b[2];
        if (!readBytes(b, 2))
            return false;
        value = b[0] | (b[1] << 8);
        return true;
    }

    bool readU32(std::uint32_t& value)
    {
        unsigned char b[4];
        if (!readBytes(b, 4))
            return false;
        value = b[0] | (b[1] << 8) | (b[2] << 16) | (static_cast<std::uint32_t>(b[3]) << 24);
        return true;
    }

    bool readTag(const char* tag)
    {
        unsigned char b[4];
        return readBytes(b, 4) && std::memcmp(b, tag, 4) == 0;
    }

    std::uint64_t remaining()
    {
        const std::streamoff at = in.tellg();
        return at < 0 || static_cast<std::uint64_t>(at) > fileSize ? 0 : fileSize - at;
    }

    // Skips a chunk body and the pad byte that follows an odd-sized one.
    bool skip(std::uint64_t size)
    {
        size += size & 1;
        if (size > remaining())
            return false;
        in.seekg(static_cast<std::streamoff>(size), std::ios::cur);
        return in.good();
    }

    bool open()
    {
        in.open(path, std::ios::binary);
        if (!in)
            return false;
        in.seekg(0, std::ios::end);
        fileSize = static_cast<std::uint64_t>(in.tellg());
        in.seekg(0, std::ios::beg);
        return in.good();
    }

    bool readFormat()
    {
        std::uint32_t size = 0, value = 0, unused = 0;
        if (!readTag("fmt ") || !readU32(size))
            return fail("the format chunk does not come first");
        if (size < 16)
            return fail("the format chunk is shorter than 16 bytes");
        if (!readU16(value))
            return fail("the format chunk is cut short");
        format = static_cast<int>(value);
        if (!readU16(value))
            return fail("the format chunk is cut short");
        channels = static_cast<int>(value);
        if (!readU32(value))
            return fail("the format chunk is cut short");
        rate = static_cast<int>(value);
        if (!readU32(unused) || !readU16(unused) || !readU16(value))
            return fail("the format chunk is cut short");
        bits = static_cast<int>(value);
        if (format != 1)
            return fail("the samples are not integer PCM");
        if ((channels != 1 && channels != 2) || (bits != 8 && bits != 16) || rate <= 0)
            return fail("only 8- or 16-bit PCM of 1 or 2 channels at a rate above 0 is played");
        if (!skip(size - 16))
            return fail("the format chunk is cut short");
        return true;
    }

    // Walks the chunks up to "data" and leaves the stream at its first byte.
    bool findData(std::uint32_t& size)
    {
        unsigned char id[4];
        while (readBytes(id, 4) && readU32(size)) {
            if (std::memcmp(id, "data", 4) == 0)
                return true;
            if (!skip(size))
                break;
        }
        return fail("there is no data chunk");
    }

    bool readData(std::uint32_t size)
    {
        if (size > remaining())
            return fail("the data chunk claims more bytes than the file holds");
        const std::uint32_t frame = static_cast<std::uint32_t>(channels * (bits / 8));
        pcm.resize(size - size % frame);
        if (!pcm.empty() && !readBytes(pcm.data(), pcm.size()))
            return fail("the data chunk is cut short");
        return true;
    }
};

WAVFile::WAVFile(const char* path) : m_impl(new Impl)
{
    m_impl->path = path ? path : "";
}

WAVFile::~WAVFile() { delete m_impl; }

bool WAVFile::load()
{
    Impl& d = *m_impl;
    d.pcm.clear();
    if (!Files::FileLimit::admit(d.path))
        return d.fail("the file cannot be opened");
    if (!d.open())
        return d.fail("the file cannot be opened");
    if (!d.readTag("RIFF") || !d.skip(4) || !d.readTag("WAVE"))
        return d.fail("it is not a RIFF/WAVE file");
    std::uint32_t size = 0;
    return d.readFormat() && d.findData(size) && d.readData(size);
}

const std::vector<unsigned char>& WAVFile::getData() const { return m_impl->pcm; }
int WAVFile::getNumChannels() const { return m_impl->channels; }
int WAVFile::getRate() const { return m_impl->rate; }
int WAVFile::getBitsPerSample() const { return m_impl->bits; }
const std::string& WAVFile::getError() const { return m_impl->error; }

} // namespace Media
