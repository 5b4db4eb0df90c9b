#include "sound/OGGFile.h"

#include "core/FileLimit.h"

#include <algorithm>
#include <cstdio>
#include <cstdint>
#include <cstring>
#include <string>

#include <vorbis/vorbisfile.h>

namespace Media {

namespace {

const int READ_BUFFER_BYTES = 32768;
const ogg_int64_t MAX_RESERVED_BYTES = 32 << 20;

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

// An Ogg page: a 27-byte header that starts with "OggS" and a version byte
// 0, holds its checksum at byte 22 and the count of its segments at byte 26,
// then the segment table (one length byte per segment) and the body. A page
// is never longer than MAX_PAGE_BYTES, so a stream's last page starts within
// that many bytes of its end.
const std::size_t MAX_PAGE_BYTES = 65307;
const std::size_t PAGE_HEADER_BYTES = 27;
const std::size_t CHECKSUM_AT = 22;
const std::size_t SEGMENTS_AT = 26;

// The page checksum: CRC-32 of polynomial 0x04C11DB7, no reflection, initial
// value 0, over the page with its checksum field read as zero.
std::uint32_t pageChecksum(const unsigned char* page, std::size_t size)
{
    static std::uint32_t l_table[256];
    static const bool l_made = [] {
        for (std::uint32_t i = 0; i < 256; ++i) {
            std::uint32_t r = i << 24;
            for (int bit = 0; bit < 8; ++bit)
                r = (r & 0x80000000u) ? (r << 1) ^ 0x04C11DB7u : r << 1;
            l_table[i] = r;
        }
        return true;
    }();
    (void)l_made;
    std::uint32_t crc = 0;
    for (std::size_t i = 0; i < size; ++i) {
        const unsigned char byte = i >= CHECKSUM_AT && i < CHECKSUM_AT + 4 ? 0 : page[i];
        crc = (crc << 8) ^ l_table[((crc >> 24) ^ byte) & 0xFF];
    }
    return crc;
}

// True when a whole page, its checksum right, starts at the byte and ends
// exactly where the bytes end.
bool wholePageEndsHere(const unsigned char* page, std::size_t size)
{
    if (size < PAGE_HEADER_BYTES || std::memcmp(page, "OggS", 4) != 0 || page[4] != 0)
        return false;
    const std::size_t segments = page[SEGMENTS_AT];
    if (size < PAGE_HEADER_BYTES + segments)
        return false;
    std::size_t length = PAGE_HEADER_BYTES + segments;
    for (std::size_t i = 0; i < segments; ++i)
        length += page[PAGE_HEADER_BYTES + i];
    if (length != size)
        return false;
    const std::uint32_t stored = page[CHECKSUM_AT] | page[CHECKSUM_AT + 1] << 8 | page[CHECKSUM_AT + 2] << 16 |
                                 static_cast<std::uint32_t>(page[CHECKSUM_AT + 3]) << 24;
    return stored == pageChecksum(page, size);
}

// True when the bytes (the end of a stream) end with a whole page. A copy or
// download that failed part-way leaves a page cut short at the end, which
// vorbisfile passes over without a word. A stream whose last page lacks the
// end-of-stream flag but is whole plays to its end and is taken.
bool endsWithLastPage(const unsigned char* tail, std::size_t size)
{
    for (std::size_t at = size < PAGE_HEADER_BYTES ? 0 : size - PAGE_HEADER_BYTES + 1; at-- > 0;) {
        if (wholePageEndsHere(tail + at, size - at))
            return true;
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

const char CUT_SHORT[] = "the stream ends inside a page: the file is cut short";

} // namespace

class OGGFile::Impl {
public:
    std::string path;
    vorbis_info info = vorbis_info();
    std::vector<unsigned char> pcm;
    std::string error;

    bool fail(const std::string& why)
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

    // A chain of streams plays as one sound only when every link has the
    // format of the first: the samples are handed on in one format.
    bool linksAgree(OggVorbis_File& vf)
    {
        // vorbisfile may leave a chain opened at its last link, which would
        // lose the links before it: decode from the first byte.
        if (ov_streams(&vf) > 1 && ov_raw_seek(&vf, 0) != 0)
            return fail("the chained streams cannot be read from their start");
        for (long link = 1; link < ov_streams(&vf); ++link) {
            const vorbis_info* next = ov_info(&vf, static_cast<int>(link));
            if (next && next->channels == info.channels && next->rate == info.rate)
                continue;
            return fail("the file chains streams of different formats (link " + std::to_string(link + 1) + " has " +
                        std::to_string(next ? next->channels : 0) + " channels at " +
                        std::to_string(next ? next->rate : 0) + " Hz, the first " + std::to_string(info.channels) +
                        " at " + std::to_string(info.rate) + " Hz)");
        }
        return true;
    }

    // Takes the format and the samples of an opened stream, then closes it.
    bool readOpened(OggVorbis_File& vf)
    {
        const vorbis_info* opened = ov_info(&vf, 0);
        info = opened ? *opened : vorbis_info();
        info.codec_setup = nullptr; // belongs to the stream, which goes with ov_clear
        bool result = info.channels == 1 || info.channels == 2;
        if (!result)
            fail("only 1 or 2 channels are played");
        else if (info.rate <= 0)
            result = fail("the sample rate is not above 0");
        else if ((result = linksAgree(vf))) {
            // Room for the length the stream states, unless a damaged stream
            // states more than a sound of the game would hold.
            const ogg_int64_t bytes = ov_pcm_total(&vf, -1) * info.channels * 2;
            if (bytes > 0 && bytes <= MAX_RESERVED_BYTES)
                pcm.reserve(static_cast<std::size_t>(bytes));
            result = decode(vf);
        }
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
