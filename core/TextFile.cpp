#include "core/TextFile.h"

#include <fstream>

namespace Files {

namespace {

// Room reserved for one line; most lines of our files are shorter.
const std::size_t LINE_RESERVE = 300;

} // namespace

bool TextFile::load(const std::string& fileName, std::string& out, const char* lineEnd)
{
    const std::streamoff fileSize = size(fileName);
    if (fileSize <= 0) return false;

    std::ifstream in(fileName);
    if (!in) return false;

    std::string text;
    text.reserve(static_cast<std::size_t>(fileSize));
    std::string line;
    line.reserve(LINE_RESERVE);
    while (std::getline(in, line)) {
        // The line ended at a newline unless the end of the file stopped it;
        // a carriage return before that newline is part of the line end.
        if (!in.eof() && !line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) {
            text += '\n';
        } else {
            text += line;
            text += lineEnd;
        }
    }
    if (in.bad()) return false;
    out += text;
    return true;
}

bool TextFile::save(const std::string& fileName, const std::vector<std::string>& lines)
{
    std::ofstream out(fileName, std::ios::out | std::ios::trunc);
    for (std::size_t i = 0; i < lines.size() && out; ++i) {
        out << lines[i] << '\n';
        out.flush();
    }
    const bool written = static_cast<bool>(out);
    out.close();
    return written;
}

bool TextFile::save(const std::string& fileName, const std::string& text)
{
    return save(fileName, std::vector<std::string>(1, text));
}

std::streampos TextFile::size(const std::string& fileName)
{
    std::ifstream in(fileName, std::ios::in | std::ios::binary | std::ios::ate);
    if (!in) return 0;
    const std::streampos end = in.tellg();
    // A directory or a stream that cannot seek has no meaningful size.
    if (end == std::streampos(-1)) return 0;
    char probe = 0;
    in.seekg(0);
    if (end > 0 && !in.read(&probe, 1)) return 0;
    return end;
}

} // namespace Files
