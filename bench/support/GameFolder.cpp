#include "GameFolder.h"

#include <cstdlib>
#include <fstream>

#include <unistd.h>

namespace Bench {

GameFolder::GameFolder() : m_path("/tmp/frelmory_bench_XXXXXX")
{
    m_ok = mkdtemp(&m_path[0]) != nullptr;
    std::ifstream in(FRELMORY_SOURCE_DIR "/KWEP.cfg", std::ios::binary);
    m_ok = m_ok && (std::ofstream(m_path + "/KWEP.cfg", std::ios::binary) << in.rdbuf())
        && symlink(FRELMORY_SOURCE_DIR "/data", (m_path + "/data").c_str()) == 0;
}

GameFolder::~GameFolder()
{
    if (chdir(FRELMORY_SOURCE_DIR) == 0 && m_ok && std::system(("rm -rf '" + m_path + "'").c_str()) != 0)
        m_ok = false;
}

} // namespace Bench
