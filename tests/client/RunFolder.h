#ifndef TESTS_CLIENT_RUNFOLDER_H
#define TESTS_CLIENT_RUNFOLDER_H

#include <fstream>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

#include "TempPath.h"
#include "core/TextFile.h"

// A folder of this test process that the game runs in: the shipped KWEP.cfg
// (or none), a link to the shipped data/, and whatever the game writes. The
// process works in it while the object lives.
class RunFolder {
public:
    explicit RunFolder(const std::string& name, bool withConfig = true)
        : m_path(TestSupport::tempPath(name))
    {
        std::string command = "rm -rf '" + m_path + "'";
        if (std::system(command.c_str()) != 0 || ::mkdir(m_path.c_str(), 0700) != 0)
            return;
        char old[4096];
        if (::getcwd(old, sizeof old))
            m_old = old;
        if (withConfig) {
            std::ifstream in(FRELMORY_SOURCE_DIR "/KWEP.cfg", std::ios::binary);
            std::ofstream(m_path + "/KWEP.cfg", std::ios::binary) << in.rdbuf();
            m_ok = ::symlink(FRELMORY_SOURCE_DIR "/data", (m_path + "/data").c_str()) == 0;
        } else {
            m_ok = true;
        }
        m_ok = m_ok && ::chdir(m_path.c_str()) == 0;
    }
    ~RunFolder()
    {
        if (!m_old.empty() && ::chdir(m_old.c_str()) != 0)
            return;
        std::string command = "rm -rf '" + m_path + "'";
        if (std::system(command.c_str()) != 0)
            return;
    }
    RunFolder(const RunFolder&) = delete;
    RunFolder& operator=(const RunFolder&) = delete;

    bool ok() const { return m_ok; }
    const std::string& path() const { return m_path; }
    // Writes a file into the folder; the name is relative to it.
    void write(const std::string& name, const std::string& text) const
    {
        std::ofstream(m_path + "/" + name, std::ios::binary) << text;
    }
    bool has(const std::string& name) const { return Files::TextFile::whyUnusable(m_path + "/" + name).empty(); }
    std::string read(const std::string& name) const
    {
        std::string text;
        Files::TextFile::load(m_path + "/" + name, text, "\n");
        return text;
    }

private:
    std::string m_path;
    std::string m_old;
    bool m_ok = false;
};

#endif
