#include "core/FileLimit.h"

#include <iostream>

#include <sys/stat.h>

namespace Files {

FileLimit::Verdict FileLimit::check(const std::string& path)
{
    struct stat info;
    if (path.empty() || ::stat(path.c_str(), &info) != 0)
        return MISSING;
    if (!S_ISREG(info.st_mode))
        return NOT_REGULAR;
    if (static_cast<std::uint64_t>(info.st_size) > MAX_BYTES)
        return TOO_LARGE;
    return FITS;
}

std::string FileLimit::reason(const std::string& path, Verdict verdict)
{
    switch (verdict) {
    case NOT_REGULAR:
        return "\"" + path + "\" is not a regular file (a folder, device or pipe); it is not read";
    case TOO_LARGE:
        return "\"" + path + "\" is larger than " + std::to_string(MAX_BYTES / (1024u * 1024u))
            + " MB, more than any data file; it is not read";
    default:
        return std::string();
    }
}

bool FileLimit::admit(const std::string& path)
{
    const Verdict verdict = check(path);
    if (verdict == NOT_REGULAR || verdict == TOO_LARGE)
        std::cerr << reason(path, verdict) << std::endl;
    return verdict == FITS;
}

} // namespace Files
