#ifndef BENCH_GAMEFOLDER_H
#define BENCH_GAMEFOLDER_H

#include <string>

#include "TempFolder.h"

namespace Bench {

// A fresh temporary folder for the game to run in, so the options and
// high-score files it writes stay out of the source tree: a copy of the
// shipped configuration and a link to data/. Removed with everything in it
// when the object goes; the process is then back in the source tree.
class GameFolder {
public:
    GameFolder();
    ~GameFolder();
    GameFolder(const GameFolder&) = delete;
    GameFolder& operator=(const GameFolder&) = delete;

    bool ok() const { return m_ok; }
    const std::string& path() const { return m_folder.path(); }

private:
    TempFolder m_folder;
    bool m_ok = false;
};

} // namespace Bench

#endif
