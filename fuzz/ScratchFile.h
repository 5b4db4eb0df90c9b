#ifndef FRELMORY_FUZZ_SCRATCHFILE_H
#define FRELMORY_FUZZ_SCRATCHFILE_H

#include <cstddef>
#include <cstdint>
#include <string>

namespace Fuzz {

// A file that holds one input for a reader that only reads files. The name
// belongs to this process alone, so harnesses may run side by side; the file
// is removed again when the object goes.
class ScratchFile {
public:
    ScratchFile(const std::string& tag, const std::uint8_t* data, std::size_t size);
    ScratchFile(const std::string& tag, const std::string& text);
    ~ScratchFile();
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;

    const std::string& path() const { return m_path; }
    bool written() const { return m_written; }

private:
    std::string m_path;
    bool m_written;
};

} // namespace Fuzz

#endif
