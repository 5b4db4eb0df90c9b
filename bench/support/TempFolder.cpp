#include "TempFolder.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include <stdlib.h>

namespace Bench {

TempFolder::TempFolder(const std::string& prefix)
{
    const char* base = std::getenv("TMPDIR");
    m_path = std::string(base != nullptr && *base != '\0' ? base : "/tmp") + "/" + prefix + "XXXXXX";
    m_ok = mkdtemp(&m_path[0]) != nullptr;
}

TempFolder::~TempFolder()
{
    std::error_code ignored;
    if (m_ok)
        std::filesystem::remove_all(m_path, ignored);
}

} // namespace Bench
