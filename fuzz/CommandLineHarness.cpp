#include "fuzz/Harness.h"

#include <sstream>
#include <string>
#include <vector>

#include "client/Config.h"
#include "fuzz/OptionsOnFile.h"
#include "fuzz/ScratchFile.h"

namespace Fuzz {

namespace {

const std::size_t MAX_ARGS = 256;

} // namespace

// A command line: one argument per line of the buffer after the program's
// name, read by the option keys as the program entry does. The options file
// it would read first holds nothing, so only the flags count.
int fuzzCommandLine(const std::uint8_t* data, std::size_t size)
{
    std::vector<std::string> words{"frelmory"};
    std::istringstream lines(std::string(reinterpret_cast<const char*>(data), size));
    for (std::string line; words.size() < MAX_ARGS && std::getline(lines, line);)
        words.push_back(line.c_str());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(&word[0]);
    argv.push_back(nullptr);
    int argc = static_cast<int>(words.size());

    ScratchFile file("cmdline_options.cfg", "");
    OptionsOnFile config(file.path());
    config.initialise(&argc, argv.data());
    return 0;
}

} // namespace Fuzz
