#include "core/TextFile.h"

#include "core/FileLimit.h"
#include "core/FormatUtils.h"

#include <algorithm>
#include <cctype>
#include <ctime>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iostream>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Files {

namespace {

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

// A save killed before its rename leaves its temporary file behind. One
// untouched for this long is no other process's save in progress.
const time_t STALE_TEMP_SECONDS = 600;

bool isTempNameOf(const std::string& name, const std::string& base)
{
    const std::size_t suffix = std::strlen(TEMP_SUFFIX);
    if (name.size() != base.size() + suffix || name.compare(0, base.size(), base) != 0 || name[base.size()] != '.')
        return false;
    return std::all_of(name.begin() + static_cast<std::ptrdiff_t>(base.size() + 1), name.end(),
                       [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; });
}

// Removes the temporary files earlier saves of this file left behind.
void removeStaleTemps(const std::string& fileName)
{
    const std::size_t slash = fileName.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "." : fileName.substr(0, slash + 1);
    const std::string base = slash == std::string::npos ? fileName : fileName.substr(slash + 1);
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return;
    const time_t now = ::time(nullptr);
    while (const dirent* entry = ::readdir(dir)) {
        const std::string path = folder + "/" + entry->d_name;
        struct stat info;
        if (isTempNameOf(entry->d_name, base) && ::lstat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode)
            && now - info.st_mtime > STALE_TEMP_SECONDS)
            ::unlink(path.c_str());
    }
    ::closedir(dir);
}

// Writes the bytes to a new file beside the target and renames it over the
// target only once they are on disk.
bool replaceFile(const std::string& fileName, const std::string& bytes)
{
    removeStaleTemps(fileName);
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

// Reads up to size bytes of the open file into bytes; a file that shrank
// since its size was taken gives what it still holds. False when a read fails.
bool readOpen(int fd, std::uint64_t size, std::string& bytes)
{
    // The text may end in one line end more than the file: room for it now
    // spares a copy later.
    bytes.reserve(static_cast<std::size_t>(size) + 1);
    bytes.resize(static_cast<std::size_t>(size));
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t got = ::read(fd, &bytes[done], bytes.size() - done);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return false;
        if (got == 0) break;
        done += static_cast<std::size_t>(got);
    }
    bytes.resize(done);
    return true;
}

// The whole file through one descriptor, opened without blocking so that a
// named pipe cannot hold the open; the FileLimit gate judges what was opened,
// with its message when it refuses. why gets the system's reason when the
// file is there but does not open or read.
TextFile::Outcome readWhole(const std::string& fileName, std::string& bytes, std::string& why)
{
    if (fileName.empty()) return TextFile::MISSING;
    const int fd = ::open(fileName.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT || errno == ENOTDIR) return TextFile::MISSING;
        why = std::strerror(errno);
        // Something that exists but cannot be opened still gets the gate's
        // word on it when it is no regular file or too large.
        const bool gateTakesIt = FileLimit::check(fileName) == FileLimit::MISSING || FileLimit::admit(fileName);
        return gateTakesIt ? TextFile::UNREADABLE : TextFile::REFUSED;
    }
    std::uint64_t size = 0;
    TextFile::Outcome outcome = TextFile::READ;
    if (!FileLimit::admitOpen(fd, fileName, size))
        outcome = TextFile::REFUSED;
    else if (size > 0 && !readOpen(fd, size, bytes)) {
        outcome = TextFile::UNREADABLE;
        why = std::strerror(errno);
    } else if (bytes.empty()) {
        outcome = TextFile::EMPTY;
    }
    ::close(fd);
    return outcome;
}

// How far the text must start behind the bytes so that writing it never
// overtakes the bytes still to be read: a line end longer than the newline it
// replaces adds its extra length per line.
std::size_t leadFor(const std::string& bytes, std::size_t endSize)
{
    if (endSize <= 1) return 0;
    return (endSize - 1) * static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n'));
}

// Turns the file's bytes into its text in their own storage: a non-empty line
// followed by lineEnd, an empty one by "\n". A carriage return before a
// newline belongs to the line end; the last line may lack a newline. No
// second copy of a large file is touched.
void joinLines(std::string& bytes, const char* lineEnd)
{
    const std::size_t endSize = std::strlen(lineEnd);
    const std::size_t size = bytes.size();
    const std::size_t lead = leadFor(bytes, endSize);
    bytes.resize(lead + size + endSize);
    char* const data = &bytes[0];
    if (lead > 0) std::memmove(data + lead, data, size);
    std::size_t read = lead;
    std::size_t written = 0;
    while (read < lead + size) {
        const void* newline = std::memchr(data + read, '\n', lead + size - read);
        const std::size_t end = newline ? static_cast<std::size_t>(static_cast<const char*>(newline) - data) : lead + size;
        std::size_t lineSize = end - read;
        if (newline && lineSize > 0 && data[end - 1] == '\r') --lineSize;
        if (lineSize == 0) {
            data[written++] = '\n';
        } else {
            if (written != read) std::memmove(data + written, data + read, lineSize);
            std::memcpy(data + written + lineSize, lineEnd, endSize);
            written += lineSize + endSize;
        }
        read = end + 1;
    }
    bytes.resize(written);
}

// The bytes as text after what out holds already.
void append(std::string& bytes, std::string& out, const char* lineEnd)
{
    joinLines(bytes, lineEnd);
    // A fresh copy of a large file costs a page fault per page touched.
    if (out.empty())
        out.swap(bytes);
    else
        out += bytes;
}

} // namespace

bool TextFile::load(const std::string& fileName, std::string& out, const char* lineEnd)
{
    bool lastLineOpen = false;
    return load(fileName, out, lineEnd, lastLineOpen);
}

bool TextFile::load(const std::string& fileName, std::string& out, const char* lineEnd, bool& lastLineOpen)
{
    lastLineOpen = false;
    std::string bytes;
    std::string why;
    if (readWhole(fileName, bytes, why) != READ) return false;
    lastLineOpen = bytes.back() != '\n';
    append(bytes, out, lineEnd);
    return true;
}

TextFile::Outcome TextFile::read(const std::string& fileName, std::string& out, const char* lineEnd, std::string& why)
{
    std::string bytes;
    const Outcome outcome = readWhole(fileName, bytes, why);
    if (outcome == READ) append(bytes, out, lineEnd);
    return outcome;
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
    warnCutShort(fileName, what);
    return true;
}

void TextFile::warnCutShort(const std::string& fileName, const std::string& what)
{
    std::cerr << what << " \"" << Format::printable(fileName)
              << "\": the last line has no line end; the file may be cut short"
              << std::endl;
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

std::string TextFile::whyUnusable(const std::string& fileName)
{
    const FileLimit::Verdict verdict = FileLimit::check(fileName);
    if (verdict == FileLimit::NOT_REGULAR || verdict == FileLimit::TOO_LARGE)
        return FileLimit::reason(fileName, verdict);
    const std::string quoted = "\"" + Format::printable(fileName) + "\"";
    std::string text;
    std::string why;
    switch (read(fileName, text, "\n", why)) {
    case READ: return std::string();
    case EMPTY: return quoted + " is empty";
    case MISSING: return quoted + " is missing";
    default: return quoted + " cannot be read (" + why + ")";
    }
}

} // namespace Files
