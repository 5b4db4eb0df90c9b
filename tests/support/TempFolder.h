#ifndef TESTSUPPORT_TEMPFOLDER_H
#define TESTSUPPORT_TEMPFOLDER_H

#include <algorithm>
#include <filesystem>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

namespace TestSupport {

// A fresh folder of one test in the test temporary directory, removed with
// everything in it when the object goes. A process that ends while one lives
// (the child of a death test ends by exit) removes it at its exit; a forked
// child leaves its parent's folders alone.
class TempFolder {
public:
    // The folder's name starts with "frelmory_" and the name.
    explicit TempFolder(const std::string& name) : m_path(::testing::TempDir() + "frelmory_" + name + "_XXXXXX")
    {
        m_ok = ::mkdtemp(&m_path[0]) != nullptr;
        if (m_ok)
            alive().folders.emplace_back(m_path, ::getpid());
    }
    ~TempFolder()
    {
        if (!m_ok)
            return;
        removeAll(m_path);
        std::vector<Folder>& folders = alive().folders;
        folders.erase(std::remove(folders.begin(), folders.end(), Folder(m_path, ::getpid())), folders.end());
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    bool ok() const { return m_ok; }
    const std::string& path() const { return m_path; }
    // A path in the folder.
    std::string file(const std::string& name) const { return m_path + "/" + name; }

private:
    // A folder and the process that made it.
    typedef std::pair<std::string, pid_t> Folder;

    // The folders alive in the process; those its own process made go at
    // its exit.
    struct Alive {
        std::vector<Folder> folders;
        ~Alive()
        {
            for (const Folder& folder : folders)
                if (folder.second == ::getpid())
                    removeAll(folder.first);
        }
    };

    static Alive& alive()
    {
        static Alive l_alive;
        return l_alive;
    }

    static void removeAll(const std::string& path)
    {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }

    std::string m_path;
    bool m_ok = false;
};

} // namespace TestSupport

#endif
