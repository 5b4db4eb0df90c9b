#include "fuzz/ScratchFile.h"

#include <cstdio>
#include <cstdlib>

#include <unistd.h>

namespace Fuzz {

namespace {

std::string scratchFolder()
{
    const char* folder = std::getenv("TMPDIR");
    std::string name = folder != nullptr && *folder != '\0' ? folder : "/tmp";
    if (name.back() != '/')
        name += '/';
    return name;
}

} // namespace

ScratchFile::ScratchFile(const std::string& tag, const std::uint8_t* data, std::size_t size)
    : m_path(scratchFolder() + "frelmory_fuzz_" + std::to_string(::getpid()) + "_" + tag),
      m_written(false)
{
    std::FILE* file = std::fopen(m_path.c_str(), "wb");
    if (file == nullptr)
        return;
    const bool complete = size == 0 || std::fwrite(data, 1, size, file) == size;
    m_written = std::fclose(file) == 0 && complete;
}

ScratchFile::ScratchFile(const std::string& tag, const std::string& text)
    : ScratchFile(tag, reinterpret_cast<const std::uint8_t*>(text.data()), text.size())
{
}

ScratchFile::~ScratchFile()
{
    std::remove(m_path.c_str());
}

} // namespace Fuzz
