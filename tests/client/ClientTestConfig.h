#ifndef TESTS_CLIENT_CLIENTTESTCONFIG_H
#define TESTS_CLIENT_CLIENTTESTCONFIG_H

#include <fstream>
#include <string>

#include "TempPath.h"
#include "core/CFG.h"

// Writes the text to a file of this test process and returns its name.
inline std::string writeTestFile(const std::string& name, const std::string& text)
{
    const std::string path = TestSupport::tempPath(name);
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

// Makes the text the main configuration.
inline void useConfig(const std::string& text)
{
    CFG::setConfig(writeTestFile("client_KWEP.cfg", text));
}

#endif
