#ifndef TESTS_CLIENT_OPTIONSFIXTURE_H
#define TESTS_CLIENT_OPTIONSFIXTURE_H

#include <cstdio>
#include <fstream>
#include <initializer_list>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>
#include <dirent.h>

#include "TempPath.h"
#include "client/Config.h"
#include "client/OptionText.h"
#include "core/CFG.h"
#include "shell/OptionKey.h"

namespace OptionsTest {

// An argument vector as main gets it: modifiable strings, a null pointer
// after the last one.
class Args {
public:
    Args(std::initializer_list<std::string> tokens) : m_tokens(tokens) { rebuild(); }
    explicit Args(const std::vector<std::string>& tokens) : m_tokens(tokens) { rebuild(); }

    int* argc() { return &m_count; }
    char** argv() { return m_pointers.data(); }

    // The tokens argc and argv name now.
    std::vector<std::string> left() const
    {
        return std::vector<std::string>(m_pointers.begin(), m_pointers.begin() + m_count);
    }
    // The vector's own pointers, in order, as they were handed out.
    const std::vector<char*>& original() const { return m_original; }
    bool untouched() const
    {
        return m_count == static_cast<int>(m_tokens.size())
            && std::equal(m_original.begin(), m_original.end(), m_pointers.begin());
    }

private:
    void rebuild()
    {
        for (std::string& token : m_tokens)
            m_pointers.push_back(token.data());
        m_original = m_pointers;
        m_pointers.push_back(nullptr);
        m_count = static_cast<int>(m_tokens.size());
    }

    std::vector<std::string> m_tokens;
    std::vector<char*> m_pointers;
    std::vector<char*> m_original;
    int m_count = 0;
};

// Every option key up to OPTION_LAST as text, by the type it is registered
// under; the speed keys by their first element.
inline std::map<int, std::string> snapshot(const Game::I_Config& config)
{
    std::map<int, std::string> keys;
    for (int key = 0; key <= Game::OPTION_LAST; ++key) {
        if (const bool* b = config.getBoolPtr(key))
            keys[key] = KWEP::OptionText::onOff(*b);
        else if (const int* i = config.getIntPtr(key))
            keys[key] = std::to_string(*i);
        else if (const unsigned int* u = config.getUIntPtr(key))
            keys[key] = std::to_string(*u);
        else if (const unsigned long* ul = config.getULongPtr(key))
            keys[key] = std::to_string(*ul);
        else if (const float* f = config.getFloatPtr(key))
            keys[key] = KWEP::OptionText::number(*f);
        else if (const std::string* s = config.getStringPtr(key))
            keys[key] = *s;
        else
            keys[key] = "<unregistered>";
    }
    return keys;
}

// The keys whose text differs between two snapshots, with their new text.
inline std::map<int, std::string> changes(const std::map<int, std::string>& before,
                                          const std::map<int, std::string>& after)
{
    std::map<int, std::string> changed;
    for (const auto& entry : after) {
        if (before.at(entry.first) != entry.second)
            changed.insert(entry);
    }
    return changed;
}

inline std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream all;
    all << in.rdbuf();
    return all.str();
}

// The names in the folder of prefix that begin with prefix's last part.
inline std::vector<std::string> filesStartingWith(const std::string& prefix)
{
    const std::size_t slash = prefix.find_last_of('/');
    const std::string folder = prefix.substr(0, slash + 1);
    const std::string start = prefix.substr(slash + 1);
    std::vector<std::string> names;
    if (DIR* dir = ::opendir(folder.c_str())) {
        while (const dirent* entry = ::readdir(dir)) {
            const std::string name = entry->d_name;
            if (name.compare(0, start.size(), start) == 0)
                names.push_back(name);
        }
        ::closedir(dir);
    }
    return names;
}

inline void writeFile(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

// The main configuration holds only the keys a test gives; the options file
// is a per-process temporary name, removed afterwards.
class OptionsFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        CFG::s_GlobalConfig.reset();
        optionsFile = TestSupport::tempPath("options.cfg");
        std::remove(optionsFile.c_str());
    }
    void TearDown() override
    {
        std::remove(optionsFile.c_str());
        CFG::s_GlobalConfig.reset();
    }

    static void setKeys(std::initializer_list<std::pair<const char*, const char*> > keys)
    {
        for (const auto& key : keys)
            ASSERT_TRUE(CFG::s_GlobalConfig.add(key.first, key.second)) << key.first;
    }

    std::string optionsFile;
};

} // namespace OptionsTest

#endif
