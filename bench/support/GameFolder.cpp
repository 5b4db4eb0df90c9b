#include "GameFolder.h"

#include <fstream>

#include <unistd.h>

namespace Bench {

GameFolder::GameFolder() : m_folder("frelmory_bench_")
{
    const std::string& path = m_folder.path();
    std::ifstream in(FRELMORY_SOURCE_DIR "/KWEP.cfg", std::ios::binary);
    m_ok = m_folder.ok() && (std::ofstream(path + "/KWEP.cfg", std::ios::binary) << in.rdbuf())
        && symlink(FRELMORY_SOURCE_DIR "/data", (path + "/data").c_str()) == 0;
}

// The folder goes after this body: the process leaves it first.
GameFolder::~GameFolder()
{
    if (chdir(FRELMORY_SOURCE_DIR) != 0)
        m_ok = false;
}

} // namespace Bench
