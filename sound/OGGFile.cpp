#include "sound/OGGFile.h"

#include "core/FileLimit.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include <vorbis/vorbisfile.h>

namespace Media {

namespace {

const int READ_BUFFER_BYTES = 32768;

// A stream in memory, read through vorbisfile's callbacks.
struct MemoryStream {
    const unsigned char* data;
    std::size_t size;
    std::size_t at;
};

std::size_t memoryRead(void* out, std::size_t size, std::size_t count, void* source)
{
    MemoryStream& stream = *static_cast<MemoryStream*>(source);
    const std::size_t left = stream.size - stream.at;
    const std::size_t wanted = size == 0 ? 0 : count;
    const std::size_t items = size == 0 ? 0 : std::min(wanted, left / size);
    if (items > 0)
        std::memcpy(out, stream.data + stream.at, items * size);
    stream.at += items * size;
    return items;
}

int memorySeek(void* source, ogg_int64_t offset, int whence)
{
    MemoryStream& stream = *static_cast<MemoryStream*>(source);
    const ogg_int64_t from = whence == SEEK_SET ? 0 : whence == SEEK_CUR ? static_cast<ogg_int64_t>(stream.at)
                                                                         : static_cast<ogg_int64_t>(stream.size);
    if (offset < -from || offset > static_cast<ogg_int64_t>(stream.size) - from)
        return -1;
    stream.at = static_cast<std::size_t>(from + offset);
    return 0;
}

long memoryTell(void* source)
{
    return static_cast<long>(static_cast<MemoryStream*>(source)->at);
}

// An Ogg page starts with "OggS", a version byte 0 and a flags byte; a page
// is never longer than this, so the stream's last page header lies within
// this many bytes of its end.
const std::size_t MAX_PAGE_BYTES = 65307;
const std::size_t PAGE_HEADER_BYTES = 27;
const unsigned char END_OF_STREAM_FLAG = 0x04;

// True when the last page header in the bytes (the end of a stream) marks
// the end of its stream. A whole file always ends with such a page; one cut
// short by a failed copy or download has lost it.
bool endsWithLastPage(const unsigned char* tail, std::size_t size)
{
    for (std::size_t at = size < PAGE_HEADER_BYTES ? 0 : size - PAGE_HEADER_BYTES + 1; at-- > 0;) {
        if (std::memcmp(tail + at, "OggS", 4) == 0 && tail[at + 4] == 0)
            return (tail[at + 5] & END_OF_STREAM_FLAG) != 0;
    }
    return false;
}

// The same test on the end of a file.
bool fileEndsWithLastPage(const std::string& path)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return false;
    bool read = std::fseek(file, 0, SEEK_END) == 0;
    const long size = read ? std::ftell(file) : 0;
    const long tailSize = std::min<long>(std::max(size, 0L), static_cast<long>(MAX_PAGE_BYTES));
    std::vector<unsigned char> tail(static_cast<std::size_t>(tailSize));
    read = read && tailSize > 0 && std::fseek(file, size - tailSize, SEEK_SET) == 0
        && std::fread(tail.data(), 1, tail.size(), file) == tail.size();
    std::fclose(file);
    return read && endsWithLastPage(tail.data(), tail.size());
}

const char CUT_SHORT[] = "the stream ends before its last page: the file is cut short";

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

    // Takes the format and the samples of an opened stream, then closes it.
    bool readOpened(OggVorbis_File& vf)
    {
        const vorbis_info* opened = ov_info(&vf, -1);
        info = opened ? *opened : vorbis_info();
        info.codec_setup = nullptr; // belongs to the stream, which goes with ov_clear
        bool result = info.channels == 1 || info.channels == 2;
        if (!result)
            fail("only 1 or 2 channels are played");
        else if (info.rate <= 0)
            result = fail("the sample rate is not above 0");
        else
            result = decode(vf);
        ov_clear(&vf);
        return result;
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
    if (!Files::FileLimit::admit(d.path))
        return d.fail("the file cannot be opened");
    FILE* file = std::fopen(d.path.c_str(), "rb");
    if (!file)
        return d.fail("the file cannot be opened");
    OggVorbis_File vf;
    if (ov_open(file, &vf, nullptr, 0) != 0) {
        // vorbisfile leaves the file to its caller when it fails.
        std::fclose(file);
        return d.fail("it is not an Ogg Vorbis file");
    }
    if (!fileEndsWithLastPage(d.path)) {
        ov_clear(&vf);
        return d.fail(CUT_SHORT);
    }
    return d.readOpened(vf);
}

bool OGGFile::loadFromMemory(const unsigned char* data, std::size_t size)
{
    Impl& d = *m_impl;
    d.pcm.clear();
    MemoryStream stream{data, data ? size : 0, 0};
    const ov_callbacks callbacks = {&memoryRead, &memorySeek, nullptr, &memoryTell};
    OggVorbis_File vf;
    if (ov_open_callbacks(&stream, &vf, nullptr, 0, callbacks) != 0)
        return d.fail("it is not an Ogg Vorbis stream");
    const std::size_t tailSize = std::min(stream.size, MAX_PAGE_BYTES);
    if (!endsWithLastPage(stream.data + stream.size - tailSize, tailSize)) {
        ov_clear(&vf);
        return d.fail(CUT_SHORT);
    }
    return d.readOpened(vf);
}

const std::vector<unsigned char>& OGGFile::getData() const { return m_impl->pcm; }
int OGGFile::getNumChannels() const { return m_impl->info.channels; }
int OGGFile::getRate() const { return static_cast<int>(m_impl->info.rate); }
const std::string& OGGFile::getError() const { return m_impl->error; }

} // namespace Media
