#include "fuzz/Harness.h"

#include <cstring>
#include <vector>

#include <ogg/ogg.h>

#include "sound/OGGFile.h"

namespace Fuzz {

namespace {

const std::size_t PAGE_HEADER_BYTES = 27;
const std::size_t SEGMENT_COUNT_AT = 26;

// The bytes with the checksum of every whole page set right. A changed byte
// would otherwise fail its page's checksum, and the Vorbis decoder behind the
// page reader would hardly ever be reached.
std::vector<unsigned char> withPageChecksums(const std::uint8_t* data, std::size_t size)
{
    std::vector<unsigned char> bytes(data, data + size);
    std::size_t at = 0;
    while (at + PAGE_HEADER_BYTES <= bytes.size()) {
        if (std::memcmp(&bytes[at], "OggS", 4) != 0) {
            ++at;
            continue;
        }
        const std::size_t headerBytes = PAGE_HEADER_BYTES + bytes[at + SEGMENT_COUNT_AT];
        std::size_t bodyBytes = 0;
        for (std::size_t i = PAGE_HEADER_BYTES; i < headerBytes && at + i < bytes.size(); ++i)
            bodyBytes += bytes[at + i];
        if (at + headerBytes + bodyBytes > bytes.size())
            break;
        ogg_page page;
        page.header = &bytes[at];
        page.header_len = static_cast<long>(headerBytes);
        page.body = &bytes[at + headerBytes];
        page.body_len = static_cast<long>(bodyBytes);
        ogg_page_checksum_set(&page);
        at += headerBytes + bodyBytes;
    }
    return bytes;
}

} // namespace

// An Ogg Vorbis stream decoded whole from memory through vorbisfile's
// callbacks, as the sound back end decodes music.
int fuzzOgg(const std::uint8_t* data, std::size_t size)
{
    const std::vector<unsigned char> bytes = withPageChecksums(data, size);
    Media::OGGFile ogg("");
    ogg.loadFromMemory(bytes.data(), bytes.size());
    return 0;
}

} // namespace Fuzz
