#ifndef BENCH_TEMPFOLDER_H
#define BENCH_TEMPFOLDER_H

#include <string>

namespace Bench {

// A fresh folder of the program's own in the temporary folder ($TMPDIR, else
// /tmp), so that runs at the same time never write each other's files.
// Removed with everything in it when the object goes.
class TempFolder {
public:
    // The folder's name starts with the prefix.
    explicit TempFolder(const std::string& prefix);
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    bool ok() const { return m_ok; }
    const std::string& path() const { return m_path; }

private:
    std::string m_path;
    bool m_ok = false;
};

} // namespace Bench

#endif
