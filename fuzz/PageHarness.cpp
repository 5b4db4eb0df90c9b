#include "fuzz/Harness.h"

#include <string>

#include "core/Pagitizer.h"
#include "core/TextFile.h"
#include "fuzz/ScratchFile.h"

namespace Fuzz {

// A text file read as the text pages read it (lines joined by a blank) and
// laid out in pages; the first two bytes choose the style and the width.
int fuzzPages(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    ScratchFile file("page.txt", data + 2, size - 2);
    std::string text;
    if (!Files::TextFile::load(file.path(), text, " "))
        return 0;
    const Format::Style style = static_cast<Format::Style>(data[0] % 4);
    const unsigned int width = data[1] % 96;
    Format::Pagitizer pagitizer(style, data[0] / 4 % 8, width);
    Format::Pagitizer::Pages pages;
    pagitizer.format(text, pages);
    return 0;
}

} // namespace Fuzz
