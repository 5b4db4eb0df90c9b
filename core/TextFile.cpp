#include "core/TextFile.h"

#include "core/FileLimit.h"

#include <cerrno>
#include <fstream>
#include <iostream>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Files {

namespace {

// Room reserved for one line; most lines of our files are shorter.
const std::size_t LINE_RESERVE = 300;
// mkstemp replaces these six characters at the end of the temporary name.
const char* const TEMP_SUFFIX = ".XXXXXX";
const mode_t NEW_FILE_MODE = 0666;

// The permissions of the file being replaced, or those a new file would get.
mode_t modeFor(const std::string& fileName)
{
    struct stat old;
    if (::stat(fileName.c_str(), &old) == 0 && S_ISREG(old.st_mode))
        return old.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return NEW_FILE_MODE & ~mask;
}

// Makes the rename itself durable; a folder that cannot be synced loses
// nothing but that guarantee.
void syncFolderOf(const std::string& fileName)
{
    const std::size_t slash = fileName.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "." : fileName.substr(0, slash + 1);
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

// Writes the bytes to a new file beside the target and renames it over the
// target only once they are on disk.
bool replaceFile(const std::string& fileName, const std::string& bytes)
{
    std::string tempName = fileName + TEMP_SUFFIX;
    const int fd = ::mkstemp(&tempName[0]);
    if (fd < 0) return false;
    bool done = ::fchmod(fd, modeFor(fileName)) == 0 && TextFile::writeAll(fd, bytes.data(), bytes.size()) && ::fsync(fd) == 0;
    done = (::close(fd) == 0) && done;
    done = done && ::rename(tempName.c_str(), fileName.c_str()) == 0;
    if (!done) {
        ::unlink(tempName.c_str());
        return false;
    }
    syncFolderOf(fileName);
    return true;
}

} // namespace

bool TextFile::load(const std::string& fileName, std::string& out, const char* lineEnd)
{
    if (!FileLimit::admit(fileName)) return false;
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
    // A fresh copy of a large file costs a page fault per page touched.
    if (out.empty())
        out.swap(text);
    else
        out += text;
    return true;
}

bool TextFile::save(const std::string& fileName, const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += '\n';
    }
    return replaceFile(fileName, text);
}

bool TextFile::save(const std::string& fileName, const std::string& text)
{
    return save(fileName, std::vector<std::string>(1, text));
}

bool TextFile::reportCutShort(const std::string& fileName, const std::string& what)
{
    if (FileLimit::check(fileName) != FileLimit::FITS)
        return false;
    std::ifstream in(fileName, std::ios::in | std::ios::binary | std::ios::ate);
    if (!in || in.tellg() <= 0)
        return false;
    in.seekg(-1, std::ios::end);
    char last = '\n';
    if (!in.get(last) || last == '\n')
        return false;
    std::cerr << what << " \"" << fileName << "\": the last line has no line end; the file may be cut short"
              << std::endl;
    return true;
}

bool TextFile::writeAll(int fd, const void* bytes, std::size_t size)
{
    const char* next = static_cast<const char*>(bytes);
    while (size > 0) {
        const ssize_t written = ::write(fd, next, size);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        next += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

std::streampos TextFile::size(const std::string& fileName)
{
    if (FileLimit::check(fileName) != FileLimit::FITS) return 0;
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
