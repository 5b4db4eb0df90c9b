#include "core/FileLimit.h"

#include "core/FormatUtils.h"

#include <iostream>

#include <sys/stat.h>

namespace Files {

namespace {

FileLimit::Verdict verdictOf(const struct stat& info)
{
    if (!S_ISREG(info.st_mode))
        return FileLimit::NOT_REGULAR;
    if (static_cast<std::uint64_t>(info.st_size) > FileLimit::MAX_BYTES)
        return FileLimit::TOO_LARGE;
    return FileLimit::FITS;
}

} // namespace

FileLimit::Verdict FileLimit::check(const std::string& path)
{
    struct stat info;
    if (path.empty() || ::stat(path.c_str(), &info) != 0)
        return MISSING;
    return verdictOf(info);
}

std::string FileLimit::reason(const std::string& path, Verdict verdict)
{
    switch (verdict) {
    case NOT_REGULAR:
        return "\"" + Format::printable(path) + "\" is not a regular file (a folder, device or pipe); it is not read";
    case TOO_LARGE:
        return "\"" + Format::printable(path) + "\" is larger than " + std::to_string(MAX_BYTES / (1024u * 1024u))
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

bool FileLimit::admitOpen(int fd, const std::string& path, std::uint64_t& bytes)
{
    struct stat info;
    if (::fstat(fd, &info) != 0)
        return false;
    const Verdict verdict = verdictOf(info);
    if (verdict != FITS) {
        std::cerr << reason(path, verdict) << std::endl;
        return false;
    }
    bytes = static_cast<std::uint64_t>(info.st_size);
    return true;
}

} // namespace Files
