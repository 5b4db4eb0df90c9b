#ifndef FRELMORY_CORE_FILELIMIT_H
#define FRELMORY_CORE_FILELIMIT_H

#include <cstdint>
#include <string>

namespace Files {

// The gate every data file passes before it is read. Only a regular file
// no larger than MAX_BYTES is read: a device that never ends (/dev/zero), a
// named pipe that blocks the open, a folder or a file of hundreds of
// megabytes would otherwise hang the start or exhaust memory.
class FileLimit
{
public:
    FileLimit() = delete;

    // Far above the largest data file the game ships (under one megabyte).
    static const std::uint64_t MAX_BYTES = 64u * 1024u * 1024u;

    enum Verdict {
        FITS,         // a regular file within the limit
        MISSING,      // nothing at that path (or the path is empty)
        NOT_REGULAR,  // a folder, device, pipe or socket
        TOO_LARGE     // a regular file above MAX_BYTES
    };

    // What is at the path; it is not opened.
    static Verdict check(const std::string& path);

    // True when the file fits. Otherwise false, after one message on the
    // error stream naming the file and why it is not read, except for a
    // missing file, which its reader reports in its own words.
    static bool admit(const std::string& path);

    // The same gate for a file its reader has opened without blocking (so a
    // named pipe cannot hold the open), with the same message; bytes is the
    // file's size when it fits. Asking the open file spares a second look-up
    // of the path and cannot be fooled by a file swapped in between.
    static bool admitOpen(int fd, const std::string& path, std::uint64_t& bytes);

    // The message admit prints for the verdict; "" for FITS and MISSING.
    static std::string reason(const std::string& path, Verdict verdict);
};

} // namespace Files

#endif
