#include "sound/WAVWriter.h"

#include <fstream>

namespace SoundMaker {

namespace {

void put16(std::string& out, std::uint32_t value)
{
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>((value >> 8) & 0xFF);
}

void put32(std::string& out, std::uint32_t value)
{
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

// A chunk with its size, and the pad byte an odd size needs.
void putChunk(std::string& out, const char* id, const std::string& body)
{
    out += id;
    put32(out, static_cast<std::uint32_t>(body.size()));
    out += body;
    if (body.size() % 2)
        out += '\0';
}

std::string formatChunk(int channels, int rate, int bits)
{
    const std::uint32_t block = static_cast<std::uint32_t>(channels * bits / 8);
    std::string body;
    put16(body, 1);
    put16(body, static_cast<std::uint32_t>(channels));
    put32(body, static_cast<std::uint32_t>(rate));
    put32(body, static_cast<std::uint32_t>(rate) * block);
    put16(body, block);
    put16(body, static_cast<std::uint32_t>(bits));
    return body;
}

// A comment chunk; the text keeps its terminating zero, so its length decides
// whether the chunk needs a pad byte.
std::string infoChunk(const std::string& note)
{
    std::string comment;
    comment.assign(note.c_str(), note.size() + 1);
    std::string body = "INFO";
    body += "ICMT";
    put32(body, static_cast<std::uint32_t>(comment.size()));
    body += comment;
    return body;
}

std::string dataChunk(const std::vector<std::int16_t>& samples, int bits)
{
    std::string body;
    for (std::int16_t s : samples) {
        if (bits == 8)
            body += static_cast<char>(((s >> 8) + 128) & 0xFF);
        else
            put16(body, static_cast<std::uint16_t>(s));
    }
    return body;
}

} // namespace

bool WAVWriter::write(const std::string& path, const std::vector<std::int16_t>& samples, int channels, int rate,
                      int bits, const std::string& note)
{
    std::string chunks = "WAVE";
    putChunk(chunks, "fmt ", formatChunk(channels, rate, bits));
    if (!note.empty())
        putChunk(chunks, "LIST", infoChunk(note));
    putChunk(chunks, "data", dataChunk(samples, bits));
    std::string file = "RIFF";
    put32(file, static_cast<std::uint32_t>(chunks.size()));
    file += chunks;
    std::ofstream out(path, std::ios::binary);
    out.write(file.data(), static_cast<std::streamsize>(file.size()));
    return static_cast<bool>(out);
}

} // namespace SoundMaker
